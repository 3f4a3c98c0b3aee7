// The clock line of the terminal's main screen: month, day, time with a blinking colon and the
// record counter.
#pragma once

#include <string>

#include "base/clock.h"

namespace q700 {

// The text for a local time, "MAR05 09:07 0012". The colon is a blank in blink phases 5 to 9
// (the tick counter runs 0 to 9, so it blinks once a second). The counter, as four digits of the
// count modulo 10,000, is left out when each form saves to its own data file.
std::string ClockLineText(const LocalTime& now, int blink_phase, unsigned record_counter,
                          bool separate_files);

// The record counter as the terminal shows it: four digits of the count modulo 10,000.
std::string CounterDigits(unsigned record_counter);

}  // namespace q700
