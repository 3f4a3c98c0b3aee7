// What the tool's link commands share: the --port, --via and --baud options with their defaults
// from the preferences, the preferences file, and the user messages of the link on stderr.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/preferences.h"
#include "base/message.h"
#include "cli/command.h"
#include "link/link.h"

namespace q700::cli {

// Names of the connection types on the command line, by Download via / Receive via value.
inline constexpr std::string_view kViaNames[3] = {"cradle-ir", "irda", "serial-spp"};

std::optional<uint8_t> ParseVia(std::string_view name);
// "115200" ... "9600" to the baud rate index.
std::optional<uint8_t> ParseBaud(std::string_view speed);
// The connection type's name, or its number when it has none.
std::string ViaName(uint8_t via);

// A command's link options; empty strings leave the preferences' values.
struct LinkOptions {
  std::string port;  // a port name of the list or a device path
  std::string via;
  std::string baud;
};

// Adds --port, --via and --baud to a link command. `options` must outlive the parse.
void AddLinkOptions(CLI::App& command, LinkOptions& options);

// The position of the port named `name` (its port name or its device path) in the list.
std::optional<int> FindPortByName(PortSystem& ports, std::string_view name);

// Shows messages of the link's results on stderr as "tpq700: Caption: text". Questions get
// `answer`.
class StderrMessageSink final : public MessageSink {
 public:
  StderrMessageSink(Context& ctx, Answer answer = Answer::kOk) : ctx_(ctx), answer_(answer) {}
  Answer Show(const Message& message) override;

 private:
  Context& ctx_;
  Answer answer_;
};

// Everything a link command holds while it runs: the preferences (read from their file, then
// changed by the options for this run only), the ports, a message sink for the link's results and
// the link itself.
struct LinkSession {
  explicit LinkSession(Context& ctx, std::unique_ptr<PortSystem> port_system);

  Preferences prefs;
  std::filesystem::path prefs_path;
  std::unique_ptr<PortSystem> ports;
  StderrMessageSink sink;
  Link link;
};

// Reads the preferences (their defaults when there is no file) and applies the options for a
// connection of `kind`: --via sets the connection type of that kind. Null, after telling the user,
// when an option value makes no sense.
std::unique_ptr<LinkSession> StartLinkSession(Context& ctx, const LinkOptions& options,
                                              Connection kind,
                                              std::unique_ptr<PortSystem> ports = nullptr);

// The listing of `tpq700 ports`: one line per port with its position, label, kind and device
// path; the port of the preferences' port index marked with '*'. Returns the number of ports.
int PrintPorts(std::ostream& out, PortSystem& ports, Preferences& prefs);

}  // namespace q700::cli
