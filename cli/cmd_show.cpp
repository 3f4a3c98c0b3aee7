// tpq700 show: prints every field of a design by name, as text or as one JSON object.
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/codepage_option.h"
#include "cli/design_file.h"
#include "cli/design_json.h"
#include "cli/field_text.h"
#include "model/field_names.h"

namespace q700::cli {

void AddShowCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("show", "Print every field of a design by name");
  auto file = std::make_shared<std::string>();
  auto json = std::make_shared<bool>(false);
  auto code_page = std::make_shared<int>();
  cmd->add_option("FILE", *file, "Project file (.TPX)")->required();
  cmd->add_flag("--json", *json,
                "Print one JSON object of every field and of the bytes no field shows, which "
                "'tpq700 new --from' builds back byte for byte");
  AddCodePageOption(*cmd, *code_page);
  cmd->footer(
      "Lines read NAME=VALUE. Choices show their labels, texts are UTF-8 with the escapes \\\\ "
      "\\r \\n \\t and \\xHH (control characters, and bytes the code page leaves undefined). "
      "With --json, numbers are JSON numbers, labels and texts are strings, and the bytes that no "
      "field shows follow their record as \"RECORD.bytes.OFFSET\": \"HEX\" (runs that are zero "
      "here and in a new design are left out).\n");
  cmd->callback([&ctx, file, json, code_page] {
    Design design;
    if (!LoadDesignFile(ctx, *file, design)) return;
    if (*json) {
      ctx.out << DesignJson(ctx, design, *code_page);
      return;
    }
    for (const FieldInfo& f : DesignFields()) {
      ctx.out << f.name << '=' << ShownValue(f, design, *code_page) << '\n';
    }
  });
}

}  // namespace q700::cli
