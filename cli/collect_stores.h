// Where `tpq700 collect` puts its batches: a CSV or JSON Lines file that each batch is added to
// whole, or PostgreSQL tables (builds with database support).
#pragma once

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "cli/command.h"
#include "data/record_table.h"
#include "station/station.h"

namespace q700::cli {

// The batches as rows of one table file, each batch added with the next batch number. The file
// is only ever replaced by a complete new one, so a batch is in it whole or not at all.
class FileBatchStore final : public BatchStore {
 public:
  // `say` guards the tool's output: the stations's threads share it.
  FileBatchStore(Context& ctx, std::mutex& say, RecordTable table, std::filesystem::path path)
      : ctx_(ctx), say_(say), table_(std::move(table)), path_(std::move(path)) {}

  // Reads the file when it exists and checks that its columns are the table's. False after
  // telling the user.
  bool Prepare();
  StoreResult Store(const StationBatch& batch) override;

 private:
  Context& ctx_;
  std::mutex& say_;
  RecordTable table_;
  std::filesystem::path path_;
  std::string contents_;
  ExistingTable existing_;
};

// The batches into PostgreSQL; null, after telling the user, when the server cannot be reached
// or its tables do not fit, and in builds without database support.
std::unique_ptr<BatchStore> OpenDatabaseStore(Context& ctx, const std::string& conninfo,
                                              const std::filesystem::path& design_path,
                                              const std::vector<RecordLayout>& layouts,
                                              int code_page);

// Writes batches that could not be stored to a text file each (one record a line, CR LF) beside
// the current folder, and tells the user where. False when one of them could not be written.
bool KeepUnstored(Context& ctx, const std::vector<StationBatch>& batches);

}  // namespace q700::cli
