// What the commands that write collected records as a table share: --csv, --jsonl and
// --codepage, the forms to split by, the lines of a records file and the report of a record kept
// whole.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "data/record_table.h"
#include "model/design.h"

namespace q700::cli {

struct RecordOutputOptions {
  std::string path;  // the file named by --csv or --jsonl; empty when neither was given
  TableFormat format = TableFormat::kCsv;
  int code_page = kDefaultCodePage;
};

enum class RecordOutputUse { kRequired, kOptional };

// Adds --csv FILE and --jsonl FILE (one of them; required or not) and --codepage. `options` must
// outlive the parse.
void AddRecordOutputOptions(CLI::App& command, RecordOutputOptions& options, RecordOutputUse use);

TableOptions TableOptionsFor(const RecordOutputOptions& options, bool origin);

// The layouts to split by: form `form` (1 to 10) alone, or with 0 every form that keeps records.
// False, after telling the user, when there is none.
bool RecordLayoutsFor(Context& ctx, const Design& design, const std::string& design_path, int form,
                      std::vector<RecordLayout>* layouts);

// The records of a received-data file: its lines, each without its CR LF (or LF); a last line
// without a line end counts too.
std::vector<std::string> RecordLines(std::string_view text);

// Writes a table to the file `path` (replacing it whole) or, for "-", to stdout byte for byte.
// False after telling the user.
bool WriteTable(Context& ctx, const std::string& path, std::string_view contents);

// "tpq700: WHERE: fits no form; kept whole in the column unsplit" on stderr.
void ReportUnsplit(Context& ctx, const std::string& where, const RecordTable::Row& row);

inline ConstBytes AsBytes(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

}  // namespace q700::cli
