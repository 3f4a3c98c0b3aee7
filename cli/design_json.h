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

nlohmann::ordered_json DesignJson(Design& design, int code_page);

// A design read from JSON: its field values (as far as the bytes hold, whatever the editor
// offers) and its runs of bytes.
struct JsonDesign {
  std::vector<Assignment> fields;
  std::vector<PlacedBytes> runs;
};

// Reads a JSON design, whole or in part. Each problem goes to `problems`, naming its key.
JsonDesign ReadJsonDesign(const nlohmann::ordered_json& json, int code_page,
                          std::vector<std::string>& problems);

// Sets the fields of a JSON design, then what each text's slot holds after the text, then the
// runs. Returns the problems (each naming its field); nothing is changed when there is one.
std::vector<std::string> PutJsonDesign(Design& design, const JsonDesign& json);

// Reads a JSON design from a file ("-" for standard input). Reports every problem (the file, the
// JSON, each bad key) and returns nothing when there is one.
std::optional<JsonDesign> LoadJsonDesign(Context& ctx, const std::string& path, int code_page);

}  // namespace q700::cli
