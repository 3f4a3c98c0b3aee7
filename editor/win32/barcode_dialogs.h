// The twenty dialogs behind the Barcode page's buttons. Each runs modally over `owner`, writes
// into the design at its own OK (so a later Cancel of the editor sheet keeps what it wrote) and
// returns true for OK.
#pragma once

#include <windows.h>

#include "editor/symbology_tables.h"
#include "editor/win32/editor_sheet.h"
#include "model/design.h"
#include "texts/text_loader.h"

namespace q700::win32 {

// Any of them, by the kind of its template.
bool RunBarcodeDialog(HWND owner, editor::BarcodeDialog dialog, EditorSheetContext& context);

// The check-box dialogs, Codabar, Telepen, the length dialogs and EAN128.
bool RunSymbologyDialog(HWND owner, editor::BarcodeDialog dialog, Design& design,
                        TextLoader& texts);
// Also marks the design modified through `context.mark_modified`.
bool RunCodeIdDialog(HWND owner, EditorSheetContext& context);
bool RunWeightCodeDialog(HWND owner, Design& design, TextLoader& texts);

}  // namespace q700::win32
