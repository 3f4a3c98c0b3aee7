// tpq700 prefs: shows the preferences; with options, changes them and writes the file.
#include <memory>
#include <ostream>

#include "cli/command.h"
#include "cli/link_options.h"

namespace q700::cli {
namespace {

struct PrefsOptions {
  std::string via;
  std::string receive_via;
  std::string baud;
  std::string port;
};

std::string ViaText(Context& ctx, uint8_t via) {
  if (via < 3) return ctx.texts.Load(kViaTextIds[via], Slot::kItem) + " (" + ViaName(via) + ")";
  return std::to_string(via) + " (unknown)";
}

void Show(Context& ctx, const Preferences& stored, const std::filesystem::path& path) {
  std::ostream& out = ctx.out;
  Preferences prefs = stored;  // resolving the port index for the display changes nothing stored
  const std::unique_ptr<PortSystem> ports = MakeSystemPorts();
  EnumeratePorts(*ports, prefs);
  const std::u8string file = path.u8string();
  out << "File:           " << std::string(file.begin(), file.end()) << "\n";
  out << "Last file:      " << prefs.last_file << "\n";
  out << "Download via:   " << ViaText(ctx, prefs.download_via) << "\n";
  out << "Receive via:    " << ViaText(ctx, prefs.receive_via) << "\n";
  std::string port_name;
  out << "Port:           ";
  if (GetPortName(*ports, prefs.port_index, &port_name) != PortKind::kNone) {
    out << port_name << " (index " << prefs.port_index << ")\n";
  } else {
    out << "none (index " << prefs.port_index << " names no port)\n";
  }
  out << "Preferred port: " << prefs.preferred_port << "\n";
  out << "Baud rate:      "
      << (prefs.baud_rate < kBaudRateCount
              ? ctx.texts.Load(kBaudTextIds[prefs.baud_rate], Slot::kItem)
              : std::to_string(prefs.baud_rate) + " (unknown)")
      << "\n";
  out << "Auto-preload:   " << (prefs.auto_preload != 0 ? "yes" : "no") << "\n";
  out << "Always on top:  " << (prefs.always_on_top != 0 ? "yes" : "no") << "\n";
  out << "Language:       "
      << (prefs.language.empty() || prefs.language == "0" ? "Default <English>" : prefs.language)
      << "\n";
  out << "Recent files:   " << (prefs.recent.empty() ? "none" : "") << "\n";
  for (const std::string& recent : prefs.recent) out << "  " << recent << "\n";
}

}  // namespace

void AddPrefsCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand(
      "prefs", "Show the preferences; with options, change them and write the preferences file");
  auto options = std::make_shared<PrefsOptions>();
  cmd->add_option("--via", options->via, "How applications and lookup files are sent")
      ->check(CLI::IsMember({"cradle-ir", "irda", "serial-spp"}, CLI::ignore_case));
  cmd->add_option("--receive-via", options->receive_via, "How collected data is received")
      ->check(CLI::IsMember({"cradle-ir", "irda", "serial-spp"}, CLI::ignore_case));
  cmd->add_option("--baud", options->baud, "Link speed in bit/s")
      ->check(CLI::IsMember({"115200", "57600", "38400", "19200", "9600"}));
  cmd->add_option("--port", options->port,
                  "The serial port: a name or device path from "
                  "'tpq700 ports'");
  cmd->callback([&ctx, options] {
    const std::filesystem::path path = DefaultPreferencesPath();
    Preferences prefs;
    ReadPreferences(prefs, path);
    bool changed = false;
    if (!options->via.empty()) {
      prefs.download_via = ParseVia(options->via).value_or(prefs.download_via);
      changed = true;
    }
    if (!options->receive_via.empty()) {
      prefs.receive_via = ParseVia(options->receive_via).value_or(prefs.receive_via);
      changed = true;
    }
    if (!options->baud.empty()) {
      prefs.baud_rate = ParseBaud(options->baud).value_or(prefs.baud_rate);
      changed = true;
    }
    if (!options->port.empty()) {
      const std::unique_ptr<PortSystem> ports = MakeSystemPorts();
      const std::optional<int> position = FindPortByName(*ports, options->port);
      if (!position) {
        ctx.Fail("no port '" + options->port +
                 "' in the port list (see 'tpq700 ports'); a device path outside the list can "
                 "only be given to each link command with --port");
        return;
      }
      prefs.port_index = *position;
      changed = true;
    }
    if (changed) {
      std::string error;
      if (!WritePreferences(prefs, path, &error)) {
        ctx.Fail("cannot write the preferences: " + error);
        return;
      }
    }
    Show(ctx, prefs, path);
  });
}

}  // namespace q700::cli
