// The code-page names that the tool accepts.
#include "texts/code_page.h"

#include <cctype>
#include <charconv>
#include <string>

namespace q700 {

std::optional<int> ParseCodePage(std::string_view text) {
  std::string lower;
  for (char c : text)
    lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  std::string_view digits = lower;
  for (std::string_view prefix : {"windows-", "cp"}) {
    if (digits.substr(0, prefix.size()) == prefix) {
      digits.remove_prefix(prefix.size());
      break;
    }
  }
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) {
    return std::nullopt;
  }
  if (!IsSupportedCodePage(number)) return std::nullopt;
  return number;
}

}  // namespace q700
