// tpq700 receive: the terminal's collected records into a text file.
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/cli_link_ui.h"
#include "link/link.h"
#include "link/receive.h"

namespace q700::cli {

void AddReceiveCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("receive", "Receive the records collected by the terminal");
  auto file = std::make_shared<std::string>();
  auto options = std::make_shared<ExchangeOptions>();
  auto force = std::make_shared<bool>(false);
  cmd->add_option("OUT", *file, "Text file for the records, one line each (CR LF)")->required();
  AddExchangeOptions(*cmd, *options, RetryOption::kNone);
  cmd->add_flag("--force", *force, "Replace OUT when it exists");
  cmd->footer(
      "The file is created before the terminal is asked for its records, written as they "
      "arrive, and deleted when nothing was received or the records stopped coming. The "
      "number of records received goes to stdout. Exit status 0 when the terminal finished "
      "(having records or not), 1 otherwise.\n");
  cmd->callback([&ctx, file, options, force] {
    std::error_code ec;
    if (!*force && std::filesystem::exists(*file, ec)) {
      ctx.Fail(*file + " exists; name another file or replace it with --force");
      return;
    }
    const std::unique_ptr<LinkSession> session =
        StartLinkSession(ctx, options->link, Connection::kReceive);
    if (session == nullptr) return;
    const uint8_t via = session->prefs.receive_via;
    const std::optional<LinkRoute> route = RouteOfVia(via);
    if (!route) {
      ctx.Fail("the preferences' Receive via value " + std::to_string(via) +
               " is no connection type; choose one with --via");
      return;
    }
    CliLinkUi ui(ctx, UiOptionsFor(ctx, *options, *file));
    Link link(*session->ports, SystemClock(), session->prefs);
    link.port_override = options->link.port;
    const ReceiveResult received = ReceiveData(link, ui, ctx.texts, *route);
    ShowMessages(ui, received);
    if (received) {
      ctx.out << received.count << "\n";
    } else {
      ctx.status = kExitFailed;
    }
  });
}

}  // namespace q700::cli
