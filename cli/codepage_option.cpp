// The shared --codepage option.
#include "cli/codepage_option.h"

#include <string>

#include "texts/code_page.h"

namespace q700::cli {

CLI::Option* AddCodePageOption(CLI::App& command, int& code_page) {
  code_page = kDefaultCodePage;
  CLI::Validator known(
      [](std::string& value) -> std::string {
        const std::optional<int> parsed = ParseCodePage(value);
        if (!parsed) return "no code page named " + value + " that the system can convert";
        value = std::to_string(*parsed);
        return {};
      },
      "");
  return command
      .add_option("--codepage", code_page,
                  "The terminal's code page of the design's texts (1252, 1251, cp1250, ...); "
                  "texts given and printed are UTF-8")
      ->transform(known)
      ->type_name("CODEPAGE")
      ->default_str(std::to_string(kDefaultCodePage));
}

}  // namespace q700::cli
