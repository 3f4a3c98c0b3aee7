// The labels of a dialog that a language file can replace: its template, and the language id of
// its title and of each labelled control. The English text of a label is written once, in the
// template; only texts that no control shows as they stand (the dialog composes them with a
// number or a pattern) are kept here.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "texts/text_loader.h"

namespace q700 {

// Every dialog's OK and Cancel buttons take these, without a row of their own.
inline constexpr int kLabelOk = 1218;
inline constexpr int kLabelCancel = 1219;

// Where a label's text comes from while a language is active.
enum class LabelSource {
  kLanguage,     // the language entry; without one the template's text stays
  kStringTable,  // the id also has a string-table text: the label is loaded like any text, so a
                 // language without the entry shows the string table's English text
};

struct LabelRow {
  int control;
  int language_id;  // several controls may share one ("more..." on every line)
  LabelSource source = LabelSource::kLanguage;
};

// A text the dialog composes itself, with its built-in English text.
struct ComposedText {
  int language_id;
  std::string_view text;
};

struct LabelTable {
  std::string_view dialog;  // the template's name
  int title_id;
  std::span<const LabelRow> rows;
  std::span<const ComposedText> composed = {};
  // kStringTable: the title is a string-table text of another dialog's label, and a language
  // file names it under that dialog.
  LabelSource title_source = LabelSource::kLanguage;
};

// The built-in text of a composed label of a table; empty when the table does not compose it.
inline std::string_view ComposedBuiltIn(const LabelTable& table, int language_id) {
  for (const ComposedText& composed : table.composed) {
    if (composed.language_id == language_id) return composed.text;
  }
  return {};
}

// What a composed label starts with: the language's label when a language is active and has
// one, else the built-in text.
inline std::string ComposedLabel(const TextLoader& texts, const LabelTable& table,
                                 int language_id) {
  const std::string_view label = texts.Label(language_id);
  return std::string(label.empty() ? ComposedBuiltIn(table, language_id) : label);
}

}  // namespace q700
