// The clock line text.
#include "simulator/clock_line.h"

#include <cstdio>

namespace q700 {

std::string CounterDigits(unsigned record_counter) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%04u", record_counter % 10000u);
  return digits;
}

std::string ClockLineText(const LocalTime& now, int blink_phase, unsigned record_counter,
                          bool separate_files) {
  static const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                        "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  const char* month = now.month >= 1 && now.month <= 12 ? kMonths[now.month - 1] : "???";
  const char* format = blink_phase % 10 < 5 ? "%s%02d %02d:%02d " : "%s%02d %02d %02d ";
  char text[64];
  std::snprintf(text, sizeof text, format, month, now.day, now.hour, now.minute);
  std::string line = text;
  if (!separate_files) {
    // The digits take columns 12 to 15 whatever the width of the numbers before them.
    line.resize(12, ' ');
    line += CounterDigits(record_counter);
  }
  return line;
}

}  // namespace q700
