// Form record (1,215 bytes): a header, per-field arrays for the 8 lines, and per-form tables.
// Forms are numbered 1 to 10 and stored at indices 0 to 9; lines 1 to 8 at indices 0 to 7.
#pragma once

#include <string>

#include "model/design.h"

namespace q700 {

namespace form_offset {
inline constexpr size_t kFontSize = 0;
inline constexpr size_t kEscapeTarget = 1;
inline constexpr size_t kNextTarget = 2;
inline constexpr size_t kStampPosition = 3;
inline constexpr size_t kStampSplit = 4;
inline constexpr size_t kYearFlag = 5;
inline constexpr size_t kYearDigits = 6;
inline constexpr size_t kMonthFlag = 7;
inline constexpr size_t kDayFlag = 8;
inline constexpr size_t kDateSeparatorFlag = 9;
inline constexpr size_t kDateSeparator = 10;  // 2 bytes
inline constexpr size_t kDateStyle = 12;
inline constexpr size_t kHourFlag = 13;
inline constexpr size_t kMinuteFlag = 14;
inline constexpr size_t kSecondFlag = 15;
inline constexpr size_t kTimeSeparatorFlag = 16;
inline constexpr size_t kTimeSeparator = 17;  // 2 bytes
inline constexpr size_t kRecordAction = 19;
inline constexpr size_t kLookupFile = 20;
// Per-field arrays (one entry per line).
inline constexpr size_t kLookupColumn = 21;
inline constexpr size_t kDataType = 29;
inline constexpr size_t kPrompt = 37;  // 8 x 21
inline constexpr size_t kPromptSize = 21;
inline constexpr size_t kInputSource = 205;
inline constexpr size_t kMinLength = 213;
inline constexpr size_t kMaxLength = 221;
inline constexpr size_t kFixedLengthFlag = 229;
inline constexpr size_t kAlignment = 237;
inline constexpr size_t kFixedLength = 245;
inline constexpr size_t kInitialFlag = 253;
inline constexpr size_t kInitialValue = 261;  // 8 x 10
inline constexpr size_t kPrefixFlag = 341;
inline constexpr size_t kPrefix = 349;  // 8 x 10
inline constexpr size_t kSuffixFlag = 429;
inline constexpr size_t kSuffix = 437;   // 8 x 10
inline constexpr size_t kCodeSize = 10;  // initial value, prefix and suffix slots
inline constexpr size_t kPartialMode = 517;
inline constexpr size_t kPartialStart = 525;
inline constexpr size_t kPartialLength = 533;
inline constexpr size_t kLeadingFlag = 541;
inline constexpr size_t kLeadingCode = 549;  // 8 x 6
inline constexpr size_t kLeadingCodeSize = 6;
inline constexpr size_t kAutoEnter = 597;
inline constexpr size_t kInputMark = 605;
inline constexpr size_t kReservedText = 613;  // 8 x 50
inline constexpr size_t kReservedTextSize = 50;
inline constexpr size_t kLineCount = 1013;
inline constexpr size_t kCurrentLine = 1014;
inline constexpr size_t kCheckDigit = 1015;
inline constexpr size_t kBranch = 1023;  // per function key
inline constexpr size_t kDecimalPlaces = 1027;
inline constexpr size_t kSummationFields = 1035;  // per function key
inline constexpr size_t kSummationSource = 1039;  // per function key
inline constexpr size_t kErrorTarget = 1043;
inline constexpr size_t kRemainsFilter = 1044;   // per function key
inline constexpr size_t kRemainsOptions = 1048;  // per function key
inline constexpr size_t kGs1Code = 1052;         // 8 x 4, no terminator
inline constexpr size_t kGs1CodeSize = 4;
inline constexpr size_t kSpare = 1084;
}  // namespace form_offset

inline constexpr int kFormLines = 8;
inline constexpr int kFunctionKeys = 4;

enum FieldType : uint8_t {
  kTypeNil = 0,
  kTypeText = 1,
  kTypeInteger = 2,
  kTypeReal = 3,
  kTypeLetter = 4,
  kTypeAuto = 5,  // auto(+/-)
  kTypeBoolean = 6,
  kTypeLookup = 7,
  kTypeFixedData = 8,
  kTypePrompt = 9,
  kTypeCounter = 10,
  kTypePassDown = 11,
  kTypeExtension = 12,
  kTypePause = 13,
  kTypeAlphameric = 14,
  kTypeVariable1 = 15,
  kTypeVariable2 = 16,
  kTypeVariable3 = 17,
  kTypeCompare = 18,
};
inline constexpr int kFieldTypeCount = 19;

// Record actions, stamp positions and other choices that the simulator acts on.
inline constexpr uint8_t kActionPassDown = 3;
// "save", "save & update", "save & output record" and "save & output screen" keep the record in
// the terminal's data file, from which the upload sends it.
inline bool StoresRecords(uint8_t record_action) {
  return record_action == 0 || record_action == 2 || record_action == 6 || record_action == 7;
}
inline constexpr uint8_t kStampTop = 1;
inline constexpr uint8_t kStampBottom = 2;
inline constexpr uint8_t kNextTargetErrorForm = 21;

class FormRecord {
 public:
  explicit FormRecord(Bytes bytes) : b_(bytes.first(kFormRecordSize)) {}

  uint8_t& at(size_t offset) { return b_[offset]; }
  // Byte of a per-field array (or per-function-key table) for line (or key) i from 0.
  uint8_t& line(size_t array_offset, int i) { return b_[array_offset + static_cast<size_t>(i)]; }

  uint8_t& font_size() { return b_[form_offset::kFontSize]; }
  uint8_t& escape_target() { return b_[form_offset::kEscapeTarget]; }
  uint8_t& next_target() { return b_[form_offset::kNextTarget]; }
  uint8_t& record_action() { return b_[form_offset::kRecordAction]; }
  uint8_t& line_count() { return b_[form_offset::kLineCount]; }
  uint8_t& current_line() { return b_[form_offset::kCurrentLine]; }

  uint8_t& type(int i) { return line(form_offset::kDataType, i); }
  uint8_t& lookup_column(int i) { return line(form_offset::kLookupColumn, i); }
  uint8_t& input_source(int i) { return line(form_offset::kInputSource, i); }
  uint8_t& min_length(int i) { return line(form_offset::kMinLength, i); }
  uint8_t& max_length(int i) { return line(form_offset::kMaxLength, i); }
  uint8_t& input_mark(int i) { return line(form_offset::kInputMark, i); }
  uint8_t& auto_enter(int i) { return line(form_offset::kAutoEnter, i); }

  Bytes prompt(int i) { return Slot(form_offset::kPrompt, form_offset::kPromptSize, i); }
  Bytes initial_value(int i) { return Slot(form_offset::kInitialValue, form_offset::kCodeSize, i); }
  Bytes prefix(int i) { return Slot(form_offset::kPrefix, form_offset::kCodeSize, i); }
  Bytes suffix(int i) { return Slot(form_offset::kSuffix, form_offset::kCodeSize, i); }
  Bytes leading_code(int i) {
    return Slot(form_offset::kLeadingCode, form_offset::kLeadingCodeSize, i);
  }
  Bytes gs1_code(int i) { return Slot(form_offset::kGs1Code, form_offset::kGs1CodeSize, i); }
  Bytes reserved_text(int i) {
    return Slot(form_offset::kReservedText, form_offset::kReservedTextSize, i);
  }

  // 12 characters per line with the large font, 16 with the small one.
  int line_width() { return font_size() != 0 ? 12 : 16; }
  Bytes bytes() { return b_; }

 private:
  Bytes Slot(size_t offset, size_t size, int i) {
    return b_.subspan(offset + static_cast<size_t>(i) * size, size);
  }
  Bytes b_;
};

// Form `index` (0 to 9) of a form table (the design's or a working copy).
inline FormRecord FormAt(Bytes form_table, int index) {
  return FormRecord(form_table.subspan(static_cast<size_t>(index) * kFormRecordSize));
}
inline FormRecord FormAt(Design& d, int index) { return FormAt(d.forms, index); }

// Types that take typed input: text, integer, real, letter, auto(+/-), boolean.
inline bool IsEntryType(uint8_t type) { return type >= kTypeText && type <= kTypeBoolean; }
// Types whose lookup column may be one of the signed choices.
inline bool HasSignedLookup(uint8_t type) {
  return type == kTypeInteger || type == kTypeReal || type == kTypeAuto ||
         (type >= kTypeVariable1 && type <= kTypeVariable3);
}

// Types that never look anything up: nil, and fixed data to pause.
inline bool WithoutLookup(uint8_t type) {
  return type == kTypeNil || (type >= kTypeFixedData && type <= kTypePause);
}

// Lines whose data can enter the record: the entry types, fixed data, alphameric, the variables
// and lookup lines with "Save field data". The others lose their record details at commit.
bool LineCarriesData(FormRecord form, int i);

// Lines whose data the record composition writes: the input types, fixed data, and lookup lines
// that save their field data.
bool LineInRecord(FormRecord form, int i);

// `data` as the composition stores it for line `i`: cut or filled to the fixed length when the
// line has one (blanks after, blanks before, zeros after or zeros before by the alignment).
std::string FitFixedLength(FormRecord form, int i, const std::string& data);

// The record details of line `i` that a line without data of its own must not keep: the input
// mark, the suffix and prefix (flag and first character), the alignment, the fixed length and its
// flag, and the first character of the initial value.
void ClearRecordDetails(FormRecord form, int i);

// Editor commit, before the working copy is copied into the design: lines that carry no data
// lose their record details.
void ClearUnusedDetails(Bytes form_table);

// Tidy-up of one form shared by the editor commit and the download preparation: the large font
// turns lines 5 to 8 into nil lines; then, for lines 1 to `lines`, lengths are capped at 80, the
// minimum kept at most the maximum, nil and extension lines lose their prompt and lines that
// cannot look anything up lose their lookup column.
void TidyFormLines(FormRecord form, int lines);

// Editor commit, after the copy: the tidy-up, prompts cut to the line width, extension lines
// chained behind their field, nil and extension lines cleared.
void NormaliseCommittedForms(Bytes form_table);

}  // namespace q700
