// tpq700 convert: reads a project file of any accepted header and revision and writes it in the
// current format.
#include <memory>

#include "cli/design_file.h"

namespace q700::cli {

void AddConvertCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("convert", "Write a project file in the current format");
  auto in = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  cmd->add_option("IN", *in, "Project file to read (current or old header, any revision)")
      ->required();
  cmd->add_option("OUT", *out, "Project file to write (may be IN itself)")->required();
  cmd->footer("An older design is upgraded as the program does, with its warning on stderr.\n");
  cmd->callback([&ctx, in, out] {
    Design design;
    if (!LoadDesignFile(ctx, *in, design, DesignUse::kWrite)) return;
    SaveDesignFile(ctx, *out, design);
  });
}

}  // namespace q700::cli
