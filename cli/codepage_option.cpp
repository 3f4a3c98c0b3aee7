// The --codepage option.
#include "cli/codepage_option.h"

#include <string>

#include "texts/code_page.h"

namespace q700::cli {

CLI::Option* AddCodePageOption(CLI::App& command, int& code_page) {
  code_page = kDefaultCodePage;
  return command
      .add_option_function<std::string>(
          "--codepage",
          [&code_page](const std::string& value) { code_page = *ParseCodePage(value); },
          "The terminal's code page: 1252 (default, Western European), 1251 (Cyrillic), 1250 "
          "and the like, as a number, cpNNNN or windows-NNNN")
      ->check(CLI::Validator(
          [](std::string& value) {
            return ParseCodePage(value) ? std::string()
                                        : "'" + value + "' is no code page this system converts";
          },
          "CODEPAGE"));
}

}  // namespace q700::cli
