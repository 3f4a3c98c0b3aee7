// Batches of collected records into a PostgreSQL database: the tables made when missing, each
// batch in one transaction, a batch already stored (the same port and records, received within a
// minute of it) not stored again, and the connection made anew when the server went away.
#pragma once

#include <string>
#include <vector>

#include "data/postgres/pg_schema.h"
#include "data/record_split.h"

struct pg_conn;

namespace q700 {

struct PgBatch {
  std::string port;
  std::string received_at;           // ISO 8601 with its offset
  std::vector<std::string> records;  // data bytes in the terminal's code page
};

enum class PgStoreStatus { kStored, kAlreadyStored, kFailed };

class PgStore {
 public:
  // `names` holds the column names of each layout (UTF-8); `conninfo` a URI or key=value pairs,
  // passwords as libpq takes them (the string, PGPASSWORD, the password file, a service file).
  PgStore(std::string conninfo, std::string design_stem, std::vector<RecordLayout> layouts,
          const std::vector<std::vector<std::string>>& names, int code_page);
  ~PgStore();
  PgStore(const PgStore&) = delete;
  PgStore& operator=(const PgStore&) = delete;

  // Connects and makes the tables that are missing; refuses a table whose columns differ. False
  // with the reason.
  bool Open(std::string* error);
  // The batch whole or nothing of it. Connects again first when the connection was lost.
  PgStoreStatus Store(const PgBatch& batch, std::string* error);

  const std::vector<PgTable>& tables() const { return tables_; }
  const std::string& batches_table() const { return batches_table_; }
  const std::string& unsplit_table() const { return unsplit_table_; }

 private:
  bool Connected();
  bool Prepare(std::string* error);
  std::string Fail(const std::string& what);

  std::string conninfo_;
  std::vector<RecordLayout> layouts_;
  std::vector<PgTable> tables_;
  std::string batches_table_;
  std::string unsplit_table_;
  int code_page_;
  pg_conn* conn_ = nullptr;
  bool prepared_ = false;
};

}  // namespace q700
