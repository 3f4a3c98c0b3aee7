// Replacing a file so that it is never left cut short: the new contents go to a temporary file in
// the same folder, are flushed to the disk, and only then take the old file's place. On any
// failure the old file stays as it was and the temporary file is removed.
#pragma once

#include <filesystem>
#include <string>

#include "base/bytes.h"

namespace q700 {

// Returns false and a reason in `error` (when given) on failure: the file or folder and what the
// system said ("/data/a.TPX: Permission denied").
bool ReplaceFileContents(const std::filesystem::path& path, ConstBytes contents,
                         std::string* error = nullptr);

}  // namespace q700
