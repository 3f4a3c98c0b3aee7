// The collection station's stores: a table file, or PostgreSQL.
#include "cli/collect_stores.h"

#include <ctime>
#include <fstream>
#include <iterator>
#include <ostream>

#include "base/atomic_file.h"
#include "cli/record_output.h"
#ifdef Q700_POSTGRES
#include "data/postgres/pg_store.h"
#endif

namespace q700::cli {

bool FileBatchStore::Prepare() {
  std::error_code ec;
  if (!std::filesystem::exists(path_, ec)) return true;
  if (!std::filesystem::is_regular_file(path_, ec)) {
    ctx_.Fail("cannot add records to " + path_.string() + ": it is no file");
    return false;
  }
  std::ifstream in(path_, std::ios::binary);
  contents_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) {
    ctx_.Fail("cannot read " + path_.string());
    return false;
  }
  existing_ = ReadExistingTable(contents_, table_);
  if (!existing_.ok) {
    ctx_.Fail("cannot add records to " + path_.string() + ": " + existing_.error);
    return false;
  }
  return true;
}

StoreResult FileBatchStore::Store(const StationBatch& batch) {
  BatchOrigin origin{batch.received_at, batch.port, existing_.last_batch + 1};
  std::vector<std::string> rows;
  rows.reserve(batch.records.size());
  int unsplit = 0;
  for (const std::string& record : batch.records) {
    RecordTable::Row row = table_.Format(record, &origin);
    unsplit += row.split ? 0 : 1;
    rows.push_back(std::move(row.text));
  }
  std::string contents = AppendBatch(contents_, existing_, table_, rows);
  std::string error;
  if (!ReplaceFileContents(path_, AsBytes(contents), &error)) {
    return {StoreStatus::kFailed, {}, error};
  }
  contents_ = std::move(contents);
  existing_.last_batch = origin.batch;
  existing_.has_header = true;
  existing_.ends_in_line = true;
  if (unsplit > 0) {
    const std::lock_guard lock(say_);
    ctx_.err << "tpq700: " << batch.port << ": " << unsplit << " of " << batch.records.size()
             << " records fit no form; kept whole in the column unsplit\n";
  }
  return {StoreStatus::kStored, {}, {}};
}

#ifdef Q700_POSTGRES
namespace {

class DatabaseStore final : public BatchStore {
 public:
  explicit DatabaseStore(std::unique_ptr<PgStore> store) : store_(std::move(store)) {}
  StoreResult Store(const StationBatch& batch) override {
    std::string error;
    switch (store_->Store({batch.port, batch.received_at, batch.records}, &error)) {
      case PgStoreStatus::kStored:
        return {StoreStatus::kStored, {}, {}};
      case PgStoreStatus::kAlreadyStored:
        return {StoreStatus::kAlreadyStored, {}, {}};
      default:
        return {StoreStatus::kFailed, {}, error};
    }
  }

 private:
  std::unique_ptr<PgStore> store_;
};

}  // namespace
#endif

std::unique_ptr<BatchStore> OpenDatabaseStore(Context& ctx, const std::string& conninfo,
                                              const std::filesystem::path& design_path,
                                              const std::vector<RecordLayout>& layouts,
                                              int code_page) {
#ifdef Q700_POSTGRES
  std::vector<std::vector<std::string>> names;
  for (const RecordLayout& layout : layouts) {
    names.push_back(RecordTable({layout}, TableOptions{TableFormat::kCsv, code_page}).columns());
  }
  auto store =
      std::make_unique<PgStore>(conninfo, design_path.stem().string(), layouts, names, code_page);
  std::string error;
  if (!store->Open(&error)) {
    ctx.Fail(error);
    return nullptr;
  }
  std::string tables;
  for (const PgTable& table : store->tables()) tables += " " + table.name;
  ctx.err << "tpq700: into the tables" << tables
          << " (records of no form: " << store->unsplit_table()
          << ", batches: " << store->batches_table() << ")\n";
  return std::make_unique<DatabaseStore>(std::move(store));
#else
  (void)conninfo;
  (void)design_path;
  (void)layouts;
  (void)code_page;
  ctx.Fail("this build has no database support: collect into --csv FILE or --jsonl FILE");
  return nullptr;
#endif
}

bool KeepUnstored(Context& ctx, const std::vector<StationBatch>& batches) {
  bool all = true;
  for (size_t i = 0; i < batches.size(); ++i) {
    const StationBatch& batch = batches[i];
    std::string name = "collect-unstored-" + std::to_string(std::time(nullptr)) + "-" +
                       std::to_string(i + 1) + ".txt";
    std::string contents;
    for (const std::string& record : batch.records) contents += record + "\r\n";
    std::string error;
    if (ReplaceFileContents(name, AsBytes(contents), &error)) {
      ctx.err << "tpq700: " << batch.port << ": the " << batch.records.size()
              << " records that could not be stored are kept in " << name << "\n";
    } else {
      ctx.err << "tpq700: " << batch.port << ": " << batch.records.size()
              << " records could not be stored nor kept (" << error << ")\n";
      all = false;
    }
  }
  return all;
}

}  // namespace q700::cli
