// tpq700 simulate: runs a design on the simulated terminal without a window and prints what its
// display and engine show after a list of key presses.
#include <memory>
#include <optional>
#include <ostream>

#include "cli/design_file.h"
#include "cli/simulate.h"

namespace q700::cli {

void AddSimulateCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand(
      "simulate", "Run a design on the simulated terminal and print its display and state");
  struct Options {
    std::string file;
    std::string keys;
    std::string now;
    std::string save;
  };
  auto o = std::make_shared<Options>();
  cmd->add_option("FILE", o->file, "Project file (.TPX)")->required();
  cmd->add_option("--keys", o->keys,
                  "Keys pressed in order, separated by blanks: key codes 1 to 20 and 51 to 60, "
                  "names ENTER ESC UP DOWN BS ALPHA MENU 0 to 9 MINUS DOT, or tick:N for N "
                  "ticks of 100 ms")
      ->required()
      ->check(CLI::Validator(
          [](std::string& value) {
            std::string error;
            return ParseSimulatorInputs(value, &error) ? std::string() : error;
          },
          "KEYS"));
  cmd->add_option("--now", o->now,
                  "The terminal's local date and time, YYYY-MM-DDTHH:MM:SS (default: the "
                  "computer's local time)")
      ->check(CLI::Validator(
          [](std::string& value) {
            return ParseLocalTime(value) ? std::string()
                                         : "'" + value +
                                               "' is not a date and time "
                                               "YYYY-MM-DDTHH:MM:SS";
          },
          "YYYY-MM-DDTHH:MM:SS"));
  cmd->add_option("--save", o->save,
                  "Write the design afterwards, with the bytes the simulator keeps in it (line "
                  "counts, current lines and items, cleaned prompts)");
  cmd->footer(
      "Starts on the terminal's main menu with Collect selected, like the program. Prints the "
      "eight display lines between '|' characters, then state= (main, upload, utilities, "
      "settings, menu, form or error), selected=, cursor=COLUMN,ROW, alpha=, counter=, clock= "
      "(the main screen's clock line) and passdown=, then a line record=RECORD for each form "
      "completed whose record action keeps its record in the data file (save and its "
      "combinations), in order, as the terminal would store it. A message box prints as "
      "message=TEXT where it appears.\n");
  cmd->callback([&ctx, o] {
    const auto inputs = ParseSimulatorInputs(o->keys, nullptr);
    Design design;
    if (!inputs || !LoadDesignFile(ctx, o->file, design)) return;
    std::optional<FakeClock> fixed;
    if (!o->now.empty()) fixed.emplace(*ParseLocalTime(o->now));
    Clock& clock = fixed ? static_cast<Clock&>(*fixed) : SystemClock();
    RunSimulation(design, clock, *inputs, ctx.texts, ctx.out);
    if (!o->save.empty()) SaveDesignFile(ctx, o->save, design);
  });
}

}  // namespace q700::cli
