// The link options of the tool's commands, the link's messages on stderr, the port listing.
#include "cli/link_options.h"

#include <cctype>
#include <iomanip>
#include <ostream>
#include <sstream>

namespace q700::cli {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

}  // namespace

std::optional<uint8_t> ParseVia(std::string_view name) {
  const std::string lower = Lower(name);
  for (uint8_t i = 0; i < 3; ++i) {
    if (lower == kViaNames[i]) return i;
  }
  return std::nullopt;
}

std::optional<uint8_t> ParseBaud(std::string_view speed) {
  for (uint8_t i = 0; i < kBaudRateCount; ++i) {
    if (speed == std::to_string(kBaudRates[i])) return i;
  }
  return std::nullopt;
}

std::string ViaName(uint8_t via) {
  return via < 3 ? std::string(kViaNames[via]) : std::to_string(via);
}

void AddLinkOptions(CLI::App& command, LinkOptions& options) {
  command.add_option("--port", options.port,
                     "Serial port: a name from 'tpq700 ports' or a device path (default: the "
                     "port of the preferences)");
  command.add_option("--via", options.via, "Connection type (default: from the preferences)")
      ->check(CLI::IsMember({"cradle-ir", "irda", "serial-spp"}, CLI::ignore_case));
  command.add_option("--baud", options.baud, "Link speed (default: from the preferences)")
      ->check(CLI::IsMember({"115200", "57600", "38400", "19200", "9600"}));
}

std::optional<int> FindPortByName(PortSystem& ports, std::string_view name) {
  for (size_t position = 0;; ++position) {
    PortEntry entry;
    if (ports.ReadEntry(position, &entry) != EntryStatus::kOk) return std::nullopt;
    if (entry.port_name == name || entry.device_path == name) return static_cast<int>(position);
  }
}

Answer StderrMessageSink::Show(const Message& message) {
  const std::string caption = message.caption_id != 0
                                  ? ctx_.texts.Load(message.caption_id, Slot::kCaption)
                                  : message.caption_utf8;
  std::string text =
      message.text_id != 0 ? ctx_.texts.Load(message.text_id, Slot::kMessage) : message.text_utf8;
  text += message.detail;
  ctx_.err << "tpq700: " << caption << ": " << text << "\n";
  switch (message.buttons) {
    case Buttons::kOk:
      return Answer::kOk;
    default:
      return answer_;
  }
}

LinkSession::LinkSession(Context& ctx, std::unique_ptr<PortSystem> port_system)
    : prefs_path(DefaultPreferencesPath()),
      ports(port_system != nullptr ? std::move(port_system) : MakeSystemPorts()),
      sink(ctx),
      link(*ports, SystemClock(), prefs) {}

std::unique_ptr<LinkSession> StartLinkSession(Context& ctx, const LinkOptions& options,
                                              Connection kind, std::unique_ptr<PortSystem> ports) {
  auto session = std::make_unique<LinkSession>(ctx, std::move(ports));
  ReadPreferences(session->prefs, session->prefs_path);
  if (!options.via.empty()) {
    const std::optional<uint8_t> via = ParseVia(options.via);
    if (!via) {
      ctx.Fail("unknown connection type '" + options.via + "'");
      return nullptr;
    }
    (kind == Connection::kDownload ? session->prefs.download_via : session->prefs.receive_via) =
        *via;
  }
  if (!options.baud.empty()) {
    const std::optional<uint8_t> baud = ParseBaud(options.baud);
    if (!baud) {
      ctx.Fail("unsupported speed '" + options.baud + "'");
      return nullptr;
    }
    session->prefs.baud_rate = *baud;
  }
  session->link.port_override = options.port;
  return session;
}

int PrintPorts(std::ostream& out, PortSystem& ports, Preferences& prefs) {
  std::vector<std::string> labels;
  const int count = EnumeratePorts(ports, prefs, &labels);
  for (int position = 0; position < count; ++position) {
    PortEntry entry;
    if (ports.ReadEntry(static_cast<size_t>(position), &entry) != EntryStatus::kOk) break;
    std::ostringstream line;
    line << (position == prefs.port_index ? '*' : ' ') << ' ' << std::setw(2) << position << "  "
         << std::left << std::setw(24) << labels[static_cast<size_t>(position)] << ' '
         << std::setw(9) << PortKindWord(ports.KindOf(entry)) << ' ' << entry.device_path;
    out << line.str() << "\n";
  }
  return count;
}

}  // namespace q700::cli
