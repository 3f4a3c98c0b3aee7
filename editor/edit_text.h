// Rules for what an edit box of an editor page holds after the user changed it: numbers read
// from text, clamped, and texts cut to a length, with the text to write back when it was corrected.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace q700::editor {

// The text that the page puts back into an edit box after correcting what the user typed;
// empty when the box already shows the right text.
using EditRewrite = std::optional<std::string>;

// An unsigned decimal number: digits only, blanks allowed around them. Values beyond the range
// of `unsigned` saturate, so a long run of digits still counts as a (large) number. Nothing for
// an empty text or any other character.
std::optional<unsigned> ParseUnsigned(std::string_view text);

struct NumberEntry {
  unsigned value = 0;   // what the page stores
  EditRewrite rewrite;  // what the box must show instead of the typed text
};

// A number box whose text, when it is not a number, stands for `fallback` and, unless it is
// empty, is replaced by it. Numbers are taken as they are.
NumberEntry ReadNumberOr(std::string_view text, unsigned fallback);

// A number box limited to `max`: text that is not a number counts as 0 and, unless it is empty,
// is replaced by "0"; a number above `max` becomes `max` and is written back.
NumberEntry ReadNumberEntry(std::string_view text, unsigned max);

struct TextEntry {
  std::string text;  // what the page stores
  EditRewrite rewrite;
};

// A text box limited to `max` characters: a longer text is cut and written back.
TextEntry ReadTextEntry(std::string_view text, size_t max);

// The text a number box shows for a stored value.
inline std::string NumberText(unsigned value) { return std::to_string(value); }

// Writing a correction into a box is a new change of that box, which its rule checks again. The
// front end ignores the notifications of its own writes, so the page runs the rule on each text
// it writes back until the rule is content, and reports the last text once. `rule` takes the
// box's text, updates the page and returns its correction.
template <typename Rule>
EditRewrite SettleEdit(std::string_view text, Rule&& rule) {
  constexpr int kMaxRounds = 16;  // rules settle in a few rounds; this only stops a loop
  EditRewrite last;
  std::string current(text);
  for (int round = 0; round < kMaxRounds; ++round) {
    EditRewrite next = rule(std::string_view(current));
    if (!next || *next == current) break;
    current = *next;
    last = std::move(next);
  }
  return last;
}

}  // namespace q700::editor
