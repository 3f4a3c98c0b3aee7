// Language ids of the labels of the Barcode page and of the twenty symbology dialogs, one table per
// dialog template. The ids lie in the blocks of their dialogs: 301-337 for the page, 361-585 for
// the symbology dialogs (585, the next free id of the EAN128 block, for its "ASCII:" label),
// 1661-1683 for the Code ID dialog and 1750-1756 for the Weight Code dialog. The check-box and
// length dialogs take theirs from the tables that drive them (symbology_tables.h).
#pragma once

#include <span>

#include "editor/symbology_tables.h"
#include "texts/label_table.h"

namespace q700::editor {

extern const LabelTable kBarcodePageLabels;  // BARCODESETTINGDLG, title id 301

// The table of a symbology dialog's template.
const LabelTable& SymbologyLabels(BarcodeDialog dialog);

// The page's table and the twenty dialogs' tables.
std::span<const LabelTable* const> BarcodeLabelTables();

}  // namespace q700::editor
