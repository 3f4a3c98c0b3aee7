// The --codepage option of the commands that read or print the texts of a design or of the
// user's data: text on the command line, in JSON and in CSV is UTF-8, in the design and on the
// terminal it is bytes of the terminal's code page.
#pragma once

#include <CLI/CLI.hpp>

namespace q700::cli {

// Adds --codepage to a command: "1252", "cp1251", "windows-1250", .. (default 1252). A value
// that names no code page the system converts is bad usage. `code_page` must outlive the parse.
CLI::Option* AddCodePageOption(CLI::App& command, int& code_page);

}  // namespace q700::cli
