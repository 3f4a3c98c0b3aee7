// Edit box rules shared by the editor pages.
#include "editor/edit_text.h"

#include <limits>

namespace q700::editor {

std::optional<unsigned> ParseUnsigned(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  const size_t last = text.find_last_not_of(' ');
  const std::string_view digits = text.substr(first, last - first + 1);
  constexpr unsigned kMax = std::numeric_limits<unsigned>::max();
  unsigned value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    const unsigned digit = static_cast<unsigned>(c - '0');
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  return value;
}

NumberEntry ReadNumberOr(std::string_view text, unsigned fallback) {
  NumberEntry entry;
  const std::optional<unsigned> number = ParseUnsigned(text);
  if (number) {
    entry.value = *number;
  } else {
    entry.value = fallback;
    if (!text.empty()) entry.rewrite = NumberText(fallback);
  }
  return entry;
}

NumberEntry ReadNumberEntry(std::string_view text, unsigned max) {
  NumberEntry entry = ReadNumberOr(text, 0);
  if (entry.rewrite) return entry;
  if (entry.value > max) {
    entry.value = max;
    entry.rewrite = NumberText(max);
  }
  return entry;
}

TextEntry ReadTextEntry(std::string_view text, size_t max) {
  TextEntry entry;
  entry.text = std::string(text.substr(0, max));
  if (text.size() > max) entry.rewrite = entry.text;
  return entry;
}

}  // namespace q700::editor
