#include "base/bytes.h"

#include <algorithm>

namespace q700 {

size_t SlotTextLength(ConstBytes slot) {
  const auto nul = std::find(slot.begin(), slot.end(), uint8_t{0});
  return static_cast<size_t>(nul - slot.begin());
}

std::string SlotText(ConstBytes slot) {
  return std::string(AsChars(slot.first(SlotTextLength(slot))));
}

void SetSlotText(Bytes slot, std::string_view text) {
  if (slot.empty()) return;
  const size_t length = std::min(text.size(), slot.size() - 1);
  std::copy_n(text.begin(), length, slot.begin());
  slot[length] = 0;
}

void CutSlotText(Bytes slot, size_t max_length) {
  if (max_length < slot.size() && SlotTextLength(slot) > max_length) slot[max_length] = 0;
}

}  // namespace q700
