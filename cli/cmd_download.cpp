// tpq700 download and tpq700 send-lookup: an application or a lookup file (checked first) to the
// terminal.
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>

#include "cli/check_report.h"
#include "cli/cli_link_ui.h"
#include "cli/design_file.h"
#include "cli/lookup_files.h"
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
  const std::optional<LinkRoute> route = RouteOfVia(via);
  if (!route) {
    ctx.Fail("the preferences' Download via value " + std::to_string(via) +
             " is no connection type; choose one with --via");
    return;
  }
  CliLinkUi ui(ctx, UiOptionsFor(ctx, options, file));
  Link link(*session->ports, SystemClock(), session->prefs);
  link.port_override = options.link.port;
  if (!DownloadToTerminal(link, ui, design, *route, mode)) {
    ctx.status = kExitFailed;
  }
}

struct LookupSendOptions {
  std::string design;
  int lookup = 1;
  std::string code_page;
  bool force = false;
};

// The check before a lookup file is sent; true when it may go. A file that cannot be read is left
// to the exchange, which tells the user as the program does.
bool LookupFileMayGo(Context& ctx, const std::string& file, const LookupSendOptions& options) {
  const int code_page = CodePageOf(options.code_page);
  std::optional<LookupLayout> layout;
  if (!options.design.empty()) {
    layout = LoadLookupLayout(ctx, options.design, options.lookup, code_page);
    if (!layout) return false;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) return true;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const LookupCheck check = CheckLookupFile(bytes, layout ? &*layout : nullptr, code_page);
  if (check.problems.empty()) return true;
  PrintLookupProblems(ctx.err, check, file, DefinitionPlace(options.design, options.lookup));
  const size_t count = check.problems.size();
  ctx.Fail("nothing was sent: " + std::to_string(count) + (count == 1 ? " problem" : " problems") +
           " in " + file + "; mend the file (or the design), or send it as it is with --force");
  return false;
}

}  // namespace

void AddDownloadCommand(CLI::App& app, Context& ctx) {
  auto* cmd =
      app.add_subcommand("download", "Download the application of a design to the terminal");
  auto file = std::make_shared<std::string>();
  auto options = std::make_shared<ExchangeOptions>();
  auto force = std::make_shared<bool>(false);
  cmd->add_option("FILE", *file, "Project file (.TPX); it is not changed")->required();
  AddExchangeOptions(*cmd, *options, RetryOption::kOffered);
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
  auto lookup = std::make_shared<LookupSendOptions>();
  cmd->add_option("FILE", *file,
                  "Text file; each line (ended by a carriage return; line feeds are dropped) "
                  "becomes one record of at most 253 bytes")
      ->required();
  AddExchangeOptions(*cmd, *options, RetryOption::kOffered);
  auto* design = cmd->add_option("--design", lookup->design,
                                 "Project file (.TPX) whose lookup file definition the file is "
                                 "checked against before it is sent");
  cmd->add_option("--lookup", lookup->lookup, "Which lookup file of the design: 1, 2 or 3")
      ->check(CLI::Range(1, 3))
      ->needs(design);
  AddCodePageOption(*cmd, lookup->code_page, "Code page of the file and of the design's texts");
  cmd->add_flag("--force", lookup->force, "Send the file even when the check finds problems");
  cmd->footer(
      std::string("Before the port opens, the file is checked as 'tpq700 lookup check' does "
                  "(against the design's definition with --design, otherwise only for lines over "
                  "253 bytes, text the code page cannot show, line feeds without carriage returns "
                  "and a byte-order mark); with problems nothing is sent. Lines over 253 bytes and "
                  "line feeds without carriage returns are refused even with --force. ") +
      kDownloadFooter);
  cmd->callback([&ctx, file, options, lookup] {
    if (!lookup->force && !LookupFileMayGo(ctx, *file, *lookup)) return;
    Design design;
    NewDesign(ctx, design);
    RunDownload(ctx, *options, *file, design, DownloadMode::kLookupFile);
  });
}

}  // namespace q700::cli
