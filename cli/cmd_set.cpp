// tpq700 set: changes fields of a design by name and saves it.
#include <memory>
#include <utility>
#include <vector>

#include "cli/design_file.h"
#include "model/field_names.h"

namespace q700::cli {

void AddSetCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("set", "Change fields of a design and save it");
  auto file = std::make_shared<std::string>();
  auto assignments = std::make_shared<std::vector<std::string>>();
  cmd->add_option("FILE", *file, "Project file (.TPX), replaced when all is done")->required();
  AddWordList(*cmd, "NAME=VALUE", *assignments,
              "Field assignments; a choice takes its label or its number, a text the escapes "
              "of 'tpq700 show'");
  cmd->footer(
      "Every assignment is checked before anything changes; the file is replaced only when the "
      "new one is complete. The editor's rules that tie fields together are not applied.\n");
  cmd->callback([&ctx, cmd, file, assignments] {
    std::vector<std::pair<const FieldInfo*, std::string>> changes;
    bool malformed = false;
    for (const std::string& a : WordList(*cmd, *assignments)) {
      const size_t eq = a.find('=');
      if (eq == std::string::npos) {
        ctx.Fail("\"" + a + "\" is not NAME=VALUE");
        malformed = true;
        continue;
      }
      const std::string name = a.substr(0, eq);
      const FieldInfo* f = FindField(name);
      if (f == nullptr) {
        ctx.Fail("no field named " + name + " (see 'tpq700 fields')");
        continue;
      }
      std::string value = a.substr(eq + 1);
      if (const auto problem = CheckFieldValue(*f, value)) {
        ctx.Fail(*problem);
        continue;
      }
      changes.emplace_back(f, std::move(value));
    }
    if (malformed) ctx.status = kExitUsage;
    if (ctx.status != kExitOk) return;
    Design design;
    if (!LoadDesignFile(ctx, *file, design, DesignUse::kWrite)) return;
    for (const auto& [f, value] : changes) SetField(*f, design, value);
    SaveDesignFile(ctx, *file, design);
  });
}

}  // namespace q700::cli
