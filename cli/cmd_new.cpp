// tpq700 new: writes a new design, as New and Save would.
#include <filesystem>
#include <memory>

#include "cli/design_file.h"

namespace q700::cli {

void AddNewCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("new", "Write a new design to a project file");
  auto file = std::make_shared<std::string>();
  auto force = std::make_shared<bool>(false);
  cmd->add_option("FILE", *file, "Project file to write (.TPX)")->required();
  cmd->add_flag("-f,--force", *force, "Replace the file when it exists");
  cmd->footer("An existing file is kept unless --force is given.\n");
  cmd->callback([&ctx, file, force] {
    std::error_code ec;
    if (!*force && std::filesystem::exists(*file, ec)) {
      ctx.Fail(*file + " exists; use --force to replace it");
      return;
    }
    Design design;
    NewDesign(ctx, design);
    SaveDesignFile(ctx, *file, design);
  });
}

}  // namespace q700::cli
