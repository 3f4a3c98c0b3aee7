// A design as one JSON object: every field by name, read-only ones included, and the bytes that
// no field shows in runs of hex under their record ("menu.1.bytes.250": "00FF..."), so that the
// design can be built back byte for byte. Texts are UTF-8.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "cli/assignments.h"
#include "cli/command.h"
#include "model/design.h"
#include "model/unnamed_bytes.h"

namespace q700::cli {

// Every field, and the runs of bytes that no field shows and that are not zero here or in a new
// design (which 'new --from' starts from): the text of one JSON object, two blanks of indent, a
// key a line, in design order.
std::string DesignJson(Context& ctx, Design& design, int code_page);

// A design read from JSON: its field values (as far as the bytes hold, whatever the editor
// offers) and its runs of bytes.
struct JsonDesign {
  std::vector<Assignment> fields;
  std::vector<PlacedBytes> runs;
};

// Reads a JSON design, whole or in part. Each problem goes to `problems`, naming its key.
JsonDesign ReadJsonDesign(const nlohmann::json& json, int code_page,
                          std::vector<std::string>& problems);

// Sets the fields of a JSON design, then what each text's slot holds after the text, then the
// runs. Returns the problems (each naming its field); nothing is changed when there is one.
std::vector<std::string> PutJsonDesign(Design& design, const JsonDesign& json);

// Reads a JSON design from a file ("-" for standard input). Reports every problem (the file, the
// JSON, each bad key) and returns nothing when there is one.
std::optional<JsonDesign> LoadJsonDesign(Context& ctx, const std::string& path, int code_page);

}  // namespace q700::cli
