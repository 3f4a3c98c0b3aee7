// tpq700 fields: lists every field name of a design with its type and range.
#include <memory>
#include <ostream>
#include <string_view>

#include "cli/command.h"
#include "model/field_names.h"

namespace q700::cli {
namespace {

// Whole parts of the name: "menu.1" takes menu.1.font, not menu.10.font.
bool StartsWithParts(std::string_view name, std::string_view prefix) {
  if (prefix.empty()) return true;
  if (name.substr(0, prefix.size()) != prefix) return false;
  return name.size() == prefix.size() || prefix.back() == '.' || name[prefix.size()] == '.';
}

}  // namespace

void AddFieldsCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("fields", "List every field name with its type and range");
  auto filter = std::make_shared<std::string>();
  cmd->add_option("PREFIX", *filter,
                  "Only fields whose name starts with PREFIX, taken as whole parts (menu.1 lists "
                  "menu 1, not menu 10)");
  cmd->callback([&ctx, filter] {
    for (const FieldInfo& f : DesignFields()) {
      if (!StartsWithParts(f.name, *filter)) continue;
      ctx.out << f.name << '\t' << DescribeField(f) << '\n';
    }
  });
}

}  // namespace q700::cli
