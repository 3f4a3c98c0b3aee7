// The key table of the lookup file check.
#include "data/key_table.h"

#include <cstring>

namespace q700 {
namespace {

uint64_t Load(const char* bytes, size_t n) {
  uint64_t word = 0;
  std::memcpy(&word, bytes, n);
  return word;
}

uint64_t Mix(uint64_t a, uint64_t b) {
  const __uint128_t product = static_cast<__uint128_t>(a) * b;
  return static_cast<uint64_t>(product) ^ static_cast<uint64_t>(product >> 64);
}

// At most 7 keys in 10 slots: linear probing stays short.
size_t RoomFor(size_t keys) { return keys * 10 / 7 + 64; }

}  // namespace

// A multiply-and-fold hash over 8-byte words: keys are short (article numbers), so a few
// multiplications do, where a byte-at-a-time hash would cost as much as the rest of the check.
uint64_t KeyTable::Hash(std::string_view key) {
  constexpr uint64_t kSeed = 0x9E3779B97F4A7C15ull;
  constexpr uint64_t kOdd = 0xD6E8FEB86659FD93ull;
  uint64_t hash = kSeed ^ key.size();
  size_t at = 0;
  for (; at + 8 <= key.size(); at += 8) hash = Mix(hash ^ Load(key.data() + at, 8), kOdd);
  if (at < key.size()) hash = Mix(hash ^ Load(key.data() + at, key.size() - at), kOdd);
  return Mix(hash, kSeed);
}

KeyTable::KeyTable(size_t expected) : slots_(RoomFor(expected)) { keys_.reserve(expected); }

size_t KeyTable::Home(uint64_t hash) const {
  return static_cast<size_t>((static_cast<uint64_t>(static_cast<uint32_t>(hash)) * slots_.size()) >>
                             32);
}

void KeyTable::Prefetch(uint64_t hash) const {
#if defined(__GNUC__)
  __builtin_prefetch(&slots_[Home(hash)]);
#endif
}

size_t KeyTable::Insert(std::string_view key, size_t line, uint64_t hash) {
  if ((keys_.size() + 1) * 10 > slots_.size() * 7) Grow();
  const auto tag = static_cast<uint32_t>(hash >> 32);
  const size_t size = slots_.size();
  for (size_t i = Home(hash);; i = i + 1 == size ? 0 : i + 1) {
    Slot& slot = slots_[i];
    if (slot.key == 0) {
      keys_.push_back({key.data(), static_cast<uint32_t>(key.size()), static_cast<uint32_t>(line)});
      slot = {static_cast<uint32_t>(keys_.size()), tag};
      return 0;
    }
    if (slot.tag != tag) continue;
    const Key& known = keys_[slot.key - 1];
    if (known.length == key.size() && std::memcmp(known.data, key.data(), key.size()) == 0) {
      return known.line;
    }
  }
}

void KeyTable::Grow() {
  std::vector<Slot> slots(slots_.size() * 2);
  slots_.swap(slots);
  const size_t size = slots_.size();
  for (size_t k = 0; k < keys_.size(); ++k) {
    const uint64_t hash = Hash({keys_[k].data, keys_[k].length});
    size_t i = Home(hash);
    while (slots_[i].key != 0) i = i + 1 == size ? 0 : i + 1;
    slots_[i] = {static_cast<uint32_t>(k + 1), static_cast<uint32_t>(hash >> 32)};
  }
}

}  // namespace q700
