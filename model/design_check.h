// The check of a design before it goes to a terminal: what leads nowhere (a menu item, an Esc
// key or a form's next step to a form without a line or a menu without an item), lookups that
// cannot work (a lookup line without a defined lookup file, a delimited layout not worked out),
// lines that can never be completed, and texts wider than the terminal shows them. Each finding
// names the field to change.
#pragma once

#include <string>
#include <vector>

#include "model/design.h"

namespace q700 {

enum class Severity {
  kError,    // the terminal cannot use the design as it stands
  kWarning,  // the terminal works, but not as the design reads
};

struct Finding {
  Severity severity;
  std::string field;  // the field to change, by name
  std::string message;
};

// The findings, errors and warnings mixed, in the order of the design: the start, the menus and
// forms the terminal can reach, the lookups, the settings and the terminal texts.
std::vector<Finding> CheckDesign(Design& design);

// Whether any finding is an error.
bool HasErrors(const std::vector<Finding>& findings);

}  // namespace q700
