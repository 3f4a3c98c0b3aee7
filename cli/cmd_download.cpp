// tpq700 download and tpq700 send-lookup: an application or a lookup file to the terminal.
#include <memory>

#include "cli/check_report.h"
#include "cli/cli_link_ui.h"
#include "cli/design_file.h"
#include "link/download.h"
#include "link/link.h"
#include "model/design_check.h"

namespace q700::cli {
namespace {

constexpr char kDownloadFooter[] =
    "The connection type, port and speed come from the preferences ('tpq700 prefs') unless the "
    "options name others. The messages of the exchange go to stderr; a progress bar too while "
    "stderr is a terminal. Exit status 0 when the terminal took everything, 1 otherwise.\n";

// Runs the download driver with the tool's front end; reports a failure through the status.
void RunDownload(Context& ctx, const ExchangeOptions& options, const std::string& file,
                 Design& design, DownloadMode mode) {
  const std::unique_ptr<LinkSession> session =
      StartLinkSession(ctx, options.link, Connection::kDownload);
  if (session == nullptr) return;
  const uint8_t via = session->prefs.download_via;
  if (via > kViaSerialSpp) {
    ctx.Fail("the preferences' Download via value " + std::to_string(via) +
             " is no connection type; choose one with --via");
    return;
  }
  CliLinkUi ui(ctx, UiOptionsFor(ctx, options, file));
  Link link(*session->ports, SystemClock(), ui, session->prefs);
  link.port_override = options.link.port;
  if (!DownloadToTerminal(link, ui, design, via == kViaCradleIr, mode)) {
    ctx.status = kExitFailed;
  }
}

}  // namespace

void AddDownloadCommand(CLI::App& app, Context& ctx) {
  auto* cmd =
      app.add_subcommand("download", "Download the application of a design to the terminal");
  auto file = std::make_shared<std::string>();
  auto options = std::make_shared<ExchangeOptions>();
  auto force = std::make_shared<bool>(false);
  cmd->add_option("FILE", *file, "Project file (.TPX); it is not changed")->required();
  AddExchangeOptions(*cmd, *options, true);
  cmd->add_flag("--force", *force, "Download even when 'tpq700 check' finds errors");
  cmd->footer(std::string(kDownloadFooter) +
              "The design is checked first, as 'tpq700 check' does; its findings go to stderr, "
              "and a design with errors is not downloaded unless --force is given.\n");
  cmd->callback([&ctx, file, options, force] {
    Design design;
    if (!LoadDesignFile(ctx, *file, design)) return;
    const std::vector<Finding> findings = CheckDesign(design);
    PrintFindings(ctx.err, *file, findings);
    if (HasErrors(findings) && !*force) {
      ctx.Fail(*file + ": " + CountFindings(findings) +
               "; not downloaded (see 'tpq700 check', or download anyway with --force)");
      return;
    }
    RunDownload(ctx, *options, *file, design, DownloadMode::kApplication);
  });
}

void AddSendLookupCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("send-lookup", "Send a lookup text file to the terminal");
  auto file = std::make_shared<std::string>();
  auto options = std::make_shared<ExchangeOptions>();
  cmd->add_option("FILE", *file,
                  "Text file; each line (ended by a carriage return; line feeds are dropped) "
                  "becomes one record of at most 253 bytes")
      ->required();
  AddExchangeOptions(*cmd, *options, true);
  cmd->footer(kDownloadFooter);
  cmd->callback([&ctx, file, options] {
    Design design;
    NewDesign(ctx, design);
    RunDownload(ctx, *options, *file, design, DownloadMode::kLookupFile);
  });
}

}  // namespace q700::cli
