// tpq700 records: received records split into the fields of the forms that composed them, as CSV
// or JSON Lines.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>

#include "cli/design_file.h"
#include "cli/record_output.h"
#include "data/record_table.h"

namespace q700::cli {
namespace {

struct RecordsOptions {
  std::string design;
  std::string records;
  int form = 0;
  RecordOutputOptions output;
  bool force = false;
  bool quiet = false;
};

constexpr char kRecordsFooter[] =
    "Each record is split by the layout its form gives it: the data field delimiters, fixed "
    "lengths (their blanks or zeros taken off as the alignment says), prefixes and suffixes, "
    "extension lines and the date and time stamp. Without --form every form whose record action "
    "keeps records (save and its combinations) is tried, and the one that fits is taken. A "
    "record that fits no form, or more than one, or one in more than one way, is reported on "
    "stderr with its line number and kept whole in the column \"unsplit\".\n"
    "CSV: a header row from the prompts (made unique; \"Date\" and \"Time\" for the stamp; "
    "\"Form\" when more than one form is tried), CR LF line ends. JSON Lines: one object per "
    "record with the same names. Both UTF-8. FILE - writes to stdout.\n";

}  // namespace

void AddRecordsCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand(
      "records", "Split received records into the fields of their forms, as CSV or JSON Lines");
  auto o = std::make_shared<RecordsOptions>();
  cmd->add_option("DESIGN", o->design, "Project file (.TPX) whose forms composed the records")
      ->required();
  cmd->add_option("RECORDS", o->records, "Received records, one a line (as receive writes them)")
      ->required();
  cmd->add_option("--form", o->form, "Split by this form (1 to 10) alone")
      ->check(CLI::Range(1, kFormCount));
  AddRecordOutputOptions(*cmd, o->output, RecordOutputUse::kRequired);
  cmd->add_flag("--force", o->force, "Replace the output file when it exists");
  cmd->add_flag("--quiet", o->quiet, "No summary on stderr; records kept whole are still reported");
  cmd->footer(kRecordsFooter);
  cmd->callback([&ctx, o] {
    const std::string& out_path = o->output.path;
    std::error_code ec;
    if (out_path != "-" && !o->force && std::filesystem::exists(out_path, ec)) {
      ctx.Fail(out_path + " exists; name another file or replace it with --force");
      return;
    }
    Design design;
    if (!LoadDesignFile(ctx, o->design, design)) return;
    std::vector<RecordLayout> layouts;
    if (!RecordLayoutsFor(ctx, design, o->design, o->form, &layouts)) return;

    std::ifstream in(o->records, std::ios::binary);
    if (!in) {
      ctx.Fail("cannot read " + o->records);
      return;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
      ctx.Fail("cannot read " + o->records);
      return;
    }

    const RecordTable table(std::move(layouts), TableOptionsFor(o->output, false));
    std::string contents = table.Header();
    int count = 0, whole = 0;
    for (const std::string& record : RecordLines(text)) {
      ++count;
      const RecordTable::Row row = table.Format(record);
      if (!row.split) {
        ++whole;
        ReportUnsplit(ctx, o->records + " line " + std::to_string(count), row);
      }
      contents += row.text;
    }
    if (!WriteTable(ctx, out_path, contents)) return;
    if (!o->quiet) {
      ctx.err << "tpq700: " << count << (count == 1 ? " record: " : " records: ") << count - whole
              << " split, " << whole << " kept whole\n";
    }
  });
}

}  // namespace q700::cli
