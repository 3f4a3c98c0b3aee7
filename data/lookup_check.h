// Checking a lookup file before it goes to the terminal: every line against the definition of its
// lookup file in the design (fields, lengths, the key), and the faults that need no design (lines
// too long for a record, text the terminal's code page cannot show, line ends the terminal does
// not see, a byte-order mark).
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "data/lookup_layout.h"
#include "data/lookup_problem.h"

namespace q700 {

struct LookupCheck {
  size_t lines = 0;                     // the lines of the file, counted as an editor counts them
  std::vector<LookupProblem> problems;  // the definition's first, then by line
};

// Reads the file as the terminal does: a carriage return ends a line (a line feed beside it
// belongs to that line end) and the last line needs none. A line feed with no carriage return
// beside it ends no line for the terminal, which would join the lines around it; it is reported,
// and the lines are checked as an editor shows them. Without a layout only the checks that need
// no design run; with one whose definition is faulty, its faults are reported and the lines are
// checked against it only as far as it allows. Text is taken as bytes of `code_page`.
LookupCheck CheckLookupFile(std::string_view file, const LookupLayout* layout, int code_page);

}  // namespace q700
