// The data record of a completed form as the terminal lays it out (field data with prefixes,
// suffixes, fixed-length padding and delimiters) and its date and time stamp. The simulator
// composes it only for the record action "pass down".
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/clock.h"
#include "model/form_record.h"

namespace q700 {

// The pass-down buffer holds 405 bytes: the record and its NUL.
inline constexpr size_t kPassDownMax = 404;

// The two data field delimiters of the settings block; 0 means none.
struct Delimiters {
  uint8_t first = 0;
  uint8_t second = 0;
};

Delimiters DesignDelimiters(const Design& design);

// Appends the stamp of a form for a local time: delimiters when the record is not empty, the
// date by the form's date style, the time, and delimiters between the two when they are split.
void AppendStamp(FormRecord form, Delimiters delimiters, const LocalTime& now, std::string& record);

// The record of a form from the input of its eight lines; the stamp uses `now`. Cut to the
// pass-down buffer.
std::string ComposeRecord(FormRecord form, const std::array<std::string, 8>& inputs,
                          Delimiters delimiters, const LocalTime& now);

}  // namespace q700
