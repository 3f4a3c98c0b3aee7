// Converting between UTF-8 (what the tool reads and prints, and what JSON and CSV files hold) and
// the terminal's code page (what the design, lookup files and received records hold), with the
// system's converters. A character that the other side cannot hold stops the conversion: it is
// reported, never replaced.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace q700 {

// The code page the tool assumes when none is given: Windows Western European.
inline constexpr int kDefaultCodePage = 1252;

// Whether the system can convert to and from the Windows code page `code_page` (1250 to 1258,
// 437, 850, 866 and the like).
bool IsSupportedCodePage(int code_page);

struct CodePageConversion {
  std::string text;  // the converted text; up to the failure when there is one
  bool ok = true;
  // Where the first character that could not be converted starts in the input, and its bytes.
  size_t bad_offset = 0;
  std::string bad_character;
};

// UTF-8 text to bytes of the code page. Fails at a character the code page has no byte for, and
// at bytes that are not UTF-8.
CodePageConversion Utf8ToCodePage(std::string_view utf8, int code_page);

// Bytes of the code page to UTF-8. Fails at a byte that the code page leaves undefined.
CodePageConversion CodePageToUtf8(std::string_view bytes, int code_page);

// What each of the 256 bytes of the code page stands for, as UTF-8: every byte below 128 for
// itself; empty for a byte that stands for no character: one the code page leaves undefined, or
// one the system maps to a C1 control character (Windows fills the gaps of 1252 that way, iconv
// refuses them).
std::array<std::string, 256> CodePageCharacters(int code_page);

// The length of the UTF-8 sequence of two or more bytes that starts at `at`; 0 when none does
// (an ASCII byte, or bytes that are not UTF-8).
size_t Utf8SequenceAt(std::string_view text, size_t at);

// Parses a --codepage value: "1252", "cp1252" or "windows-1252" (any case). Nothing when the
// text names no code page the system can convert.
std::optional<int> ParseCodePage(std::string_view text);

}  // namespace q700
