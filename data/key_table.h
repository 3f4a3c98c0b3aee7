// The keys of a lookup file's lines, to find a key used twice: the keys as views into the file in
// line order, and an open-addressing index of 8-byte slots over them, so a million lines cost no
// allocation per key and the random reads stay within a small table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace q700 {

class KeyTable {
 public:
  // Room for about `expected` keys before the table grows.
  explicit KeyTable(size_t expected);

  // Remembers `key` (which must outlive the table) as the key of `line`; when the key was
  // remembered before, returns that line instead and remembers nothing. 0 when the key is new.
  size_t Insert(std::string_view key, size_t line) { return Insert(key, line, Hash(key)); }

  // The same in two steps, so a caller can ask for the slot's memory ahead of the insertion and
  // let the reads of several keys overlap: the table is too big for the cache, and waiting for
  // each slot in turn costs most of a check's time.
  static uint64_t Hash(std::string_view key);
  void Prefetch(uint64_t hash) const;
  size_t Insert(std::string_view key, size_t line, uint64_t hash);

 private:
  struct Key {
    const char* data;
    uint32_t length;
    uint32_t line;  // a file of more than 4 billion lines is not held in memory to be checked
  };
  struct Slot {
    uint32_t key = 0;  // index into keys_ plus 1; 0: empty
    uint32_t tag = 0;  // the hash's high half: most other keys differ without a comparison
  };

  // The slot for a key's hash: its low half scaled to the table's size.
  size_t Home(uint64_t hash) const;
  void Grow();

  std::vector<Key> keys_;
  std::vector<Slot> slots_;
};

}  // namespace q700
