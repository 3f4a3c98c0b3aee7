// Batches into PostgreSQL through libpq.
#include "data/postgres/pg_store.h"

#include <libpq-fe.h>

#include <cstdio>
#include <memory>

#include "texts/code_page.h"

namespace q700 {
namespace {

using ResultPtr = std::unique_ptr<PGresult, decltype(&PQclear)>;

ResultPtr Exec(PGconn* conn, const std::string& sql, const std::vector<const char*>& params = {}) {
  return ResultPtr(PQexecParams(conn, sql.c_str(), static_cast<int>(params.size()), nullptr,
                                params.data(), nullptr, nullptr, 0),
                   &PQclear);
}

bool Ok(const ResultPtr& result) {
  const ExecStatusType status = PQresultStatus(result.get());
  return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

// What identifies a batch's records: a 64-bit FNV-1a hash of each record and its line end.
std::string Digest(const std::vector<std::string>& records) {
  uint64_t hash = 14695981039346656037ull;
  const auto add = [&hash](unsigned char c) {
    hash ^= c;
    hash *= 1099511628211ull;
  };
  for (const std::string& record : records) {
    for (const char c : record) add(static_cast<unsigned char>(c));
    add('\r');
    add('\n');
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

// The bytes as UTF-8; false at a byte the code page leaves undefined.
bool ToUtf8(std::string_view bytes, int code_page, std::string* text) {
  const CodePageConversion converted = CodePageToUtf8(bytes, code_page);
  *text = converted.text;
  return converted.ok;
}

// The record as text when it cannot be converted: undefined bytes written \xNN.
std::string Escaped(std::string_view bytes, int code_page) {
  std::string text;
  for (const char c : bytes) {
    std::string one;
    if (ToUtf8(std::string_view(&c, 1), code_page, &one)) {
      text += one;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
      text += hex;
    }
  }
  return text;
}

}  // namespace

PgStore::PgStore(std::string conninfo, std::string design_stem, std::vector<RecordLayout> layouts,
                 const std::vector<std::vector<std::string>>& names, int code_page)
    : conninfo_(std::move(conninfo)), layouts_(std::move(layouts)), code_page_(code_page) {
  for (size_t i = 0; i < layouts_.size(); ++i) {
    tables_.push_back(PgTableOf(layouts_[i], names[i], design_stem));
  }
  batches_table_ = PgTableName(design_stem, "batches");
  unsplit_table_ = PgTableName(design_stem, "unsplit");
}

PgStore::~PgStore() {
  if (conn_ != nullptr) PQfinish(conn_);
}

std::string PgStore::Fail(const std::string& what) {
  std::string message = conn_ != nullptr ? PQerrorMessage(conn_) : "";
  while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
  return message.empty() ? what : what + ": " + message;
}

bool PgStore::Connected() {
  if (conn_ != nullptr && PQstatus(conn_) == CONNECTION_OK) return true;
  prepared_ = false;
  if (conn_ == nullptr) {
    conn_ = PQconnectdb(conninfo_.c_str());
  } else {
    PQreset(conn_);
  }
  return PQstatus(conn_) == CONNECTION_OK;
}

bool PgStore::Prepare(std::string* error) {
  if (prepared_) return true;
  // Notices of tables that already exist say nothing the user needs.
  PQsetNoticeProcessor(
      conn_, [](void*, const char*) {}, nullptr);
  std::vector<std::string> statements;
  statements.push_back("CREATE TABLE IF NOT EXISTS " + PgQuoteIdent(batches_table_) +
                       " (batch bigserial PRIMARY KEY, received_at timestamptz NOT NULL, port "
                       "text NOT NULL, records integer NOT NULL, digest text NOT NULL)");
  statements.push_back("CREATE TABLE IF NOT EXISTS " + PgQuoteIdent(unsplit_table_) +
                       " (received_at timestamptz NOT NULL, port text NOT NULL, batch bigint NOT "
                       "NULL, record text NOT NULL)");
  for (const PgTable& table : tables_) statements.push_back(PgCreateTableSql(table));
  for (const std::string& sql : statements) {
    if (!Ok(Exec(conn_, sql))) {
      *error = Fail("cannot create the tables");
      return false;
    }
  }
  // A table made earlier for other columns would take rows in the wrong places.
  for (const PgTable& table : tables_) {
    const ResultPtr result = Exec(conn_,
                                  "SELECT column_name FROM information_schema.columns WHERE "
                                  "table_schema = current_schema() AND table_name = $1 ORDER BY "
                                  "ordinal_position",
                                  {table.name.c_str()});
    if (!Ok(result)) {
      *error = Fail("cannot read the columns of " + table.name);
      return false;
    }
    std::vector<std::string> want = {"received_at", "port", "batch"};
    for (const PgColumn& column : table.columns) want.push_back(column.name);
    std::vector<std::string> have;
    for (int row = 0; row < PQntuples(result.get()); ++row) {
      have.emplace_back(PQgetvalue(result.get(), row, 0));
    }
    if (have != want) {
      std::string list;
      for (const std::string& name : have) list += (list.empty() ? "" : ",") + name;
      *error = "the table " + table.name + " has the columns " + list + ", not those of form " +
               std::to_string(table.form) + " of the design";
      return false;
    }
  }
  prepared_ = true;
  return true;
}

bool PgStore::Open(std::string* error) {
  if (!Connected()) {
    *error = Fail("cannot connect to " + PgRedact(conninfo_));
    return false;
  }
  return Prepare(error);
}

PgStoreStatus PgStore::Store(const PgBatch& batch, std::string* error) {
  if (!Connected()) {
    *error = Fail("cannot connect to " + PgRedact(conninfo_));
    return PgStoreStatus::kFailed;
  }
  if (!Prepare(error)) return PgStoreStatus::kFailed;
  const auto failed = [&](const std::string& what) {
    *error = Fail(what);
    if (PQstatus(conn_) == CONNECTION_OK) Exec(conn_, "ROLLBACK");
    return PgStoreStatus::kFailed;
  };
  if (!Ok(Exec(conn_, "BEGIN"))) return failed("cannot begin a transaction");

  const std::string digest = Digest(batch.records);
  const std::string count = std::to_string(batch.records.size());
  // A batch whose commit was sent but never confirmed comes again after the connection is made
  // anew: the same port and records, received within a minute of it.
  const ResultPtr earlier =
      Exec(conn_,
           "SELECT batch FROM " + PgQuoteIdent(batches_table_) +
               " WHERE port = $1 AND digest = $2 AND records = $3 AND "
               "abs(extract(epoch FROM received_at - $4::timestamptz)) < 60",
           {batch.port.c_str(), digest.c_str(), count.c_str(), batch.received_at.c_str()});
  if (!Ok(earlier)) return failed("cannot look for the batch");
  if (PQntuples(earlier.get()) > 0) {
    Exec(conn_, "ROLLBACK");
    return PgStoreStatus::kAlreadyStored;
  }
  const ResultPtr added =
      Exec(conn_,
           "INSERT INTO " + PgQuoteIdent(batches_table_) +
               " (received_at, port, records, digest) VALUES ($1, $2, $3, $4) "
               "RETURNING batch",
           {batch.received_at.c_str(), batch.port.c_str(), count.c_str(), digest.c_str()});
  if (!Ok(added) || PQntuples(added.get()) != 1) return failed("cannot add the batch");
  const std::string number = PQgetvalue(added.get(), 0, 0);

  for (const std::string& record : batch.records) {
    const RecordSplit split = SplitRecord(layouts_, record);
    std::vector<std::optional<std::string>> values;
    bool fits = split.outcome == RecordSplit::Outcome::kSplit;
    const PgTable* table = fits ? &tables_[split.layout] : nullptr;
    for (size_t i = 0; fits && i < split.values.size(); ++i) {
      std::string text;
      std::optional<std::string> value;
      fits = ToUtf8(split.values[i], code_page_, &text) &&
             PgValue(layouts_[split.layout], i, table->columns[i].type, text, &value);
      values.push_back(std::move(value));
    }
    std::string sql;
    std::vector<const char*> params = {batch.received_at.c_str(), batch.port.c_str(),
                                       number.c_str()};
    std::string whole;
    if (fits) {
      sql = "INSERT INTO " + PgQuoteIdent(table->name) + " VALUES ($1, $2, $3";
      for (size_t i = 0; i < values.size(); ++i) {
        sql += ", $" + std::to_string(i + 4);
        params.push_back(values[i] ? values[i]->c_str() : nullptr);
      }
      sql += ")";
    } else {
      whole = Escaped(record, code_page_);
      sql = "INSERT INTO " + PgQuoteIdent(unsplit_table_) + " VALUES ($1, $2, $3, $4)";
      params.push_back(whole.c_str());
    }
    if (!Ok(Exec(conn_, sql, params))) return failed("cannot add a record");
  }
  if (!Ok(Exec(conn_, "COMMIT"))) {
    *error = Fail("the batch was not committed");
    return PgStoreStatus::kFailed;
  }
  return PgStoreStatus::kStored;
}

}  // namespace q700
