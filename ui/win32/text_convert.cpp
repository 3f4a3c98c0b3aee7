#include "ui/win32/text_convert.h"

#include <windows.h>

namespace q700::win32 {
namespace {

std::wstring ToWide(UINT code_page, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int n =
      MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  return text;
}

std::string FromWide(UINT code_page, std::wstring_view text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n,
                      nullptr, nullptr);
  return bytes;
}

}  // namespace

std::wstring FromAnsi(std::string_view bytes) { return ToWide(CP_ACP, bytes); }
std::string ToAnsi(std::wstring_view text) { return FromWide(CP_ACP, text); }
std::wstring FromUtf8(std::string_view text) { return ToWide(CP_UTF8, text); }
std::string ToUtf8(std::wstring_view text) { return FromWide(CP_UTF8, text); }

}  // namespace q700::win32
