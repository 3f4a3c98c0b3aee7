// tpq700 detect: finds the port of the IR cradle.
#include <memory>
#include <ostream>

#include "cli/command.h"
#include "cli/design_file.h"
#include "cli/link_options.h"
#include "link/cradle.h"
#include "link/link_texts.h"
#include "texts/text_ids.h"

namespace q700::cli {

void AddDetectCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("detect", "Find the serial port of the IR cradle");
  auto port = std::make_shared<std::string>();
  cmd->add_option("--port", *port,
                  "Probe only this port (a name from 'tpq700 ports' or a device path); "
                  "default: every serial and virtual port of the list");
  cmd->footer(
      "Each port is probed at 9600, 115200, 38400, 57600 and 19200 bit/s (about 2 seconds for "
      "a port without a cradle). The port found goes to stdout; keep it with "
      "'tpq700 prefs --port NAME'. Exit status 0 when a cradle answered, 1 otherwise.\n");
  cmd->callback([&ctx, port] {
    const std::unique_ptr<PortSystem> ports = MakeSystemPorts();
    std::string found;
    if (!port->empty()) {
      const std::unique_ptr<SerialPort> open = ports->Open(ports->DeviceName(*port));
      if (open == nullptr) {
        ctx.Fail(
            MessageLine(ctx, Message{.caption_id = kCaptionError, .text_id = kTextCannotOpenPort}) +
            " (" + *port + ")");
        return;
      }
      if (ProbePortForCradle(*open, SystemClock())) found = *port;
    } else {
      DetectCradle(*ports, SystemClock(), &found);
    }
    Message result;
    result.caption_id = kCaptionDetectingResult;
    if (found.empty()) {
      result.text_id = kTextCradleNotAvailable;
      ctx.err << "tpq700: " << MessageLine(ctx, result) << "\n";
      ctx.status = kExitFailed;
      return;
    }
    result.text_id = kTextCradleConnectedTo;
    result.detail = found;
    ctx.err << "tpq700: " << MessageLine(ctx, result) << "\n";
    ctx.out << found << "\n";
  });
}

}  // namespace q700::cli
