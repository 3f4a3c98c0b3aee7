// Every field of every record of a design under a stable dotted name (form.3.line.2.type,
// menu.1.item.4.text, lookup.2.delimiter, settings.upload_port, barcode.code39, weight.prefix,
// texts.main_menu.0), with its type and range, and reading and writing a field by name.
//
// Values are written as numbers or as their choice label. Texts are written with C-style
// escapes: "\\", "\r", "\n", "\t" and "\xHH" for every other byte below 32 or above 126 (bytes
// above 127 can be left as they are, for a caller that converts them from the code page).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/design.h"

namespace q700 {

enum class DesignBlock {
  kVersionTag,
  kReservedWord,
  kBarcode,
  kMenus,
  kForms,
  kLookups,
  kTexts,
  kReservedArea,
  kSettings,
  kWeight
};

enum class FieldKind {
  kNumber,  // an unsigned value in bits of a byte, or a little-endian word
  kChoice,  // a number with a label per value
  kText,    // NUL-terminated text in a slot
  kChars,   // fixed characters without terminator, padded with NUL (a NUL inside shows as \x00)
  kChar,    // one character code, 0 for none
};

struct FieldInfo {
  std::string name;
  DesignBlock block;
  size_t offset;  // in the block
  FieldKind kind;
  uint8_t bit_low = 0;
  uint8_t bit_width = 8;
  bool word = false;  // a 16-bit little-endian value
  size_t size = 1;    // slot size of a text, count of characters of kChars
  int min = 0;
  int max = 255;
  int excluded = -1;                // a value in the range that is refused (13 for delimiters)
  std::vector<std::string> labels;  // choice labels, value = position
  std::string charset;              // allowed characters of a text, empty for any
  bool read_only = false;
  // A choice stored `raise` higher while the flag at `raised_while` (an offset in the same block)
  // is set; the labels offered then are those from position `raise` on.
  std::optional<size_t> raised_while;
  int raise = 0;
};

// How far a value may go: as far as the editor lets a user go (the command line), or as far as
// the bytes can hold (a design written out in full and read back, whatever the file held).
enum class ValueLimits { kEditor, kStored };

// Bytes above 127 in a shown text: escaped as \xHH, or left as they are.
enum class HighBytes { kEscaped, kRaw };

// The bytes of one block of a design.
Bytes DesignBlockBytes(Design& design, DesignBlock block);

// The table of every field, in design order.
const std::vector<FieldInfo>& DesignFields();
const FieldInfo* FindField(std::string_view name);

// The type and range, such as "number 0..80", "choice nil|text|...", "text max 16".
std::string DescribeField(const FieldInfo& field);

// The value as it is written: a number, a label or an escaped text.
std::string FormatField(const FieldInfo& field, Design& design,
                        HighBytes high = HighBytes::kEscaped);
// The raw number of a numeric field (number, choice or character).
unsigned FieldNumber(const FieldInfo& field, Design& design);

// Checks `value` for the field; returns an error message naming the field and what it accepts,
// or nothing when the value is good. Nothing is changed.
//
// A choice takes a label written exactly (blanks tidied), else the one label that matches when
// case is ignored, else its number.
std::optional<std::string> CheckFieldValue(const FieldInfo& field, std::string_view value,
                                           ValueLimits limits = ValueLimits::kEditor);
// What CheckFieldValue cannot see alone: a choice whose labels depend on another field of the
// design (the no-match action under "Only read data once").
std::optional<std::string> CheckFieldInDesign(const FieldInfo& field, Design& design,
                                              std::string_view value);
// Sets a field from a value that the checks accepted. A field that depends on another one is
// set after it (see SetFieldsInOrder).
void SetField(const FieldInfo& field, Design& design, std::string_view value);

// The order in which to set fields so that each sees the fields it depends on: the positions of
// `fields`, stable, with the dependent ones last.
std::vector<size_t> SetOrder(const std::vector<const FieldInfo*>& fields);

// Whether two designs hold the same value of a field: the same bits, and for a text the same
// text (what its slot holds after the text is no part of the value).
bool SameFieldValue(const FieldInfo& field, Design& a, Design& b);

// The bytes a field's value lives in: a word's two, a text's or characters' slot, else one.
size_t FieldWidth(const FieldInfo& field);
// The bits of byte `i` (0 to FieldWidth - 1) of the field that its value lives in.
uint8_t FieldBitMask(const FieldInfo& field, size_t i);

// A choice label as the built-in text with its blanks tidied: "form  " and 3 give "form 3".
std::string TidyLabel(std::string_view text);

// Text escapes used by field values.
std::string EscapeText(std::string_view bytes, HighBytes high = HighBytes::kEscaped);
std::optional<std::string> UnescapeText(std::string_view text);

}  // namespace q700
