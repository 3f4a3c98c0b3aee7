// Small rules the pages share about the values behind their controls: whether a list position
// names an entry, and turning a flag byte over.
#pragma once

#include <cstddef>
#include <cstdint>

namespace q700::editor {

// True when `position` names one of `count` list entries (lists report -1 for no selection).
inline bool InRange(int position, int count) { return position >= 0 && position < count; }
inline bool InRange(int position, size_t count) {
  return position >= 0 && static_cast<size_t>(position) < count;
}

// A flag byte turned over: any non-zero value counts as set.
inline uint8_t Toggled(uint8_t flag) { return flag != 0 ? 0 : 1; }

}  // namespace q700::editor
