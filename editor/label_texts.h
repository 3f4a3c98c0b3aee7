// The English texts of the editor's labels, taken from the dialog templates, and the list of every
// language id with its English text that a person writing a language file works from.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "texts/label_table.h"

namespace q700::editor {

// The English text of a language id of a table: the built-in text of a label the dialog
// composes, else the template's text of the control the id labels, or the template's title.
// Empty when the table does not use the id.
std::string_view EnglishLabel(const LabelTable& table, int language_id);

// Every label table of the editor: the Form page and its dialogs, the other pages and theirs, the
// Barcode page and the symbology dialogs.
std::vector<const LabelTable*> EditorLabelTables();

struct LanguageIdText {
  int id;
  std::string text;
};

// Every language id of the editor's dialogs and every text of the string table, each once, in
// the order of the ids, with the English text that shows while no language replaces it.
std::vector<LanguageIdText> LanguageIdTexts();

}  // namespace q700::editor
