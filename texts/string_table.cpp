// The built-in string table, compiled from its one source.
#include "texts/string_table.h"

#include <algorithm>
#include <array>

namespace q700 {
namespace {

constexpr StringTableEntry kEntries[] = {
#define Q700_TEXT(id, text) {id, text},
#define Q700_NAMED_TEXT(id, name, text) {id, text},
#include "texts/string_table.inc"
#undef Q700_NAMED_TEXT
#undef Q700_TEXT
};

constexpr bool SortedAndUnique() {
  for (size_t i = 1; i < std::size(kEntries); ++i) {
    if (kEntries[i - 1].id >= kEntries[i].id) return false;
  }
  return true;
}
static_assert(SortedAndUnique(), "string_table.inc must be sorted by id without duplicates");

}  // namespace

std::span<const StringTableEntry> StringTable() { return kEntries; }

const char* FindStringTableText(int id) {
  const auto it = std::lower_bound(std::begin(kEntries), std::end(kEntries), id,
                                   [](const StringTableEntry& e, int v) { return e.id < v; });
  return it != std::end(kEntries) && it->id == id ? it->text : nullptr;
}

}  // namespace q700
