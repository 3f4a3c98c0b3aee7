// The built-in string table: every text the program loads by id. Its one source is
// string_table.inc, compiled into the core for both programs.
#pragma once

#include <cstdint>
#include <span>

namespace q700 {

struct StringTableEntry {
  int id;
  const char* text;
};

// All entries, sorted by id.
std::span<const StringTableEntry> StringTable();

// The built-in text of `id`, or nullptr when the table has none.
const char* FindStringTableText(int id);

}  // namespace q700
