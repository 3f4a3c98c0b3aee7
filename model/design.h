// The design: the fixed set of byte blocks that make up one application for the terminal, in
// project-file order. Records inside the blocks are reached through the views of menu_record.h,
// form_record.h, lookup_record.h, settings_block.h and barcode_block.h.
#pragma once

#include <array>
#include <cstdint>

#include "base/bytes.h"
#include "model/layout.h"

namespace q700 {

struct Design {
  std::array<uint8_t, kVersionTagSize> version_tag{};
  std::array<uint8_t, kReservedWordSize> reserved_word{};
  std::array<uint8_t, kBarcodeBlockSize> barcode{};
  std::array<uint8_t, kMenuTableSize> menus{};
  std::array<uint8_t, kFormTableSize> forms{};
  std::array<uint8_t, kLookupTableSize> lookups{};
  std::array<uint8_t, kTextBlockSize> texts{};  // the 27 terminal text sets
  std::array<uint8_t, kReservedAreaSize> reserved_area{};
  std::array<uint8_t, kSettingsBlockSize> settings{};
  std::array<uint8_t, kWeightBlockSize> weight{};

  bool operator==(const Design&) const = default;
};

inline constexpr int kDesignBlockCount = 10;

// The blocks in project-file order.
inline std::array<Bytes, kDesignBlockCount> DesignBlocks(Design& d) {
  return {d.version_tag, d.reserved_word, d.barcode,       d.menus,    d.forms,
          d.lookups,     d.texts,         d.reserved_area, d.settings, d.weight};
}

// One slot of a terminal text set (set 6 to 32, line from 0) inside a text block.
inline Bytes TextSlot(Bytes text_block, int set, int line) {
  const TextSetShape& shape = TextSetShapeOf(set);
  return text_block.subspan(TextSetOffset(set) + static_cast<size_t>(line * shape.slot_size),
                            static_cast<size_t>(shape.slot_size));
}

inline Bytes TextSlot(Design& d, int set, int line) { return TextSlot(d.texts, set, line); }

}  // namespace q700
