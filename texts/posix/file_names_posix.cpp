// File names on POSIX systems: a name is its bytes.
#include "texts/file_names.h"

namespace q700 {

std::string FileNameToText(const std::filesystem::path& path) { return path.native(); }

std::filesystem::path FileNameFromText(std::string_view text) {
  return std::filesystem::path(std::string(text));
}

}  // namespace q700
