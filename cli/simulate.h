// The headless simulator behind `tpq700 simulate`: the key list and time of the command line,
// and the run that feeds the keys to the engine and prints the terminal's display and state.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "model/design.h"

namespace q700 {
class TextLoader;
class Simulator;
}  // namespace q700

namespace q700::cli {

// One step of a simulation: a key code, or a number of 100-ms ticks passing.
struct SimulatorInput {
  int key = 0;    // 1 to 20 or 51 to 60; 0 for ticks
  int ticks = 0;  // with key 0
  bool operator==(const SimulatorInput&) const = default;
};

inline constexpr int kMaxTicks = 1'000'000;

// Parses a space-separated list of key codes (1 to 20, 51 to 60), key names (ENTER ESC UP DOWN
// BS ALPHA MENU 0 to 9 MINUS DOT, in any case) and tick:N. On a bad item returns nothing and
// says why in `error`.
std::optional<std::vector<SimulatorInput>> ParseSimulatorInputs(std::string_view text,
                                                                std::string* error);

// Parses YYYY-MM-DDTHH:MM:SS into a valid local date and time.
std::optional<LocalTime> ParseLocalTime(std::string_view text);

// Starts like the program (main menu, Collect selected), feeds the inputs and prints the eight
// LCD lines between bars, the state, selected line, cursor cell, alpha mode, record counter,
// clock line and pass-down buffer, then the record of each completed form that keeps its record
// in the data file, in order. Message boxes print as message=TEXT where they happen.
void RunSimulation(Design& design, Clock& clock, const std::vector<SimulatorInput>& inputs,
                   TextLoader& texts, std::ostream& out);

// The state as `simulate` prints it: main, upload, utilities, settings, menu, form or error.
std::string_view StateName(const Simulator& sim);

}  // namespace q700::cli
