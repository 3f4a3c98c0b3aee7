// The code-page names that the tool accepts, what the bytes of a code page stand for, and
// UTF-8 sequences.
#include "texts/code_page.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <map>
#include <mutex>
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

size_t Utf8SequenceAt(std::string_view text, size_t at) {
  if (at >= text.size()) return 0;
  const auto lead = static_cast<uint8_t>(text[at]);
  size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((static_cast<uint8_t>(text[at + i]) & 0xC0) != 0x80) return 0;
  }
  const auto second = static_cast<uint8_t>(text[at + 1]);
  // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
    return 0;
  }
  return length;
}

std::array<std::string, 256> CodePageCharacters(int code_page) {
  // Asking the system costs a converter per byte; a code page's table never changes.
  static std::mutex mutex;
  static std::map<int, std::array<std::string, 256>> tables;
  const std::lock_guard<std::mutex> lock(mutex);
  if (const auto found = tables.find(code_page); found != tables.end()) return found->second;
  std::array<std::string, 256>& characters = tables[code_page];
  for (int byte = 0; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    if (byte < 0x80) {
      characters[byte] = one;
      continue;
    }
    const CodePageConversion utf8 = CodePageToUtf8(one, code_page);
    // U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F in UTF-8.
    const bool c1_control = utf8.text.size() == 2 && static_cast<uint8_t>(utf8.text[0]) == 0xC2 &&
                            static_cast<uint8_t>(utf8.text[1]) < 0xA0;
    if (utf8.ok && !c1_control) characters[byte] = utf8.text;
  }
  return characters;
}

}  // namespace q700
