// tpq700 collect: a collection station on several ports at once, each terminal's records added
// as one batch to a CSV or JSON Lines file or to PostgreSQL tables.
#include <cstdio>
#include <iomanip>
#include <memory>
#include <mutex>
#include <ostream>
#include <sstream>

#include "base/clock.h"
#include "base/interrupt.h"
#include "cli/collect_stores.h"
#include "cli/design_file.h"
#include "cli/link_options.h"
#include "cli/record_output.h"
#include "station/station.h"

namespace q700::cli {
namespace {

struct CollectOptions {
  std::vector<std::string> ports;
  std::string via;
  std::string baud;
  std::string design;
  int form = 0;
  RecordOutputOptions table;
  std::string into;
  int batches = 0;
};

constexpr uint32_t kReopenMs = 5000;

constexpr char kCollectFooter[] =
    "Every --port is served at once: while no terminal answers, the station asks it for data "
    "(\"READ\\r\" every 3 seconds); a terminal that answers is received whole and its records "
    "added as one batch, with the columns received_at (when its first record arrived, ISO 8601 "
    "local time with its offset), port and batch, then the form's columns (as `receive --design "
    "--append` adds them). One line per batch goes to stdout: the port, the records and the time "
    "the transfer took. Then the station waits for the next terminal, until Ctrl-C (a transfer "
    "under way is finished first).\n"
    "A transfer that fails adds nothing; the terminal is taken again when it answers again. A "
    "port that fails or disappears is reported and opened again every 5 seconds; the others go "
    "on.\n"
    "--into postgresql://USER@HOST/DATABASE (or key=value pairs): one table per form, named "
    "after the design and the form (STOCK.TPX form 2: stock_form2), made when missing, columns "
    "typed by the fields; records of no form go to stock_unsplit and the batches to "
    "stock_batches. Each batch is one transaction; a batch the server already holds (same port "
    "and records, received within a minute of it) is not stored again, and a lost connection is "
    "made anew while the batch waits. Give the password by PGPASSWORD, the password file "
    "(~/.pgpass) or a service file (PGSERVICE); it is never printed.\n"
    "Exit status 0 when stopped by Ctrl-C with every batch stored, 1 otherwise.\n";

// The station's events as lines: batches on stdout, everything else on stderr.
class PrintedEvents final : public StationEvents {
 public:
  PrintedEvents(Context& ctx, std::mutex& say) : ctx_(ctx), say_(say) {}

  void Report(const StationEvent& e) override {
    const std::lock_guard lock(say_);
    std::ostringstream seconds;
    seconds << std::fixed << std::setprecision(2) << static_cast<double>(e.took_ms) / 1000.0;
    switch (e.kind) {
      case StationEvent::Kind::kServing:
        ctx_.err << "tpq700: " << e.port << ": waiting for a terminal\n";
        break;
      case StationEvent::Kind::kStored:
        ctx_.out << e.port << ": " << e.records << (e.records == 1 ? " record" : " records")
                 << " in " << seconds.str() << " s\n";
        ctx_.out.flush();
        ++batches;
        records += e.records;
        break;
      case StationEvent::Kind::kAlreadyStored:
        ctx_.err << "tpq700: " << e.port << ": the batch of " << e.records
                 << " records was stored before; not stored again\n";
        break;
      case StationEvent::Kind::kTransferFailed:
        ctx_.err << "tpq700: " << e.port << ": the transfer failed after " << e.records
                 << " records (" << Why(e) << "); nothing was added: the terminal is taken "
                 << "again when it answers again\n";
        break;
      case StationEvent::Kind::kStoreFailed:
        ctx_.err << "tpq700: " << e.port << ": the batch of " << e.records
                 << " records cannot be stored yet (" << e.detail << "); trying again every "
                 << kReopenMs / 1000 << " s\n";
        break;
      case StationEvent::Kind::kPortLost:
        ctx_.err << "tpq700: " << e.port << ": the port is gone (" << e.detail
                 << "); trying again every " << kReopenMs / 1000 << " s\n";
        break;
      case StationEvent::Kind::kUnstored:
        break;
    }
    ctx_.err.flush();
  }

  int batches = 0;
  long records = 0;

 private:
  std::string Why(const StationEvent& e) {
    std::string why;
    for (const Message& message : e.messages) {
      if (!why.empty()) why += "; ";
      why += message.text_id != 0 ? ctx_.texts.Load(message.text_id, Slot::kMessage)
                                  : message.text_utf8;
      why += message.detail;
    }
    if (!e.detail.empty()) why += (why.empty() ? "" : ": ") + e.detail;
    return why.empty() ? "no reason given" : why;
  }

  Context& ctx_;
  std::mutex& say_;
};

void Collect(Context& ctx, const CollectOptions& o) {
  Design design;
  if (!LoadDesignFile(ctx, o.design, design)) return;
  std::vector<RecordLayout> layouts;
  if (!RecordLayoutsFor(ctx, design, o.design, o.form, &layouts)) return;

  std::mutex say;
  std::unique_ptr<BatchStore> store;
  if (!o.into.empty()) {
    store = OpenDatabaseStore(ctx, o.into, o.design, layouts, o.table.code_page);
    if (store == nullptr) return;
  } else {
    auto file = std::make_unique<FileBatchStore>(
        ctx, say, RecordTable(std::move(layouts), TableOptionsFor(o.table, true)), o.table.path);
    if (!file->Prepare()) return;
    store = std::move(file);
  }

  LinkOptions link_options;
  link_options.via = o.via;
  link_options.baud = o.baud;
  const std::unique_ptr<LinkSession> session =
      StartLinkSession(ctx, link_options, Connection::kReceive);
  if (session == nullptr) return;
  const std::optional<LinkRoute> route = RouteOfVia(session->prefs.receive_via);
  if (!route) {
    ctx.Fail("the preferences' Receive via value " + std::to_string(session->prefs.receive_via) +
             " is no connection type; choose one with --via");
    return;
  }

  StationConfig config;
  config.ports = o.ports;
  config.settings = session->prefs;
  config.route = *route;
  config.reopen_ms = kReopenMs;
  config.store_retry_ms = kReopenMs;
  config.stop_after = o.batches;

  InstallInterruptHandlers();
  ctx.interrupt_ends_normally = true;
  PrintedEvents events(ctx, say);
  const std::vector<StationBatch> unstored = RunStation(
      config, *session->ports, SystemClock(), *store, events, [] { return Interrupted(); });
  ctx.err << "tpq700: collected " << events.batches << " batches, " << events.records
          << " records\n";
  if (!unstored.empty()) {
    KeepUnstored(ctx, unstored);
    ctx.status = kExitFailed;
  }
}

}  // namespace

void AddCollectCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand(
      "collect", "Serve several ports at once and add every terminal's records as a batch");
  auto o = std::make_shared<CollectOptions>();
  cmd->add_option("--port", o->ports,
                  "A port to serve: a name from 'tpq700 ports' or a device path (repeat for more)")
      ->required();
  cmd->add_option("--via", o->via, "Connection type (default: from the preferences)")
      ->check(CLI::IsMember({"cradle-ir", "irda", "serial-spp"}, CLI::ignore_case));
  cmd->add_option("--baud", o->baud, "Link speed (default: from the preferences)")
      ->check(CLI::IsMember({"115200", "57600", "38400", "19200", "9600"}));
  cmd->add_option("--design", o->design, "Split the records by the forms of this project file")
      ->required();
  cmd->add_option("--form", o->form, "Split by this form (1 to 10) alone")
      ->check(CLI::Range(1, kFormCount));
  AddRecordOutputOptions(*cmd, o->table, RecordOutputUse::kOptional);
  cmd->add_option("--into", o->into,
                  "Store into PostgreSQL: postgresql://USER@HOST/DATABASE or key=value pairs");
  cmd->add_option("--batches", o->batches, "Stop once this many batches are stored")
      ->check(CLI::PositiveNumber);
  cmd->footer(kCollectFooter);
  cmd->callback([&ctx, o] {
    if (o->table.path.empty() == o->into.empty()) {
      throw CLI::ValidationError("give one of --csv FILE, --jsonl FILE and --into DATABASE");
    }
    if (o->table.path == "-") {
      throw CLI::ValidationError("the station adds batches to a file: name one, not -");
    }
    Collect(ctx, *o);
  });
}

}  // namespace q700::cli
