// The bytes of a design that no field's value shows: reserved and spare bytes, bits that no
// editor sets, and what a text slot holds after the text's end. A design written out in full
// lists them in runs named "<record>.bytes.<offset>" (menu.1.bytes.250, reserved_area.bytes.0),
// so that it can be built back byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/design.h"
#include "model/field_names.h"

namespace q700 {

// The most bytes one run holds, so that a listing stays readable line by line.
inline constexpr size_t kByteRunSize = 32;

// Where a run lies: a block, an offset in it, and how many bytes fit up to the end of the
// record (or block) the offset is in.
struct BytePlace {
  DesignBlock block;
  size_t offset;
  size_t room;
};

struct ByteRun {
  std::string name;
  BytePlace place;
  // The design's bytes with the bits that a field shows cleared.
  std::vector<uint8_t> bytes;
};

// The runs of a design whose unnamed bits are not all zero, or not all zero in `base`, the
// design that a listing is built back on (so that a run left out means zero bits on either).
std::vector<ByteRun> UnnamedByteRuns(Design& design, Design& base);

// The place a run's name stands for; nothing for a name that is not a run's.
std::optional<BytePlace> FindBytePlace(std::string_view name);

// Bytes for a place, as a listing gives them.
using PlacedBytes = std::pair<BytePlace, std::vector<uint8_t>>;

// Writes each run's bytes at its place into the bits that no field shows, keeping the others.
void PutUnnamedBytes(Design& design, const std::vector<PlacedBytes>& runs);

// Clears what a text field's slot holds after its text (a text set by value leaves the older
// bytes behind its end). Other kinds of field are left alone.
void ClearTextTail(const FieldInfo& field, Design& design);

// The design order of a block, for listing fields and runs together.
int BlockOrder(DesignBlock block);
// The record of a block that an offset lies in (0 for blocks of one record).
int RecordOf(DesignBlock block, size_t offset);

}  // namespace q700
