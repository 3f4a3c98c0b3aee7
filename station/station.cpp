// The collection station's threads: one per port, each with its own link.
#include "station/station.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#include "link/link.h"
#include "link/link_ui.h"
#include "link/receive.h"

namespace q700 {
namespace {

// Waits are cut into slices of this length so that a stop is seen soon.
constexpr uint32_t kWaitSliceMs = 200;

// What the ports' threads share.
struct Shared {
  const StationConfig& config;
  PortSystem& ports;
  Clock& clock;
  BatchStore& store;
  StationEvents& events;
  const std::function<bool()>& stop;
  std::mutex ports_mutex;
  std::mutex store_mutex;
  std::mutex events_mutex;
  std::atomic<int> stored{0};
  std::vector<StationBatch> unstored;  // under store_mutex

  bool Stopping() const {
    return stop() || (config.stop_after > 0 && stored.load() >= config.stop_after);
  }
  void Report(StationEvent event) {
    const std::lock_guard lock(events_mutex);
    events.Report(event);
  }
  // Lets `ms` pass, or less when the station stops meanwhile.
  void Wait(uint32_t ms) {
    const uint64_t end = clock.NowMs() + ms;
    for (uint64_t now = clock.NowMs(); now < end && !Stopping(); now = clock.NowMs()) {
      clock.Pause(static_cast<uint32_t>(std::min<uint64_t>(end - now, kWaitSliceMs)));
    }
  }
};

// What a port's thread knows of its port beyond what the link sees.
struct PortState {
  std::atomic<bool> lost{false};  // the port reported an error: it must be opened again
  std::atomic<bool> busy{false};  // an upload has begun: the stop waits for its end
};

// The port as the link gets it: an error marks it lost, and once the station stops, a wait
// outside an upload ends as a failure so the exchange gives up at once.
class WatchedPort final : public SerialPort {
 public:
  WatchedPort(std::unique_ptr<SerialPort> inner, Shared& shared, PortState& state)
      : inner_(std::move(inner)), shared_(shared), state_(state) {}

  bool SetQueueSizes(uint32_t r, uint32_t s) override { return inner_->SetQueueSizes(r, s); }
  bool ApplySettings(const LineSettings& s) override {
    byte_us_ = s.baud_rate != 0 ? 10'000'000 / s.baud_rate : 0;
    return inner_->ApplySettings(s);
  }
  bool ReadSettings(LineSettings* s) override { return inner_->ReadSettings(s); }
  bool SetTimeouts(const PortTimeouts& t) override { return inner_->SetTimeouts(t); }
  bool GetTimeouts(PortTimeouts* t) override { return inner_->GetTimeouts(t); }
  bool Purge(Queues queues) override { return inner_->Purge(queues); }

  // Once the port failed, the exchange under way ends at once instead of waiting out its limits.
  IoResult Write(ConstBytes data, uint32_t timeout_ms) override {
    if (state_.lost.load()) return {IoStatus::kFailed, 0};
    sent_at_ = std::chrono::steady_clock::now();
    sent_bytes_ = data.size();
    return Watch(inner_->Write(data, timeout_ms));
  }
  IoResult Read(Bytes buffer, uint32_t timeout_ms) override {
    if (state_.lost.load() || Abandoned()) return {IoStatus::kFailed, 0};
    AwaitAnswer(timeout_ms);
    IoResult result = Watch(inner_->Read(buffer, timeout_ms));
    if (result.count == 0 && Abandoned()) return {IoStatus::kFailed, 0};
    Gather(buffer, &result);
    return result;
  }

 private:
  bool Abandoned() const { return !state_.busy.load() && shared_.Stopping(); }

  // With four terminals uploading, waking for every few bytes of a record would cost the
  // station more than the line itself. A record begun is likely as long as the one before it, so
  // the rest of it is given the time it takes on the line and then taken in one read.
  void Gather(Bytes buffer, IoResult* result) {
    const size_t before = result->count;
    Track(buffer.first(before));
    if (result->status != IoStatus::kDone || byte_us_ == 0 || partial_ == 0 ||
        last_record_ <= partial_ || before == buffer.size()) {
      return;
    }
    const size_t missing = std::min(last_record_ - partial_, buffer.size() - before);
    std::this_thread::sleep_for(std::chrono::microseconds(missing * byte_us_));
    const IoResult more = Watch(inner_->Read(buffer.subspan(before), 0));
    if (more.status != IoStatus::kDone) return;
    Track(buffer.subspan(before, more.count));
    result->count += more.count;
  }
  // After a reply, the next record cannot be complete before the reply and a record as long as
  // the last one have crossed the line: no need to wake before.
  void AwaitAnswer(uint32_t timeout_ms) {
    if (byte_us_ == 0 || partial_ != 0 || last_record_ == 0 || sent_bytes_ == 0) return;
    const auto due = sent_at_ + std::chrono::microseconds((sent_bytes_ + last_record_) * byte_us_);
    sent_bytes_ = 0;
    const auto now = std::chrono::steady_clock::now();
    if (due > now && due - now < std::chrono::milliseconds(timeout_ms)) {
      std::this_thread::sleep_until(due);
    }
  }
  // Follows the record lengths in the bytes read.
  void Track(ConstBytes bytes) {
    for (const uint8_t byte : bytes) {
      ++partial_;
      if (byte == '\r') {
        last_record_ = partial_;
        partial_ = 0;
      }
    }
  }
  IoResult Watch(IoResult result) {
    if (result.status == IoStatus::kFailed) state_.lost.store(true);
    return result;
  }

  std::unique_ptr<SerialPort> inner_;
  Shared& shared_;
  PortState& state_;
  uint32_t byte_us_ = 0;                           // a byte's time on the line
  std::chrono::steady_clock::time_point sent_at_;  // the last write, and its size
  size_t sent_bytes_ = 0;
  size_t last_record_ = 0;  // bytes of the last record, its carriage return included
  size_t partial_ = 0;      // bytes of the record under way
};

// The shared port list as one thread's link sees it: one caller at a time, ports watched.
class StationPorts final : public PortSystem {
 public:
  StationPorts(Shared& shared, PortState& state) : shared_(shared), state_(state) {}

  EntryStatus ReadEntry(size_t position, PortEntry* entry) override {
    const std::lock_guard lock(shared_.ports_mutex);
    return shared_.ports.ReadEntry(position, entry);
  }
  PortKind KindOf(const PortEntry& entry) override {
    const std::lock_guard lock(shared_.ports_mutex);
    return shared_.ports.KindOf(entry);
  }
  std::string DeviceName(std::string_view port_name) override {
    const std::lock_guard lock(shared_.ports_mutex);
    return shared_.ports.DeviceName(port_name);
  }
  std::unique_ptr<SerialPort> Open(const std::string& device_name) override {
    std::unique_ptr<SerialPort> port;
    {
      const std::lock_guard lock(shared_.ports_mutex);
      port = shared_.ports.Open(device_name);
    }
    if (port == nullptr) return nullptr;
    return std::make_unique<WatchedPort>(std::move(port), shared_, state_);
  }

 private:
  Shared& shared_;
  PortState& state_;
};

// Nobody watches a station's exchanges: the count display and questions go nowhere.
class QuietUi final : public LinkUi {
 public:
  Answer Show(const Message&) override { return Answer::kOk; }
  std::optional<std::filesystem::path> ChooseFile(FileChoice,
                                                  const std::filesystem::path&) override {
    return std::nullopt;
  }
  void OpenProgress() override {}
  void SetProgress(int) override {}
  void CloseProgress() override {}
  void ShowReceiveCount(int, int) override {}
  void ViewReceivedFile(const std::filesystem::path&) override {}
};

// Keeps a batch's records as they arrive; the first one marks the port busy.
class BatchRecords final : public RecordSink {
 public:
  BatchRecords(Clock& clock, PortState& state) : clock_(clock), state_(state) {}
  bool Store(std::string_view data, std::string*) override {
    if (records.empty()) {
      state_.busy.store(true);
      received_at = IsoLocalTime(std::time(nullptr));
      first_ms = clock_.NowMs();
    }
    records.emplace_back(data);
    return true;
  }

  std::vector<std::string> records;
  std::string received_at;
  uint64_t first_ms = 0;

 private:
  Clock& clock_;
  PortState& state_;
};

// Stores a complete batch, trying again while the store refuses it and the station runs.
void StoreBatch(Shared& shared, StationBatch batch) {
  bool told = false;
  for (;;) {
    StoreResult result;
    {
      const std::lock_guard lock(shared.store_mutex);
      result = shared.store.Store(batch);
    }
    if (result) {
      shared.stored.fetch_add(1);
      StationEvent event;
      event.kind = result.status == StoreStatus::kStored ? StationEvent::Kind::kStored
                                                         : StationEvent::Kind::kAlreadyStored;
      event.port = batch.port;
      event.records = static_cast<int>(batch.records.size());
      event.took_ms = batch.took_ms;
      shared.Report(event);
      return;
    }
    if (!told) {
      StationEvent event;
      event.kind = StationEvent::Kind::kStoreFailed;
      event.port = batch.port;
      event.records = static_cast<int>(batch.records.size());
      event.detail = result.reason;
      shared.Report(event);
      told = true;
    }
    if (shared.Stopping()) {
      StationEvent event;
      event.kind = StationEvent::Kind::kUnstored;
      event.port = batch.port;
      event.records = static_cast<int>(batch.records.size());
      shared.Report(event);
      const std::lock_guard lock(shared.store_mutex);
      shared.unstored.push_back(std::move(batch));
      return;
    }
    shared.Wait(shared.config.store_retry_ms);
  }
}

void ServePort(Shared& shared, const std::string& name) {
  PortState state;
  StationPorts ports(shared, state);
  LinkSettings settings = shared.config.settings;
  Link link(ports, shared.clock, settings);
  link.port_override = name;
  QuietUi ui;
  bool lost_told = false;
  while (!shared.Stopping()) {
    state.lost.store(false);
    const PortOpenResult opened = OpenLinkPort(link, Connection::kReceive, shared.config.route);
    if (!opened) {
      if (!lost_told) {
        StationEvent event;
        event.kind = StationEvent::Kind::kPortLost;
        event.port = name;
        event.detail = opened.reason;
        shared.Report(event);
        lost_told = true;
      }
      shared.Wait(shared.config.reopen_ms);
      continue;
    }
    lost_told = false;
    StationEvent serving;
    serving.kind = StationEvent::Kind::kServing;
    serving.port = name;
    shared.Report(serving);

    while (!shared.Stopping() && !state.lost.load()) {
      const uint64_t asked_ms = shared.clock.NowMs();
      BatchRecords records(shared.clock, state);
      const ReceiveResult result = ReceiveRecords(link, ui, records);
      state.busy.store(false);
      if (result.status == ReceiveStatus::kDone) {
        StationBatch batch;
        batch.port = name;
        batch.received_at = records.received_at;
        batch.records = std::move(records.records);
        batch.took_ms = shared.clock.NowMs() - records.first_ms;
        StoreBatch(shared, std::move(batch));
        continue;
      }
      if (state.lost.load()) break;
      if (result.status == ReceiveStatus::kTimedOut ||
          result.status == ReceiveStatus::kWriteFailed) {
        if (shared.Stopping() && records.records.empty()) break;
        StationEvent event;
        event.kind = StationEvent::Kind::kTransferFailed;
        event.port = name;
        event.records = static_cast<int>(records.records.size());
        event.messages = result.messages;
        event.detail = result.reason;
        shared.Report(event);
      }
      // A terminal with nothing to send, or one that answers something else, is asked again at
      // the request's pace, never faster.
      const uint64_t spent = shared.clock.NowMs() - asked_ms;
      if (spent < kRequestLimitMs) shared.Wait(static_cast<uint32_t>(kRequestLimitMs - spent));
    }
    CloseLinkPort(link, UnreadInput::kKeep);
    if (state.lost.load() && !shared.Stopping()) {
      StationEvent event;
      event.kind = StationEvent::Kind::kPortLost;
      event.port = name;
      event.detail = "the port failed";
      shared.Report(event);
      lost_told = true;
      shared.Wait(shared.config.reopen_ms);
    }
  }
}

}  // namespace

std::vector<StationBatch> RunStation(const StationConfig& config, PortSystem& ports, Clock& clock,
                                     BatchStore& store, StationEvents& events,
                                     const std::function<bool()>& stop) {
  Shared shared{config, ports, clock, store, events, stop};
  std::vector<std::thread> threads;
  threads.reserve(config.ports.size());
  for (const std::string& name : config.ports) {
    threads.emplace_back([&shared, &name] { ServePort(shared, name); });
  }
  for (std::thread& thread : threads) thread.join();
  return std::move(shared.unstored);
}

}  // namespace q700
