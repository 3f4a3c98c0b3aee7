// tpq700 terminal: the virtual terminal and its IR cradle behind a serial port.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <sstream>

#ifdef __linux__
#include <sys/prctl.h>
#endif

#include "base/interrupt.h"
#include "base/system_error.h"
#include "cli/command.h"
#include "link/link.h"
#include "terminal/virtual_terminal.h"
#include "terminal/virtual_terminal_run.h"

namespace q700::cli {
namespace {

struct TerminalOptions {
  std::string port;
  std::string store = ".";
  std::string records;
  uint64_t memory = 0;
  std::string tag = "Q700RU004";
  uint32_t pace = 0;
  std::string fault;
  uint64_t seed = 1;
  bool once = false;
  std::string expect;
};

constexpr char kTerminalFooter[] =
    "The terminal answers every exchange of the link as the device does: the IR cradle's probe "
    "byte 0x0F is echoed and its speed command (0x07, rate byte, 0x51) taken while no exchange "
    "runs; \"ZENTAK\\r\" opens a download; \"READ\\r\" an upload of the --records lines.\n"
    "Both downloads open with the same \"ZENTAK\\r\", so without --expect the first one of an "
    "exchange is answered \"NAK ACK\": a lookup file download takes it, an application download "
    "waits it out and asks again, and is answered with the tag. With --expect the first one is "
    "answered at once, as a terminal whose user chose what to receive answers it.\n"
    "A complete image is stored as DIR/application.bin, each complete lookup file as "
    "DIR/lookup-N.txt (N counting up from 1, one line per record, CR LF).\n"
    "\n"
    "--fault takes comma-separated KEY=VALUE pairs, chances from 0 to 1:\n"
    "  corrupt=P  a block or record (either way) has one byte changed on the line\n"
    "  drop=P     a reply is lost on the line (the terminal's, or the host's during an upload)\n"
    "  garble=P   a reply of the terminal arrives as question marks\n"
    "  silence=P  the terminal lets a message pass without a word (an upload record waits for "
    "the host's NAK)\n"
    "  delay=MS   every reply and record leaves MS milliseconds late\n"
    "  nak=N      the first N tries of every block and lookup record are answered NAK\n"
    "  full=N     block N (application) or record N from 0 (lookup file) is answered FULL\n"
    "  cut=N      the upload stops before record N from 0: the terminal falls silent\n"
    "for example --fault corrupt=0.01,drop=0.01,silence=0.005,nak=3,full=57 --seed 7. The same "
    "seed gives the same faults for the same exchange. Each fault injected is logged on stderr "
    "as a line \"fault: ...\".\n";

}  // namespace

void AddTerminalCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("terminal",
                                 "Act as a Q700 terminal in its IR cradle behind a serial port");
  auto options = std::make_shared<TerminalOptions>();
  cmd->add_option("--port", options->port,
                  "The port the host's link reaches (for example one end of a socat pair)")
      ->required();
  cmd->add_option("--store", options->store,
                  "Folder for the received application and lookup files (default: .)");
  cmd->add_option("--records", options->records,
                  "Text file whose lines the terminal uploads on request (none: no records)");
  cmd->add_option("--memory", options->memory,
                  "Bytes the terminal can take in one download (an image needs 20000, a lookup "
                  "file its lines plus 2 bytes a line); more is answered FULL");
  cmd->add_option("--tag", options->tag,
                  "Version tag the handshake is answered with, 1 to 9 characters (default "
                  "Q700RU004)");
  cmd->add_option("--pace", options->pace,
                  "Space the bytes both ways at the wire time of this speed in bit/s");
  cmd->add_option("--fault", options->fault, "Faults to inject (see below)");
  cmd->add_option("--seed", options->seed, "Seed of the faults (default 1)");
  cmd->add_flag("--once", options->once, "End after one exchange");
  cmd->add_option("--expect", options->expect,
                  "What the terminal's user chose to receive: the first handshake of a download "
                  "is answered with the tag (application) or \"ACK\" (lookup), as a terminal "
                  "does; without it, \"NAK ACK\" (either)")
      ->check(CLI::IsMember({"application", "lookup"}));
  cmd->footer(kTerminalFooter);
  cmd->callback([&ctx, options] {
    TerminalConfig config;
    if (options->tag.empty() || options->tag.size() > 9) {
      ctx.Fail("the tag must have 1 to 9 characters: the host reads ten with the carriage return");
      ctx.status = kExitUsage;
      return;
    }
    config.tag = options->tag;
    if (options->expect == "application") config.expect = TerminalExpect::kApplication;
    if (options->expect == "lookup") config.expect = TerminalExpect::kLookup;
    std::string error;
    if (!ParseFaultPlan(options->fault, &config.faults, &error)) {
      ctx.Fail("--fault: " + error);
      ctx.status = kExitUsage;
      return;
    }
    config.seed = options->seed;
    if (options->memory != 0) config.memory = options->memory;
    if (!options->records.empty()) {
      std::ifstream in(options->records, std::ios::binary);
      if (!in) {
        ctx.Fail("cannot read " + options->records);
        return;
      }
      const std::string text((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
      if (!ParseUploadRecords(text, &config.records, &error)) {
        ctx.Fail(options->records + ": " + error);
        return;
      }
    }
    std::error_code ec;
    config.store = options->store;
    std::filesystem::create_directories(config.store, ec);
    if (!std::filesystem::is_directory(config.store, ec)) {
      ctx.Fail("cannot use " + options->store + " as the store folder");
      return;
    }

    const std::unique_ptr<PortSystem> ports = MakeSystemPorts();
    ClearSystemError();
    const std::unique_ptr<SerialPort> port = ports->Open(ports->DeviceName(options->port));
    if (port == nullptr) {
      const std::string system = SystemErrorText();
      ctx.Fail("cannot open the port (" + options->port + ": " +
               (system.empty() ? "the system refused it" : system) + ")");
      return;
    }
    LineSettings line;
    line.baud_rate = options->pace != 0 ? options->pace : 115200;
    line.byte_size = 8;
    line.rts = RtsControl::kEnable;
    line.dtr = DtrControl::kEnable;
    if (!port->ApplySettings(line)) {
      line.baud_rate = 115200;  // a pace the port has no speed for still paces the bytes
      port->ApplySettings(line);
    }
    port->SetTimeouts(kLinkTimeouts);
    // A terminal put into its cradle hears nothing that was said before: a station's requests
    // that waited in the line would start uploads nobody asked for any more.
    port->Purge(Queues::kBoth);

    ctx.err << "tpq700 terminal: serving on " << options->port << " (tag " << config.tag << ", "
            << config.records.size() << " records to upload)\n";
    ctx.err.flush();
    VirtualTerminal terminal(std::move(config));
#ifdef __linux__
    // A paced terminal sleeps for every reply; the kernel's default slack of 50 microseconds on
    // each wake-up would add about 2% to the time of a 40-character line.
    if (options->pace != 0) prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
    TerminalRunOptions run;
    run.pace_baud = options->pace;
    run.once = options->once;
    const bool served = RunVirtualTerminal(*port, terminal, run, [&ctx](const std::string& text) {
      ctx.err << "tpq700 terminal: " << text << "\n";
      ctx.err.flush();
    });
    if (!served && !Interrupted()) ctx.Fail("the port " + options->port + " failed");
  });
}

}  // namespace q700::cli
