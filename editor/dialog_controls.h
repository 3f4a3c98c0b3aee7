// Small pieces that describe a dialog's controls to a front end: the checked state of its buttons,
// the language ids its labels take, and the text of a label that the dialog changes itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "texts/text_loader.h"

namespace q700::editor {

inline constexpr int kOkButton = 1;
inline constexpr int kCancelButton = 2;
inline constexpr int kOkLabelId = 1218;
inline constexpr int kCancelLabelId = 1219;

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

// A control whose text is replaced by a language entry when a language is active.
struct ControlLabel {
  int control = 0;
  int language_id = 0;
  bool operator==(const ControlLabel&) const = default;
};

// What a dialog relabels when it is created.
struct DialogLabels {
  int title_id = 0;
  std::vector<ControlLabel> controls;
};

// The text of a label the dialog sets itself: the language entry when a language is active and
// defines one, otherwise the built-in text.
inline std::string LabelText(const TextLoader& texts, int language_id, std::string_view built_in) {
  const std::string_view label = texts.Label(language_id);
  return std::string(label.empty() ? built_in : label);
}

}  // namespace q700::editor
