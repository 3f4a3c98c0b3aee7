// tpq700 fields: lists every field name of a design with its type and range.
#include <memory>
#include <ostream>

#include "cli/command.h"
#include "model/field_names.h"

namespace q700::cli {

void AddFieldsCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("fields", "List every field name with its type and range");
  auto filter = std::make_shared<std::string>();
  cmd->add_option("PREFIX", *filter, "Only fields whose name starts with PREFIX");
  cmd->callback([&ctx, filter] {
    for (const FieldInfo& f : DesignFields()) {
      if (f.name.rfind(*filter, 0) != 0) continue;
      ctx.out << f.name << '\t' << DescribeField(f) << '\n';
    }
  });
}

}  // namespace q700::cli
