// List entries of the editor pages.
#include "editor/list_texts.h"

#include "model/form_record.h"
#include "model/layout.h"

namespace q700::editor {

std::vector<std::string> LoadTexts(TextLoader& texts, TextList list) {
  std::vector<std::string> items;
  items.reserve(static_cast<size_t>(list.count));
  for (int i = 0; i < list.count; ++i) items.push_back(texts.Load(list.first + i, Slot::kItem));
  return items;
}

std::vector<std::string> NumberedTexts(TextLoader& texts, int label_id, int first, int last) {
  std::vector<std::string> items;
  const std::string label = texts.Load(label_id, Slot::kItem);
  for (int n = first; n <= last; ++n) items.push_back(label + std::to_string(n));
  return items;
}

std::vector<std::string> TargetTexts(TextLoader& texts) {
  std::vector<std::string> items = {texts.Load(kItemMain, Slot::kItem)};
  for (auto& label : NumberedTexts(texts, kItemForm, 1, kFormCount)) items.push_back(label);
  for (auto& label : NumberedTexts(texts, kItemMenu, 1, kMenuCount)) items.push_back(label);
  return items;
}

std::vector<std::string> FieldTexts(TextLoader& texts) {
  return NumberedTexts(texts, kItemField, 1, kFormLines);
}

}  // namespace q700::editor
