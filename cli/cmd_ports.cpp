// tpq700 ports: lists the serial ports with their labels and kinds, the preferred one marked.
#include <ostream>

#include "cli/command.h"
#include "cli/link_options.h"
#include "texts/text_ids.h"

namespace q700::cli {

void AddPortsCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand(
      "ports",
      "List the serial ports with their labels and kinds; '*' marks the preferences' port");
  cmd->callback([&ctx] {
    Preferences prefs;
    ReadPreferences(prefs, DefaultPreferencesPath());
    const std::unique_ptr<PortSystem> ports = MakeSystemPorts();
    const int count = PrintPorts(ctx.out, *ports, prefs);
    if (count == 0) {
      ctx.err << "tpq700: " << ctx.texts.Load(kTextNoComPort, Slot::kMessage) << "\n";
    } else if (prefs.port_index < 0 || prefs.port_index >= count) {
      ctx.err << "tpq700: the preferences' port index " << prefs.port_index
              << " names no port; choose one with 'tpq700 prefs --port NAME'\n";
    }
  });
}

}  // namespace q700::cli
