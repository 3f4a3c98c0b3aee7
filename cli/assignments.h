// Field assignments of the design commands: NAME=VALUE words of the command line and the keys of
// a design in JSON, checked first and then set in an order in which each field sees the fields it
// depends on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/design.h"
#include "model/field_names.h"

namespace q700::cli {

// One field's value for the design: in the design's code page, with the escapes of the field's
// reader.
struct Assignment {
  const FieldInfo* field;
  std::string value;
};

// Reads a NAME=VALUE word. Nothing, with `error` set, for an unknown field or a value that the
// field does not take; `malformed` tells a word without "=".
std::optional<Assignment> ParseAssignmentWord(std::string_view word, int code_page,
                                              std::string& error, bool& malformed);

// Sets every assignment, the ones that depend on other fields last (and checked against what
// the design holds by then). The problems found on the way, each naming its field; nothing is
// set when there is one.
std::vector<std::string> SetAssignments(Design& design, const std::vector<Assignment>& assignments);

// The fields whose values differ between two designs, in table order.
std::vector<const FieldInfo*> ChangedFields(Design& before, Design& after);

}  // namespace q700::cli
