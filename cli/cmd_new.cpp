// tpq700 new: writes a new design, as New and Save would, or builds one from its JSON.
#include <filesystem>
#include <memory>

#include "cli/codepage_option.h"
#include "cli/design_file.h"
#include "cli/design_json.h"

namespace q700::cli {

void AddNewCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("new", "Write a new design to a project file");
  auto file = std::make_shared<std::string>();
  auto from = std::make_shared<std::string>();
  auto force = std::make_shared<bool>(false);
  auto code_page = std::make_shared<int>();
  cmd->add_option("FILE", *file, "Project file to write (.TPX)")->required();
  cmd->add_option("--from", *from,
                  "Build the design from JSON as 'tpq700 show --json' writes it (\"-\": standard "
                  "input); what it leaves out keeps the values of a new design")
      ->type_name("FILE");
  AddCodePageOption(*cmd, *code_page);
  cmd->add_flag("-f,--force", *force, "Replace the file when it exists");
  cmd->footer(
      "An existing file is kept unless --force is given. --from takes every value as the bytes "
      "hold it, without the editor's rules: the JSON of a design gives that design back byte "
      "for byte ('tpq700 check' tells what a terminal cannot use).\n");
  cmd->callback([&ctx, file, from, force, code_page] {
    std::error_code ec;
    if (!*force && std::filesystem::exists(*file, ec)) {
      ctx.Fail(*file + " exists; use --force to replace it");
      return;
    }
    auto design = std::make_unique<Design>();
    NewDesign(ctx, *design);
    if (!from->empty()) {
      const std::optional<JsonDesign> json = LoadJsonDesign(ctx, *from, *code_page);
      if (!json) return;
      for (const std::string& problem : PutJsonDesign(*design, *json))
        ctx.Fail(*from + ": " + problem);
      if (ctx.status != kExitOk) return;
    }
    SaveDesignFile(ctx, *file, *design);
  });
}

}  // namespace q700::cli
