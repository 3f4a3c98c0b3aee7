// The English labels of the editor from the dialog templates, and the list of language ids.
#include "editor/label_texts.h"

#include <map>

#include "editor/barcode_labels.h"
#include "editor/form_labels.h"
#include "editor/page_labels.h"
#include "resources/dialog_texts.h"
#include "texts/string_table.h"

namespace q700::editor {
namespace {

constexpr int kOkButton = 1;
constexpr int kCancelButton = 2;

}  // namespace

std::string_view EnglishLabel(const LabelTable& table, int language_id) {
  if (const std::string_view composed = ComposedBuiltIn(table, language_id); !composed.empty()) {
    return composed;
  }
  for (const LabelRow& row : table.rows) {
    if (row.language_id == language_id) return TemplateText(table.dialog, row.control);
  }
  if (table.title_id == language_id && table.title_source == LabelSource::kLanguage) {
    return TemplateTitle(table.dialog);
  }
  return {};
}

std::vector<const LabelTable*> EditorLabelTables() {
  std::vector<const LabelTable*> tables(kFormLabelTables.begin(), kFormLabelTables.end());
  tables.insert(tables.end(), kPageLabelTables.begin(), kPageLabelTables.end());
  for (const LabelTable* table : BarcodeLabelTables()) tables.push_back(table);
  return tables;
}

std::vector<LanguageIdText> LanguageIdTexts() {
  std::map<int, std::string> texts;
  for (const LabelTable* table : EditorLabelTables()) {
    const auto add = [&](int id) { texts.emplace(id, std::string(EnglishLabel(*table, id))); };
    if (table->title_source == LabelSource::kLanguage) add(table->title_id);
    for (const LabelRow& row : table->rows) add(row.language_id);
    for (const ComposedText& composed : table->composed) add(composed.language_id);
    const std::string_view ok = TemplateText(table->dialog, kOkButton);
    const std::string_view cancel = TemplateText(table->dialog, kCancelButton);
    if (!ok.empty()) texts.emplace(kLabelOk, ok);
    if (!cancel.empty()) texts.emplace(kLabelCancel, cancel);
  }
  // An id with a string-table text is loaded from there while no language replaces it.
  for (const StringTableEntry& entry : StringTable()) texts[entry.id] = entry.text;
  std::vector<LanguageIdText> list;
  list.reserve(texts.size());
  for (auto& [id, text] : texts) list.push_back({id, std::move(text)});
  return list;
}

}  // namespace q700::editor
