// tpq700 check: what a terminal cannot use in a design, by the field to change.
#include <memory>
#include <ostream>

#include "cli/check_report.h"
#include "cli/design_file.h"
#include "model/design_check.h"

namespace q700::cli {

void AddCheckCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("check", "Check a design before it goes to a terminal");
  auto file = std::make_shared<std::string>();
  cmd->add_option("FILE", *file, "Project file (.TPX)")->required();
  cmd->footer(
      "Prints one line per finding, \"FILE: error: FIELD: ...\" or \"FILE: warning: ...\", "
      "naming the field to change: menu items, Esc keys and next steps that lead to a form "
      "without a line or a menu without an item, lookup lines without a defined lookup file, "
      "delimited lookup layouts not worked out, minimum lengths above the maximum, prompts and "
      "texts wider than the terminal shows them. Only the menus and forms that the terminal can "
      "reach from its start are checked. Exit status 1 when there is an error, 0 otherwise; "
      "'tpq700 download' runs the same check.\n");
  cmd->callback([&ctx, file] {
    auto design = std::make_unique<Design>();
    if (!LoadDesignFile(ctx, *file, *design)) return;
    const std::vector<Finding> findings = CheckDesign(*design);
    PrintFindings(ctx.out, *file, findings);
    if (findings.empty()) {
      ctx.out << *file << ": no problems found\n";
      return;
    }
    ctx.out << *file << ": " << CountFindings(findings) << "\n";
    if (HasErrors(findings)) ctx.status = kExitFailed;
  });
}

}  // namespace q700::cli
