// Field entry rules that need no engine state: which characters a line type accepts.
#pragma once

#include <cstdint>

namespace q700 {

// The character class of a data type: text and extension lines take anything, integer and real
// lines digits, letter lines A to Z and a to z, auto(+/-) lines digits and ".", boolean lines one
// of 0 1 Y N y n T F t f, and every other type nothing.
bool AcceptsCharacter(uint8_t type, char c);

}  // namespace q700
