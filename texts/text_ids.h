// The ids of the string-table texts that the code names, as constants made from the table itself
// (string_table.inc): a message, the first entry of a list (its entries follow in order), the
// first text of a group of terminal texts.
#pragma once

namespace q700 {

enum TextId : int {
#define Q700_TEXT(id, text)
#define Q700_NAMED_TEXT(id, name, text) name = id,
#include "texts/string_table.inc"
#undef Q700_NAMED_TEXT
#undef Q700_TEXT
};

}  // namespace q700
