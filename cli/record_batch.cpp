// A batch of received records added to a table file whole or not at all.
#include "cli/record_batch.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <ostream>

#include "base/staged_file.h"
#include "cli/design_file.h"
#include "cli/record_output.h"

namespace q700::cli {

bool RecordBatch::Prepare(const std::filesystem::path& path, BatchTarget target) {
  path_ = path;
  std::error_code ec;
  const bool exists = std::filesystem::exists(path, ec);
  if (exists && target == BatchTarget::kNew) {
    ctx_.Fail(path.string() + " exists; add to it with --append, replace it with --force, or " +
              "name another file");
    return false;
  }
  if (!exists || target != BatchTarget::kAppend) return true;
  if (!std::filesystem::is_regular_file(path, ec)) {
    ctx_.Fail("cannot add records to " + path.string() + ": it is no file");
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  contents_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) {
    ctx_.Fail("cannot read " + path.string());
    return false;
  }
  existing_ = ReadExistingTable(contents_, table_);
  if (!existing_.ok) {
    ctx_.Fail("cannot add records to " + path.string() + ": " + existing_.error);
    return false;
  }
  origin_.batch = existing_.last_batch + 1;
  return true;
}

void RecordBatch::SetOrigin(std::string received_at, std::string port) {
  origin_.received_at = std::move(received_at);
  origin_.port = std::move(port);
}

void RecordBatch::Add(std::string_view record) {
  const RecordTable::Row row = table_.Format(record, &origin_);
  if (!row.split) ReportUnsplit(ctx_, "record " + std::to_string(rows_.size() + 1), row);
  rows_.push_back(row.text);
}

bool RecordBatch::Commit() {
  const std::string contents = AppendBatch(contents_, existing_, table_, rows_);
  return SaveOutputFile(ctx_, path_.string(), AsBytes(contents));
}

std::optional<std::filesystem::path> RecordBatch::KeepAside() {
  const std::string contents = AppendBatch({}, ExistingTable{}, table_, rows_);
  StagedFile aside(path_);
  std::string error;
  if (aside.Create(&error) &&
      std::fwrite(contents.data(), 1, contents.size(), aside.stream()) == contents.size()) {
    if (std::optional<std::filesystem::path> kept = aside.KeepAside(&error)) return kept;
  } else if (error.empty()) {
    error = path_.string() + ": write failed";
  }
  ctx_.Fail(std::to_string(rows_.size()) +
            " records received before the failure are lost: " + error);
  return std::nullopt;
}

}  // namespace q700::cli
