// File names as the preferences file holds them: bytes in the user's code page (the ANSI code page
// on Windows; the bytes of the name elsewhere), like every other text of the program.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace q700 {

std::string FileNameToText(const std::filesystem::path& path);
std::filesystem::path FileNameFromText(std::string_view text);

}  // namespace q700
