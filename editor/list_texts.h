// Entries of the editor's lists, loaded through the text loader so they follow the language.
// A list's value is the position of its entry.
#pragma once

#include <string>
#include <vector>

#include "texts/text_loader.h"

namespace q700::editor {

// Text ids of list entries shared by several pages.
inline constexpr int kTextLookupNil = 1190;  // "nil" of the lookup lists
inline constexpr int kTextLookupFile1 =
    1191;  // "1st lookup file" .. "3rd lookup file", "Data File"
inline constexpr int kTextMain = 1212;
inline constexpr int kTextMenuLabel = 1213;  // "menu  ", followed by the number
inline constexpr int kTextFormLabel = 1214;  // "form  ", followed by the number
inline constexpr int kTextField = 1361;      // "field ", "-field ", "+field "
inline constexpr int kTextVariable1 = 1345;  // "variable1" .. "variable3"

// `count` texts of consecutive ids from `first_id`.
std::vector<std::string> LoadTexts(TextLoader& texts, int first_id, int count);

// The text of `label_id` followed by each number from `first` to `last` ("form  3").
std::vector<std::string> NumberedTexts(TextLoader& texts, int label_id, int first, int last);

// Target codes in list order: "main", form 1 to 10, menu 1 to 10.
std::vector<std::string> TargetTexts(TextLoader& texts);

// "field 1" to "field 8".
std::vector<std::string> FieldTexts(TextLoader& texts);

}  // namespace q700::editor
