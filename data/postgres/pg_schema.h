// Collected records as PostgreSQL tables: one per form of a design, named after the design and
// the form, with the batch's origin and the form's columns typed by their fields; the records that
// fit no form go to one table of their own. Also the values as the server takes them, and a
// connection string with its password taken out, for messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/record_split.h"

namespace q700 {

struct PgColumn {
  std::string name;  // UTF-8, as the CSV's header names it
  std::string type;  // "text", "bigint", "numeric", "date" or "time"
};

struct PgTable {
  std::string name;  // unquoted
  int form = 0;      // 0 for the table of records that fit no form
  // The form's columns; every table starts with received_at, port and batch.
  std::vector<PgColumn> columns;
};

// Table names: the design's file name without its extension, in lower case, every character
// other than a-z, 0-9 and _ as _, then "_form" and the number; "_unsplit" for records that fit no
// form, "_batches" for the batches. At most 63 bytes, the server's limit.
std::string PgTableName(std::string_view design_stem, std::string_view suffix);

// "name" with inner quotes doubled.
std::string PgQuoteIdent(std::string_view name);

// The table of a form's records. `names` are the form's column names (UTF-8).
PgTable PgTableOf(const RecordLayout& layout, const std::vector<std::string>& names,
                  std::string_view design_stem);

// CREATE TABLE IF NOT EXISTS with received_at timestamptz, port text, batch bigint and the form's
// columns.
std::string PgCreateTableSql(const PgTable& table);

// The value of column `column` of a record split by `layout` (UTF-8), as the server takes it for
// the column's type: numbers as they are, the stamp's date as YYYY-MM-DD and its time as
// HH:MM:SS; nothing (NULL) for an empty value of a typed column. False when the value does not
// fit the type (the record then goes whole to the table of records that fit no form).
bool PgValue(const RecordLayout& layout, size_t column, const std::string& type,
             std::string_view value, std::optional<std::string>* out);

// A connection string (URI or key=value pairs) as it may be shown: the password left out.
std::string PgRedact(std::string_view conninfo);

}  // namespace q700
