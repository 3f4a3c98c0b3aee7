// Collected records as a table: the columns named by the design (prompts made unique, "Date" and
// "Time" for the stamp, "Form" when more than one form can store records), one row per record as
// CSV or JSON Lines in UTF-8, and the checks of an existing file that a batch is appended to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/record_split.h"
#include "texts/code_page.h"

namespace q700 {

enum class TableFormat { kCsv, kJsonLines };

// The table's own columns.
inline constexpr std::string_view kReceivedAtColumn = "received_at";
inline constexpr std::string_view kPortColumn = "port";
inline constexpr std::string_view kBatchColumn = "batch";
inline constexpr std::string_view kFormColumn = "Form";
inline constexpr std::string_view kUnsplitColumn = "unsplit";

struct TableOptions {
  TableFormat format = TableFormat::kCsv;
  int code_page = kDefaultCodePage;
  // received_at, port and batch before the form's columns.
  bool origin = false;
};

// Where a batch of received records came from.
struct BatchOrigin {
  std::string received_at;  // ISO 8601, local time with its offset
  std::string port;         // UTF-8
  int batch = 1;
};

class RecordTable {
 public:
  RecordTable(std::vector<RecordLayout> layouts, TableOptions options);

  // The names of the columns in order, UTF-8.
  const std::vector<std::string>& columns() const { return columns_; }
  const std::vector<RecordLayout>& layouts() const { return layouts_; }
  const TableOptions& options() const { return options_; }
  // The line ending each row.
  std::string_view LineEnd() const;

  // The header row for CSV; nothing for JSON Lines.
  std::string Header() const;

  struct Row {
    std::string text;     // the row with its line end
    bool split = false;   // false: the record is kept whole in the column "unsplit"
    std::string problem;  // why it was kept whole
  };
  // The row of one record (its data bytes in the terminal's code page).
  Row Format(std::string_view record, const BatchOrigin* origin = nullptr) const;

 private:
  std::vector<std::string> Cells(const RecordSplit& split, std::string* problem) const;

  std::vector<RecordLayout> layouts_;
  TableOptions options_;
  std::vector<std::string> columns_;
  // For each layout, the table column of each of its columns.
  std::vector<std::vector<size_t>> column_of_;
};

// What a file that a batch is appended to already holds.
struct ExistingTable {
  bool ok = true;
  std::string error;         // why the batch cannot be appended
  bool has_header = false;   // CSV: the header row is there
  bool ends_in_line = true;  // the last row has its line end
  int last_batch = 0;        // the highest batch number in the file; 0 when none
};

// Reads a file that rows of `table` are to be appended to: a CSV file must have the table's
// header row (an empty file has none yet), a JSON Lines file only objects; batch numbers must be
// whole numbers.
ExistingTable ReadExistingTable(std::string_view contents, const RecordTable& table);

// The bytes of a file with the rows of one batch appended: what it held, a line end when its last
// row had none, the header when it had none, then the rows.
std::string AppendBatch(std::string_view contents, const ExistingTable& existing,
                        const RecordTable& table, const std::vector<std::string>& rows);

// One CSV cell, quoted when it holds a comma, a quote or a line break.
std::string CsvCell(std::string_view value);

}  // namespace q700
