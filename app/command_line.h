// The project file named on the program's command line, as a file type's "open" passes it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace q700 {

// The file named by the command line's arguments (the text after the program's name): one path,
// in quotes when it holds blanks. Unquoted, the whole text counts, so that a path with blanks
// passed without quotes still names its file. Nothing for an empty command line.
std::optional<std::wstring> ProjectNamedOnCommandLine(std::wstring_view arguments);

}  // namespace q700
