// Conversions at the control boundary: design and language texts are bytes in the user's ANSI
// code page, program literals are UTF-8, and the W API takes UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace q700::win32 {

std::wstring FromAnsi(std::string_view bytes);
std::string ToAnsi(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);
std::string ToUtf8(std::wstring_view text);

}  // namespace q700::win32
