// The labels of a dialog that a language file can replace: the control each one names, its
// language id and its built-in English text. One table per dialog serves both the relabelling
// of the dialog and whoever writes a language file for it.
#pragma once

#include <span>
#include <string_view>

namespace q700 {

struct LabelRow {
  int control;      // 0 for a text the dialog composes itself (the start of a caption)
  int language_id;  // several controls may share one ("more..." on every line)
  std::string_view text;
  // The id also has a string-table text: with a language active the label is loaded like any
  // text, so a language without the entry shows the string table's English text.
  bool loaded = false;
};

struct LabelTable {
  int title_id;
  std::string_view title;
  std::span<const LabelRow> rows;
  // The title is a string-table text of another dialog's label, loaded like `LabelRow::loaded`;
  // a language file names it under that dialog.
  bool title_loaded = false;
};

// The built-in text of a language id in a table; empty when the table does not have it.
inline std::string_view BuiltInLabel(const LabelTable& table, int language_id) {
  if (table.title_id == language_id && !table.title_loaded) return table.title;
  for (const LabelRow& row : table.rows) {
    if (row.language_id == language_id) return row.text;
  }
  return {};
}

}  // namespace q700
