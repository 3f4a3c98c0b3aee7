// Code-page conversion with the system's MultiByteToWideChar and WideCharToMultiByte.
#include <windows.h>

#include <string>

#include "texts/code_page.h"

namespace q700 {
namespace {

size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

// One character of `input` (a UTF-8 sequence, or one byte of a single-byte code page) to UTF-16;
// empty when the character is invalid or undefined.
std::wstring Widen(std::string_view input, UINT from) {
  if (input.empty()) return {};
  const int n = MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, input.data(),
                                    static_cast<int>(input.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, input.data(), static_cast<int>(input.size()),
                      wide.data(), n);
  return wide;
}

// UTF-16 to the code page; nothing when a character has no byte of its own there.
std::optional<std::string> Narrow(const std::wstring& wide, UINT to) {
  if (wide.empty()) return std::string();
  BOOL used_default = FALSE;
  const bool utf8 = to == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int n = WideCharToMultiByte(to, flags, wide.data(), static_cast<int>(wide.size()), nullptr,
                                    0, nullptr, utf8 ? nullptr : &used_default);
  if (n <= 0 || used_default) return std::nullopt;
  std::string narrow(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(to, flags, wide.data(), static_cast<int>(wide.size()), narrow.data(), n,
                      nullptr, nullptr);
  return narrow;
}

// Converts character by character, so the first one that fails is found and named.
CodePageConversion Convert(std::string_view input, UINT from, UINT to) {
  CodePageConversion result;
  const bool utf8 = from == CP_UTF8;
  for (size_t at = 0; at < input.size();) {
    const size_t length =
        utf8 ? Utf8Length(static_cast<unsigned char>(input[at])) : static_cast<size_t>(1);
    const std::string_view character = input.substr(at, length);
    const std::wstring wide = Widen(character, from);
    const std::optional<std::string> narrow = wide.empty() ? std::nullopt : Narrow(wide, to);
    if (!narrow) {
      result.ok = false;
      result.bad_offset = at;
      result.bad_character = std::string(character);
      return result;
    }
    result.text += *narrow;
    at += character.size();
  }
  return result;
}

}  // namespace

bool IsSupportedCodePage(int code_page) {
  if (code_page <= 0 || code_page > 65535) return false;
  CPINFO info;
  return GetCPInfo(static_cast<UINT>(code_page), &info) != FALSE;
}

CodePageConversion Utf8ToCodePage(std::string_view utf8, int code_page) {
  if (!IsSupportedCodePage(code_page)) return {.ok = false};
  return Convert(utf8, CP_UTF8, static_cast<UINT>(code_page));
}

CodePageConversion CodePageToUtf8(std::string_view bytes, int code_page) {
  if (!IsSupportedCodePage(code_page)) return {.ok = false};
  return Convert(bytes, static_cast<UINT>(code_page), CP_UTF8);
}

}  // namespace q700
