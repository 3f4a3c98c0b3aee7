// The table of collected records: its columns, its rows as CSV or JSON Lines, and the file a batch
// is appended to.
#include "data/record_table.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <set>

namespace q700 {
namespace {

using Json = nlohmann::ordered_json;

// Text of the code page as UTF-8; a byte that the code page leaves undefined is written \xNN and
// reported in `problem` (when it is still empty).
std::string ToUtf8(std::string_view bytes, int code_page, std::string* problem) {
  std::string text;
  while (!bytes.empty()) {
    const CodePageConversion converted = CodePageToUtf8(bytes, code_page);
    text += converted.text;
    if (converted.ok) break;
    const std::string_view bad = converted.bad_character.empty()
                                     ? bytes.substr(converted.bad_offset, 1)
                                     : std::string_view(converted.bad_character);
    for (unsigned char c : bad) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      text += hex;
      if (problem != nullptr && problem->empty()) {
        *problem = "the byte 0" + std::string(hex + 1) + " is no character of code page " +
                   std::to_string(code_page);
      }
    }
    bytes.remove_prefix(std::min(bytes.size(), converted.bad_offset + bad.size()));
  }
  return text;
}

// "Name", then "Name 2", "Name 3" ... until it is not taken.
std::string Unique(const std::string& name, std::set<std::string>& taken) {
  std::string candidate = name;
  for (int n = 2; taken.count(candidate) != 0; ++n) candidate = name + " " + std::to_string(n);
  taken.insert(candidate);
  return candidate;
}

// The rows of a CSV text: cells split at commas, quoted cells with doubled quotes, rows ending in
// CR LF or LF. False, with the reason, for a quote left open.
bool ParseCsv(std::string_view text, std::vector<std::vector<std::string>>* rows,
              std::string* error) {
  std::vector<std::string> row;
  std::string cell;
  bool quoted = false;
  bool any = false;  // the row has begun
  size_t line = 1;
  size_t quote_line = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"') {
        if (i + 1 < text.size() && text[i + 1] == '"') {
          cell += '"';
          ++i;
        } else {
          quoted = false;
        }
      } else {
        if (c == '\n') ++line;
        cell += c;
      }
      continue;
    }
    if (c == '"') {
      quoted = true;
      quote_line = line;
      any = true;
    } else if (c == ',') {
      row.push_back(std::move(cell));
      cell.clear();
      any = true;
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++line;
      if (any || !cell.empty()) {
        row.push_back(std::move(cell));
        rows->push_back(std::move(row));
      }
      row.clear();
      cell.clear();
      any = false;
    } else {
      cell += c;
      any = true;
    }
  }
  if (quoted) {
    *error = "a quote opened on line " + std::to_string(quote_line) + " is never closed";
    return false;
  }
  if (any || !cell.empty()) {
    row.push_back(std::move(cell));
    rows->push_back(std::move(row));
  }
  return true;
}

std::string JoinColumns(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) {
    if (!text.empty()) text += ",";
    text += CsvCell(name);
  }
  return text;
}

// Batch numbers count receives; one beyond this is a file no receive made.
constexpr int kBatchMax = 1'000'000'000;

bool ParseBatch(std::string_view text, int* batch) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *batch);
  return error == std::errc() && end == text.data() + text.size() && *batch >= 1 &&
         *batch <= kBatchMax;
}

ExistingTable ReadCsv(std::string_view contents, const RecordTable& table) {
  ExistingTable existing;
  if (contents.substr(0, 3) == "\xEF\xBB\xBF") contents.remove_prefix(3);
  std::vector<std::vector<std::string>> rows;
  if (!ParseCsv(contents, &rows, &existing.error)) {
    existing.ok = false;
    return existing;
  }
  if (rows.empty()) return existing;
  existing.has_header = true;
  if (rows[0] != table.columns()) {
    existing.ok = false;
    existing.error =
        "its columns are " + JoinColumns(rows[0]) + ", not " + JoinColumns(table.columns());
    return existing;
  }
  const auto& columns = table.columns();
  const auto batch_at = std::find(columns.begin(), columns.end(), kBatchColumn);
  for (size_t r = 1; r < rows.size(); ++r) {
    if (batch_at == columns.end()) break;
    const size_t at = static_cast<size_t>(batch_at - columns.begin());
    int batch = 0;
    if (at >= rows[r].size() || !ParseBatch(rows[r][at], &batch)) {
      existing.ok = false;
      existing.error = "row " + std::to_string(r + 1) + " has no batch number";
      return existing;
    }
    existing.last_batch = std::max(existing.last_batch, batch);
  }
  return existing;
}

ExistingTable ReadJsonLines(std::string_view contents) {
  ExistingTable existing;
  size_t number = 0;
  while (!contents.empty()) {
    ++number;
    const size_t end = contents.find('\n');
    std::string_view line = contents.substr(0, end);
    contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    const Json object = Json::parse(line, nullptr, false);
    if (object.is_discarded() || !object.is_object()) {
      existing.ok = false;
      existing.error = "line " + std::to_string(number) + " is no JSON object";
      return existing;
    }
    const auto batch = object.find(std::string(kBatchColumn));
    if (batch == object.end()) continue;
    if (!batch->is_number_integer() || batch->get<long long>() < 1 ||
        batch->get<long long>() > kBatchMax) {
      existing.ok = false;
      existing.error = "line " + std::to_string(number) + " has no batch number";
      return existing;
    }
    existing.last_batch = std::max(existing.last_batch, batch->get<int>());
  }
  return existing;
}

}  // namespace

std::string CsvCell(std::string_view value) {
  if (value.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(value);
  std::string cell = "\"";
  for (char c : value) {
    if (c == '"') cell += '"';
    cell += c;
  }
  return cell + "\"";
}

RecordTable::RecordTable(std::vector<RecordLayout> layouts, TableOptions options)
    : layouts_(std::move(layouts)), options_(options) {
  std::set<std::string> own;
  if (options_.origin) {
    for (std::string_view name : {kReceivedAtColumn, kPortColumn, kBatchColumn}) {
      columns_.emplace_back(name);
    }
  }
  if (layouts_.size() > 1) columns_.emplace_back(kFormColumn);
  own.insert(columns_.begin(), columns_.end());
  own.insert(std::string(kUnsplitColumn));

  // Each form's names made unique among its own columns and the table's own; the stamp keeps
  // "Date" and "Time". Forms share a column by name.
  for (const RecordLayout& layout : layouts_) {
    std::set<std::string> taken = own;
    std::vector<std::string> names(layout.columns.size());
    for (int pass = 0; pass < 2; ++pass) {
      for (size_t c = 0; c < layout.columns.size(); ++c) {
        const RecordColumn& column = layout.columns[c];
        if ((column.kind != ColumnKind::kField) != (pass == 0)) continue;
        std::string name;
        const CodePageConversion utf8 = CodePageToUtf8(column.name, options_.code_page);
        name = utf8.ok ? utf8.text : "Field " + std::to_string(column.line + 1);
        names[c] = Unique(name, taken);
      }
    }
    std::vector<size_t> at;
    for (const std::string& name : names) {
      auto found = std::find(columns_.begin(), columns_.end(), name);
      if (found == columns_.end()) {
        columns_.push_back(name);
        found = columns_.end() - 1;
      }
      at.push_back(static_cast<size_t>(found - columns_.begin()));
    }
    column_of_.push_back(std::move(at));
  }
  columns_.emplace_back(kUnsplitColumn);
}

std::string_view RecordTable::LineEnd() const {
  return options_.format == TableFormat::kCsv ? "\r\n" : "\n";
}

std::string RecordTable::Header() const {
  if (options_.format != TableFormat::kCsv) return {};
  return JoinColumns(columns_) + std::string(LineEnd());
}

std::vector<std::string> RecordTable::Cells(const RecordSplit& split, std::string* problem) const {
  std::vector<std::string> cells(split.values.size());
  for (size_t c = 0; c < split.values.size(); ++c) {
    cells[c] = ToUtf8(split.values[c], options_.code_page, problem);
  }
  return cells;
}

RecordTable::Row RecordTable::Format(std::string_view record, const BatchOrigin* origin) const {
  Row row;
  RecordSplit split = SplitRecord(layouts_, record);
  std::vector<std::string> values;
  if (split.outcome == RecordSplit::Outcome::kSplit) {
    values = Cells(split, &row.problem);
    row.split = row.problem.empty();
  } else {
    row.problem = DescribeUnsplit(split, layouts_);
  }
  std::string unsplit;
  if (!row.split) unsplit = ToUtf8(record, options_.code_page, nullptr);

  const bool with_form = layouts_.size() > 1;
  if (options_.format == TableFormat::kJsonLines) {
    Json object = Json::object();
    if (options_.origin && origin != nullptr) {
      object[std::string(kReceivedAtColumn)] = origin->received_at;
      object[std::string(kPortColumn)] = origin->port;
      object[std::string(kBatchColumn)] = origin->batch;
    }
    if (row.split) {
      if (with_form) object[std::string(kFormColumn)] = layouts_[split.layout].form;
      for (size_t c = 0; c < values.size(); ++c) {
        object[columns_[column_of_[split.layout][c]]] = values[c];
      }
    } else {
      object[std::string(kUnsplitColumn)] = unsplit;
    }
    row.text = object.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
    return row;
  }

  std::vector<std::string> cells(columns_.size());
  size_t next = 0;
  if (options_.origin && origin != nullptr) {
    cells[next++] = origin->received_at;
    cells[next++] = origin->port;
    cells[next++] = std::to_string(origin->batch);
  }
  if (row.split) {
    if (with_form) cells[next] = std::to_string(layouts_[split.layout].form);
    for (size_t c = 0; c < values.size(); ++c) cells[column_of_[split.layout][c]] = values[c];
  } else {
    cells.back() = unsplit;
  }
  for (size_t c = 0; c < cells.size(); ++c) {
    if (c > 0) row.text += ",";
    row.text += CsvCell(cells[c]);
  }
  row.text += LineEnd();
  return row;
}

ExistingTable ReadExistingTable(std::string_view contents, const RecordTable& table) {
  ExistingTable existing = table.options().format == TableFormat::kCsv ? ReadCsv(contents, table)
                                                                       : ReadJsonLines(contents);
  existing.ends_in_line = contents.empty() || contents.back() == '\n';
  return existing;
}

std::string AppendBatch(std::string_view contents, const ExistingTable& existing,
                        const RecordTable& table, const std::vector<std::string>& rows) {
  std::string text(contents);
  if (!existing.ends_in_line) text += table.LineEnd();
  if (!existing.has_header) text += table.Header();
  for (const std::string& row : rows) text += row;
  return text;
}

}  // namespace q700
