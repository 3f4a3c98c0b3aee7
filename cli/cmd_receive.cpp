// tpq700 receive: the terminal's collected records into a text file, or split by a design into a
// CSV or JSON Lines file, one batch per receive.
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "base/clock.h"
#include "cli/cli_link_ui.h"
#include "cli/design_file.h"
#include "cli/record_batch.h"
#include "cli/record_output.h"
#include "link/link.h"
#include "link/link_texts.h"
#include "link/receive.h"

namespace q700::cli {
namespace {

struct ReceiveOptions {
  std::string file;
  ExchangeOptions exchange;
  bool force = false;
  std::string design;
  int form = 0;
  RecordOutputOptions table;
  bool append = false;
};

constexpr char kReceiveFooter[] =
    "OUT: the records, one a line (CR LF). They are written to a new file beside OUT, which "
    "replaces OUT only when the terminal has sent them all: a port that does not open, no "
    "records, a time-out or Ctrl-C leave an earlier OUT exactly as it was. Records received "
    "before a failure are kept beside it (OUT's name with .partial, or .partial-2 and so on, "
    "before the extension), and the message names that file.\n"
    "--retries N: after no answer or a time-out, start the receive again, up to N times.\n"
    "--design with --csv or --jsonl: each record split into the fields of the form that "
    "composed it (as `tpq700 records` does), after the columns received_at (when the receive "
    "started, ISO 8601 local time with its offset), port and batch (one more than the file's "
    "highest). The records are added to the file only when the terminal has sent them all: a "
    "receive that fails or is interrupted leaves the file exactly as it was.\n"
    "The number of records received goes to stdout. Exit status 0 when the terminal finished "
    "(having records or not), 1 otherwise.\n";

// Keeps each record in the batch as it arrives.
class BatchRecords final : public RecordSink {
 public:
  explicit BatchRecords(RecordBatch& batch) : batch_(batch) {}
  bool Store(std::string_view data, std::string*) override {
    batch_.Add(data);
    return true;
  }

 private:
  RecordBatch& batch_;
};

// The link session of a receive and its route by the preferences' connection type; null after
// telling the user.
std::unique_ptr<LinkSession> StartReceiveSession(Context& ctx, const ExchangeOptions& options,
                                                 LinkRoute* route) {
  std::unique_ptr<LinkSession> session = StartLinkSession(ctx, options.link, Connection::kReceive);
  if (session == nullptr) return nullptr;
  const uint8_t via = session->prefs.receive_via;
  const std::optional<LinkRoute> known = RouteOfVia(via);
  if (!known) {
    ctx.Fail("the preferences' Receive via value " + std::to_string(via) +
             " is no connection type; choose one with --via");
    return nullptr;
  }
  *route = *known;
  return session;
}

// A receive that found no terminal or lost it midway may go better at once; one whose port did
// not open will not.
bool WorthRetrying(ReceiveStatus status) {
  return status == ReceiveStatus::kNoContact || status == ReceiveStatus::kTimedOut;
}

// The exchange into a table: the batch is ready before the terminal is contacted and written
// once the terminal has sent everything.
void ReceiveTable(Context& ctx, const ReceiveOptions& o) {
  Design design;
  if (!LoadDesignFile(ctx, o.design, design)) return;
  std::vector<RecordLayout> layouts;
  if (!RecordLayoutsFor(ctx, design, o.design, o.form, &layouts)) return;
  const RecordTable table(std::move(layouts), TableOptionsFor(o.table, true));
  RecordBatch batch(ctx, table);
  const BatchTarget target =
      o.append ? BatchTarget::kAppend : (o.force ? BatchTarget::kReplace : BatchTarget::kNew);
  if (!batch.Prepare(o.table.path, target)) return;

  LinkRoute route{};
  const std::unique_ptr<LinkSession> session = StartReceiveSession(ctx, o.exchange, &route);
  if (session == nullptr) return;
  CliLinkUi ui(ctx, UiOptionsFor(ctx, o.exchange, o.table.path));
  Link link(*session->ports, SystemClock(), session->prefs);
  link.port_override = o.exchange.link.port;
  for (;;) {
    batch.Clear();
    const PortOpenResult opened = OpenLinkPort(link, Connection::kReceive, route);
    if (!opened) {
      ShowMessages(ui, opened);
      ctx.status = kExitFailed;
      return;
    }
    batch.SetOrigin(IsoLocalTime(std::time(nullptr)), link.port_name);
    BatchRecords records(batch);
    const ReceiveResult received = ReceiveRecords(link, ui, records);
    CloseLinkPort(link, UnreadInput::kKeep);
    ShowMessages(ui, received);
    const ReceiveStatus status = received.status;

    if (status == ReceiveStatus::kDone) {
      if (!batch.Commit()) return;
      ui.Show(ReceiveDoneMessage(received.count, ctx.texts));
      ctx.out << received.count << "\n";
      return;
    }
    if (status == ReceiveStatus::kNothing || status == ReceiveStatus::kNoContact) {
      Message nothing;
      nothing.caption_id = kCaptionUploadData;
      nothing.text_id = kTextNoDataReceived;
      ui.Show(nothing);
      if (status == ReceiveStatus::kNothing) {
        ctx.out << "0\n";
        return;
      }
    } else if (batch.size() > 0) {
      if (const std::optional<std::filesystem::path> kept = batch.KeepAside()) {
        ui.Show(RecordsKeptMessage(static_cast<int>(batch.size()), *kept));
      }
    }
    if (!WorthRetrying(status) || !ui.TakeRetry(kCaptionUploadData)) break;
  }
  ctx.Fail("nothing was added to " + o.table.path);
}

// The exchange into a text file, started again after a failure as often as --retries allows.
void ReceiveText(Context& ctx, const ReceiveOptions& o) {
  std::error_code ec;
  if (!o.force && std::filesystem::exists(o.file, ec)) {
    ctx.Fail(o.file + " exists; name another file or replace it with --force");
    return;
  }
  LinkRoute route{};
  const std::unique_ptr<LinkSession> session = StartReceiveSession(ctx, o.exchange, &route);
  if (session == nullptr) return;
  CliLinkUi ui(ctx, UiOptionsFor(ctx, o.exchange, o.file));
  Link link(*session->ports, SystemClock(), session->prefs);
  link.port_override = o.exchange.link.port;
  for (;;) {
    const ReceiveResult received = ReceiveData(link, ui, ctx.texts, route);
    ShowMessages(ui, received);
    if (received) {
      ctx.out << received.count << "\n";
      return;
    }
    if (!WorthRetrying(received.status) || !ui.TakeRetry(kCaptionUploadData)) break;
  }
  ctx.status = kExitFailed;
}

}  // namespace

void AddReceiveCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("receive", "Receive the records collected by the terminal");
  auto o = std::make_shared<ReceiveOptions>();
  cmd->add_option("OUT", o->file, "Text file for the records, one line each (CR LF)");
  AddExchangeOptions(*cmd, o->exchange, RetryOption::kOffered);
  cmd->add_flag("--force", o->force, "Replace the output file when it exists");
  cmd->add_option("--design", o->design,
                  "Split the records by the forms of this project file (.TPX); needs --csv or "
                  "--jsonl");
  cmd->add_option("--form", o->form, "Split by this form (1 to 10) alone")
      ->check(CLI::Range(1, kFormCount));
  AddRecordOutputOptions(*cmd, o->table, RecordOutputUse::kOptional);
  cmd->add_flag("--append", o->append,
                "Add the records to the --csv or --jsonl file as a new batch instead of "
                "replacing it");
  cmd->footer(kReceiveFooter);
  cmd->callback([&ctx, o] {
    const bool table = !o->table.path.empty();
    if (table == !o->file.empty()) {
      throw CLI::ValidationError("give either OUT or --design with --csv FILE or --jsonl FILE");
    }
    if (table && o->design.empty()) {
      throw CLI::ValidationError("--csv and --jsonl split the records by a design: add --design");
    }
    if (!table && (!o->design.empty() || o->append || o->form != 0)) {
      throw CLI::ValidationError(
          "--design, --form and --append write a table: add --csv FILE or "
          "--jsonl FILE instead of OUT");
    }
    if (o->append && o->force) {
      throw CLI::ValidationError("--append adds to the file and --force replaces it: give one");
    }
    if (table) {
      ReceiveTable(ctx, *o);
      return;
    }

    ReceiveText(ctx, *o);
  });
}

}  // namespace q700::cli
