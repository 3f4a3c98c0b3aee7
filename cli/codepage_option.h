// The --codepage option of the commands that turn text of the terminal's code page into UTF-8 or
// back: a Windows code page by number or name, 1252 when not given.
#pragma once

#include <CLI/CLI.hpp>

namespace q700::cli {

// Adds --codepage to `command`; `code_page` holds kDefaultCodePage until the option is given and
// must outlive the parse. A name the system cannot convert is a usage error.
CLI::Option* AddCodePageOption(CLI::App& command, int& code_page);

}  // namespace q700::cli
