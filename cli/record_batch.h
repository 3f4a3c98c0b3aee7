// One receive's records as a batch of a table file: split as they arrive, and added to the file
// whole or not at all. The file is only ever replaced by a complete new one written beside it,
// so a receive that fails or is interrupted leaves it exactly as it was.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "data/record_table.h"

namespace q700::cli {

enum class BatchTarget {
  kNew,      // the file must not exist (or is replaced)
  kReplace,  // the file is replaced when it exists
  kAppend,   // the batch is added to what the file holds
};

class RecordBatch {
 public:
  RecordBatch(Context& ctx, const RecordTable& table) : ctx_(ctx), table_(table) {}

  // Reads the file the batch goes into: refuses an existing file for kNew, and for kAppend one
  // whose columns are not the table's; the batch number is one above the file's highest. False
  // after telling the user.
  bool Prepare(const std::filesystem::path& path, BatchTarget target);

  // The origin of every row: when the receive started and from which port.
  void SetOrigin(std::string received_at, std::string port);
  int batch() const { return origin_.batch; }

  // One record as it arrived; one that is kept whole is reported with its number.
  void Add(std::string_view record);
  size_t size() const { return rows_.size(); }

  // Replaces the file with what it held and the batch's rows. False after telling the user.
  bool Commit();

  // Writes the batch's rows alone (a table of its own) to a new file beside the file, never under
  // its name, for records the terminal saw acknowledged before the receive failed. The file's
  // name, or nothing after telling the user.
  std::optional<std::filesystem::path> KeepAside();

  // Forgets the rows, for a receive started again.
  void Clear() { rows_.clear(); }

 private:
  Context& ctx_;
  const RecordTable& table_;
  std::filesystem::path path_;
  std::string contents_;
  ExistingTable existing_;
  BatchOrigin origin_;
  std::vector<std::string> rows_;
};

}  // namespace q700::cli
