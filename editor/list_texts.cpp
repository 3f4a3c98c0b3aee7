// List entries of the editor pages.
#include "editor/list_texts.h"

#include "model/form_record.h"
#include "model/layout.h"

namespace q700::editor {

std::vector<std::string> LoadTexts(TextLoader& texts, int first_id, int count) {
  std::vector<std::string> items;
  items.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) items.push_back(texts.Load(first_id + i, Slot::kItem));
  return items;
}

std::vector<std::string> NumberedTexts(TextLoader& texts, int label_id, int first, int last) {
  std::vector<std::string> items;
  const std::string label = texts.Load(label_id, Slot::kItem);
  for (int n = first; n <= last; ++n) items.push_back(label + std::to_string(n));
  return items;
}

std::vector<std::string> TargetTexts(TextLoader& texts) {
  std::vector<std::string> items = {texts.Load(kTextMain, Slot::kItem)};
  for (auto& label : NumberedTexts(texts, kTextFormLabel, 1, kFormCount)) items.push_back(label);
  for (auto& label : NumberedTexts(texts, kTextMenuLabel, 1, kMenuCount)) items.push_back(label);
  return items;
}

std::vector<std::string> FieldTexts(TextLoader& texts) {
  return NumberedTexts(texts, kTextField, 1, kFormLines);
}

}  // namespace q700::editor
