// The options and reports shared by the commands that write collected records as a table.
#include "cli/record_output.h"

#include <iostream>
#include <ostream>

#include "cli/codepage_option.h"
#include "cli/design_file.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace q700::cli {

void AddRecordOutputOptions(CLI::App& command, RecordOutputOptions& options, RecordOutputUse use) {
  auto* group = command.add_option_group("table", "The records as a table (one of these)");
  group
      ->add_option_function<std::string>(
          "--csv",
          [&options](const std::string& path) {
            options.path = path;
            options.format = TableFormat::kCsv;
          },
          "Write the records as CSV to FILE")
      ->type_name("FILE");
  group
      ->add_option_function<std::string>(
          "--jsonl",
          [&options](const std::string& path) {
            options.path = path;
            options.format = TableFormat::kJsonLines;
          },
          "Write the records as JSON Lines to FILE")
      ->type_name("FILE");
  if (use == RecordOutputUse::kRequired) {
    group->require_option(1);
  } else {
    group->require_option(0, 1);
  }
  AddCodePageOption(command, options.code_page);
}

TableOptions TableOptionsFor(const RecordOutputOptions& options, bool origin) {
  TableOptions table;
  table.format = options.format;
  table.code_page = options.code_page;
  table.origin = origin;
  return table;
}

bool RecordLayoutsFor(Context& ctx, const Design& design, const std::string& design_path, int form,
                      std::vector<RecordLayout>* layouts) {
  if (form != 0) {
    RecordLayout layout = RecordLayoutOf(design, form);
    if (layout.columns.empty()) {
      ctx.Fail("form " + std::to_string(form) + " of " + design_path +
               " puts no field and no stamp into its record");
      return false;
    }
    layouts->push_back(std::move(layout));
    return true;
  }
  for (int number : StoringForms(design)) layouts->push_back(RecordLayoutOf(design, number));
  if (layouts->empty()) {
    ctx.Fail(design_path +
             " has no form whose record action keeps records (save and its combinations); "
             "name the form with --form");
    return false;
  }
  return true;
}

std::vector<std::string> RecordLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
  }
  return lines;
}

bool WriteTable(Context& ctx, const std::string& path, std::string_view contents) {
  if (path != "-") return SaveOutputFile(ctx, path, AsBytes(contents));
#ifdef _WIN32
  // The console's text mode would turn every CR LF of a CSV row into CR CR LF.
  const bool console = &ctx.out == &std::cout;
  if (console) {
    std::cout.flush();
    _setmode(_fileno(stdout), _O_BINARY);
  }
  ctx.out << contents;
  if (console) {
    std::cout.flush();
    _setmode(_fileno(stdout), _O_TEXT);
  }
#else
  ctx.out << contents;
#endif
  return true;
}

void ReportUnsplit(Context& ctx, const std::string& where, const RecordTable::Row& row) {
  ctx.err << "tpq700: " << where << ": " << row.problem << "; kept whole in the column "
          << kUnsplitColumn << "\n";
}

}  // namespace q700::cli
