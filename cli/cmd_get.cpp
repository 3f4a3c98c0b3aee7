// tpq700 get: prints the values of fields of a design, one per line.
#include <memory>
#include <ostream>
#include <vector>

#include "cli/design_file.h"
#include "model/field_names.h"

namespace q700::cli {

void AddGetCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("get", "Print fields of a design, one value per line");
  auto file = std::make_shared<std::string>();
  auto names = std::make_shared<std::vector<std::string>>();
  cmd->add_option("FILE", *file, "Project file (.TPX)")->required();
  AddWordList(*cmd, "NAME", *names, "Field names (see 'tpq700 fields')");
  cmd->callback([&ctx, cmd, file, names] {
    std::vector<const FieldInfo*> fields;
    for (const std::string& name : WordList(*cmd, *names)) {
      const FieldInfo* f = FindField(name);
      if (f == nullptr) ctx.Fail("no field named " + name + " (see 'tpq700 fields')");
      fields.push_back(f);
    }
    if (ctx.status != kExitOk) return;
    Design design;
    if (!LoadDesignFile(ctx, *file, design)) return;
    for (const FieldInfo* f : fields) ctx.out << FormatField(*f, design) << '\n';
  });
}

}  // namespace q700::cli
