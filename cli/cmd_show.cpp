// tpq700 show: prints every field of a design by name, as text or as one JSON object.
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/design_file.h"
#include "model/field_names.h"

namespace q700::cli {
namespace {

nlohmann::ordered_json FieldJson(const FieldInfo& field, Design& design) {
  switch (field.kind) {
    case FieldKind::kNumber:
      return FieldNumber(field, design);
    case FieldKind::kChoice: {
      // A value without a label (from a damaged or foreign file) stays a number.
      const unsigned value = FieldNumber(field, design);
      if (value >= field.labels.size()) return value;
      return field.labels[value];
    }
    case FieldKind::kText:
    case FieldKind::kChars:
    case FieldKind::kChar:
      break;
  }
  // Escaped texts are plain ASCII, whatever the code page of the design.
  return FormatField(field, design);
}

}  // namespace

void AddShowCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("show", "Print every field of a design by name");
  auto file = std::make_shared<std::string>();
  auto json = std::make_shared<bool>(false);
  cmd->add_option("FILE", *file, "Project file (.TPX)")->required();
  cmd->add_flag("--json", *json, "Print one JSON object keyed by field name");
  cmd->footer(
      "Lines read NAME=VALUE. Choices show their labels, texts use the escapes \\\\ \\r \\n \\t "
      "and \\xHH. With --json, numbers are JSON numbers and labels and texts are strings.\n");
  cmd->callback([&ctx, file, json] {
    Design design;
    if (!LoadDesignFile(ctx, *file, design)) return;
    if (*json) {
      nlohmann::ordered_json object = nlohmann::ordered_json::object();
      for (const FieldInfo& f : DesignFields()) object[f.name] = FieldJson(f, design);
      ctx.out << object.dump(2) << "\n";
      return;
    }
    for (const FieldInfo& f : DesignFields()) {
      ctx.out << f.name << '=' << FormatField(f, design) << '\n';
    }
  });
}

}  // namespace q700::cli
