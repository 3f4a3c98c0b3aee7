// tpq700 get: prints the values of fields of a design, one per line.
#include <memory>
#include <ostream>
#include <vector>

#include "cli/codepage_option.h"
#include "cli/design_file.h"
#include "cli/field_text.h"
#include "model/field_names.h"

namespace q700::cli {

void AddGetCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("get", "Print fields of a design, one value per line");
  auto file = std::make_shared<std::string>();
  auto names = std::make_shared<std::vector<std::string>>();
  auto code_page = std::make_shared<int>();
  cmd->add_option("FILE", *file, "Project file (.TPX)")->required();
  AddCodePageOption(*cmd, *code_page);
  AddWordList(*cmd, "NAME", *names, "Field names (see 'tpq700 fields')");
  cmd->callback([&ctx, cmd, file, names, code_page] {
    std::vector<const FieldInfo*> fields;
    for (const std::string& name : WordList(*cmd, *names)) {
      const FieldInfo* f = FindField(name);
      if (f == nullptr) ctx.Fail("no field named " + name + " (see 'tpq700 fields')");
      fields.push_back(f);
    }
    if (ctx.status != kExitOk) return;
    Design design;
    if (!LoadDesignFile(ctx, *file, design)) return;
    for (const FieldInfo* f : fields) ctx.out << ShownValue(*f, design, *code_page) << '\n';
  });
}

}  // namespace q700::cli
