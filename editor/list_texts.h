// Entries of the editor's lists, loaded through the text loader so they follow the language.
// A list's value is the position of its entry.
#pragma once

#include <string>
#include <vector>

#include "model/choice_lists.h"
#include "texts/text_ids.h"
#include "texts/text_loader.h"

namespace q700::editor {

// The texts of a list.
std::vector<std::string> LoadTexts(TextLoader& texts, TextList list);
// Texts that are the same in every language.
template <size_t N>
std::vector<std::string> FixedTexts(const std::array<std::string_view, N>& texts) {
  return {texts.begin(), texts.end()};
}

// The text of `label_id` followed by each number from `first` to `last` ("form  3").
std::vector<std::string> NumberedTexts(TextLoader& texts, int label_id, int first, int last);

// Target codes in list order: "main", form 1 to 10, menu 1 to 10.
std::vector<std::string> TargetTexts(TextLoader& texts);

// "field 1" to "field 8".
std::vector<std::string> FieldTexts(TextLoader& texts);

}  // namespace q700::editor
