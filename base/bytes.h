// Byte and bit helpers for the fixed-layout records of a design. Every multi-byte value is read
// and written explicitly, little-endian; texts live in fixed slots, NUL-terminated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace q700 {

using Bytes = std::span<uint8_t>;
using ConstBytes = std::span<const uint8_t>;

inline uint16_t ReadU16Le(ConstBytes bytes, size_t offset) {
  return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline void WriteU16Le(Bytes bytes, size_t offset, uint16_t value) {
  bytes[offset] = static_cast<uint8_t>(value & 0xFF);
  bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

// Bits [low, low + width) of a byte, bit 0 being the least significant.
inline unsigned GetBits(uint8_t byte, int low, int width) {
  return (byte >> low) & ((1u << width) - 1u);
}

inline void SetBits(uint8_t& byte, int low, int width, unsigned value) {
  const unsigned mask = ((1u << width) - 1u) << low;
  byte = static_cast<uint8_t>((byte & ~mask) | ((value << low) & mask));
}

inline bool GetBit(uint8_t byte, int bit) { return (byte >> bit) & 1u; }

inline void SetBit(uint8_t& byte, int bit, bool on) { SetBits(byte, bit, 1, on ? 1u : 0u); }

// Length of the text in a slot: up to the first NUL, or the whole slot when it has none.
size_t SlotTextLength(ConstBytes slot);

// The text in a slot as bytes (no conversion of the code page).
std::string SlotText(ConstBytes slot);

// Writes the text and a NUL into the slot, cut to the slot size less one. The bytes after the NUL
// keep what they held, as the editor leaves them.
void SetSlotText(Bytes slot, std::string_view text);

// Cuts the text in a slot to at most `max_length` characters by putting a NUL there.
void CutSlotText(Bytes slot, size_t max_length);

inline std::string_view AsChars(ConstBytes bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace q700
