// Collected records split back into the fields of the form that composed them: the layout of a
// form's record read from the design (delimiters, prefixes, suffixes, fixed lengths, extension
// lines, the date and time stamp), and the match of a record against one or several layouts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/design.h"

namespace q700 {

enum class ColumnKind : uint8_t { kField, kDate, kTime };

// One value of a form's records.
struct RecordColumn {
  ColumnKind kind = ColumnKind::kField;
  int line = 0;      // the field's line, 0 to 7
  std::string name;  // the terminal's code page: the prompt, "Date", "Time" or "Field N"
  // How a field's data was fitted: padding comes off by the alignment.
  bool fixed_length = false;
  uint8_t alignment = 0;
  uint8_t type = 0;
  // What the terminal lets a field of any length hold: its minimum and maximum length.
  size_t min_length = 0;
  size_t max_length = kAnyLength;

  static constexpr size_t kAnyLength = static_cast<size_t>(-1);
};

// One stretch of a record in the order the composition writes it.
struct RecordPiece {
  enum class Kind : uint8_t {
    kText,        // these bytes (a prefix, a suffix, a separator, a fixed data line's data)
    kDelimiters,  // the data field delimiters, written only after something else
    kNumber,      // `width` digits from `low` to `high` (a part of the date or time)
    kData,        // a field's data: `width` bytes, or any length when `width` is -1
  };
  Kind kind = Kind::kText;
  std::string text;
  int width = -1;
  int low = 0;
  int high = 0;
  int column = -1;  // the column the stretch belongs to; -1 for none
};

struct RecordLayout {
  int form = 0;  // 1 to 10
  std::vector<RecordColumn> columns;
  std::vector<RecordPiece> pieces;
};

// The layout of form `number` (1 to 10) as the design composes its records.
RecordLayout RecordLayoutOf(const Design& design, int number);

// The forms whose record action keeps records in the terminal's data file and whose record has
// at least one field or a stamp: the forms a received record can come from.
std::vector<int> StoringForms(const Design& design);

// Whether a field of `type` can hold the byte `c` (the terminal's character classes; text and
// lookup data take any byte).
bool FieldAccepts(uint8_t type, char c);

// A field's data with the padding of its fixed length taken off as the alignment says. A number
// field of zeros alone keeps one zero: the value was 0.
std::string UnpadField(const RecordColumn& column, std::string_view data);

struct RecordSplit {
  enum class Outcome {
    kSplit,         // one form fits, in one way
    kNoForm,        // no form fits
    kSeveralForms,  // more than one form fits
    kSeveralWays,   // one form fits, but the record can be cut in more than one way
  };
  Outcome outcome = Outcome::kNoForm;
  size_t layout = 0;                // the layout that fits (kSplit, kSeveralWays)
  std::vector<int> forms;           // the forms that fit (kSeveralForms)
  std::vector<std::string> values;  // kSplit: one per column of the layout, in the code page
};

// Splits `record` (its data bytes, without the line end) by every layout of `layouts`.
RecordSplit SplitRecord(const std::vector<RecordLayout>& layouts, std::string_view record);

// Why a record was not split, for a message: "fits no form", "does not fit form 2", "fits forms
// 2 and 5", "fits form 2 in more than one way".
std::string DescribeUnsplit(const RecordSplit& split, const std::vector<RecordLayout>& layouts);

}  // namespace q700
