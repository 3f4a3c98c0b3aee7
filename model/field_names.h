// Every field of every record of a design under a stable dotted name (form.3.line.2.type,
// menu.1.item.4.text, lookup.2.delimiter, settings.upload_port, barcode.code39, weight.prefix,
// texts.main_menu.0), with its type and range, and reading and writing a field by name.
//
// Values are written as numbers or as their choice label. Texts are written with C-style
// escapes: "\\", "\r", "\n", "\t" and "\xHH" for every other byte below 32 or above 126, so a
// value stays printable whatever code page the design's texts are in.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/design.h"

namespace q700 {

enum class DesignBlock {
  kVersionTag,
  kBarcode,
  kMenus,
  kForms,
  kLookups,
  kTexts,
  kSettings,
  kWeight
};

enum class FieldKind {
  kNumber,  // an unsigned value in bits of a byte, or a little-endian word
  kChoice,  // a number with a label per value
  kText,    // NUL-terminated text in a slot
  kChars,   // fixed characters without terminator, padded with NUL
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
};

// The bytes of one block of a design.
Bytes DesignBlockBytes(Design& design, DesignBlock block);

// The table of every field, in design order.
const std::vector<FieldInfo>& DesignFields();
const FieldInfo* FindField(std::string_view name);

// The type and range, such as "number 0..80", "choice nil|text|...", "text max 16".
std::string DescribeField(const FieldInfo& field);

// The value as it is written: a number, a label or an escaped text.
std::string FormatField(const FieldInfo& field, Design& design);
// The raw number of a numeric field (number, choice or character).
unsigned FieldNumber(const FieldInfo& field, Design& design);

// Checks `value` for the field; returns an error message naming the field and what it accepts,
// or nothing when the value is good. Nothing is changed.
std::optional<std::string> CheckFieldValue(const FieldInfo& field, std::string_view value);
// Sets a field from a value that CheckFieldValue accepted.
void SetField(const FieldInfo& field, Design& design, std::string_view value);

// A choice label as the built-in text with its blanks tidied: "form  " and 3 give "form 3".
std::string TidyLabel(std::string_view text);

// Text escapes used by field values.
std::string EscapeText(std::string_view bytes);
std::optional<std::string> UnescapeText(std::string_view text);

}  // namespace q700
