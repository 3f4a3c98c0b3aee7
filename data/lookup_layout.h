// One lookup file's format as a design defines it, for checking and making lookup files: the
// fields with their places and lengths, the key, the delimiter, the bad-format action and the
// prompt of a form line that shows each field; and what is wrong with the definition itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/lookup_problem.h"
#include "model/design.h"

namespace q700 {

struct LookupField {
  int offset = 1;      // where the field starts in a fixed-length record, from 1
  int length = 0;      // its length; for a delimited record the longest it may be
  std::string prompt;  // UTF-8; empty when no form line shows the field
};

struct LookupLayout {
  int number = 1;         // 1 to 3
  uint8_t delimiter = 0;  // 0: fixed-length records
  int member_length = 0;  // as stored in the design
  int field_count = 0;    // as stored (a byte; more than 8 is a fault of the definition)
  int key_field = 0;      // from 0
  uint8_t bad_format_action = 0;
  // Fields 1 to min(field count, 8).
  std::vector<LookupField> fields;
  // For a delimited record: whether the stored member length and offsets are those that its
  // field lengths give (the editor works them out when the Lookup page applies, `set` does not),
  // and the length of a line of the longest fields.
  bool layout_computed = true;
  int computed_member_length = 0;
  int longest_line = 0;
  // Whether lines can be checked against it: defined, at most 8 fields, the key among them, and
  // a delimiter the terminal sees inside a line (not a carriage return or a line feed).
  bool usable = false;

  bool delimited() const { return delimiter != 0; }
  // The field of a position in a fixed-length line (from 0), from 1; 0 when no field holds it.
  int FixedFieldAt(size_t position) const;
};

// Reads lookup file `number` (1 to 3) of the design; prompts are converted from `code_page`.
LookupLayout ReadLookupLayout(Design& design, int number, int code_page);

// What is wrong with the definition itself (problems of line 0, action kNone).
std::vector<LookupProblem> CheckLookupDefinition(const LookupLayout& layout);

}  // namespace q700
