// Small pieces that describe a dialog's controls to a front end: the checked state of its
// buttons.
#pragma once

#include <vector>

namespace q700::editor {

// A check box or radio button by control id and whether it shows as checked.
struct ButtonState {
  int control = 0;
  bool checked = false;
  bool operator==(const ButtonState&) const = default;
};
using ButtonStates = std::vector<ButtonState>;

// Whether `control` is listed as checked; false for a control that is not listed.
inline bool IsChecked(const ButtonStates& states, int control) {
  for (const ButtonState& s : states) {
    if (s.control == control) return s.checked;
  }
  return false;
}

}  // namespace q700::editor
