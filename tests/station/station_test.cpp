// The collection station on in-memory lines: a batch the store refuses waits and is stored once,
// and a port that does not open is told once and tried again at the station's pace.
#include "station/station.h"

#include <gtest/gtest.h>

#include "support/fake_ports.h"
#include "support/virtual_terminal_link.h"

namespace q700 {
namespace {

class Events final : public StationEvents {
 public:
  void Report(const StationEvent& event) override { events.push_back(event); }
  int Count(StationEvent::Kind kind) const {
    int n = 0;
    for (const StationEvent& e : events) n += e.kind == kind;
    return n;
  }
  std::vector<StationEvent> events;
};

// Refuses the first `refusals` batches, then keeps every batch it is given.
class MemoryStore final : public BatchStore {
 public:
  explicit MemoryStore(int refusals) : refusals_(refusals) {}
  StoreResult Store(const StationBatch& batch) override {
    if (refusals_ > 0) {
      --refusals_;
      return {StoreStatus::kFailed, {}, "disk full"};
    }
    stored.push_back(batch);
    return {StoreStatus::kStored, {}, {}};
  }
  std::vector<StationBatch> stored;

 private:
  int refusals_;
};

TEST(StationTest, RefusedBatchWaitsAndIsStoredOnceWhole) {
  TerminalConfig config;
  config.records = {"A1,5", "B2,7", "C3,9"};
  test::VirtualTerminalLink rig(config);
  StationConfig station;
  station.ports = {"COM7"};
  station.settings = rig.prefs;
  station.stop_after = 2;
  MemoryStore store(1);
  Events events;
  const std::vector<StationBatch> unstored =
      RunStation(station, rig.ports, rig.clock, store, events, [] { return false; });

  EXPECT_TRUE(unstored.empty());
  ASSERT_EQ(store.stored.size(), 2u);
  for (const StationBatch& batch : store.stored) {
    EXPECT_EQ(batch.port, "COM7");
    EXPECT_EQ(batch.records, config.records);
    EXPECT_FALSE(batch.received_at.empty());
  }
  EXPECT_EQ(events.Count(StationEvent::Kind::kStoreFailed), 1);
  EXPECT_EQ(events.Count(StationEvent::Kind::kStored), 2);
  EXPECT_EQ(events.Count(StationEvent::Kind::kServing), 1);
  EXPECT_EQ(events.Count(StationEvent::Kind::kTransferFailed), 0);
}

TEST(StationTest, StopWithARefusedBatchHandsItBack) {
  TerminalConfig config;
  config.records = {"A1,5"};
  test::VirtualTerminalLink rig(config);
  StationConfig station;
  station.ports = {"COM7"};
  station.settings = rig.prefs;
  MemoryStore store(1000);
  Events events;
  FakeClock& clock = rig.clock;
  const uint64_t end = clock.NowMs() + 30'000;
  const std::vector<StationBatch> unstored =
      RunStation(station, rig.ports, clock, store, events, [&] { return clock.NowMs() >= end; });
  ASSERT_EQ(unstored.size(), 1u);
  EXPECT_EQ(unstored[0].records, config.records);
  EXPECT_EQ(events.Count(StationEvent::Kind::kUnstored), 1);
  EXPECT_EQ(events.Count(StationEvent::Kind::kStoreFailed), 1);
}

TEST(StationTest, MissingPortIsToldOnceAndTriedEveryFiveSeconds) {
  FakeClock clock;
  test::FakePortSystem ports;  // opens nothing
  StationConfig station;
  station.ports = {"/dev/ttyUSB3"};
  station.settings.receive_via = kViaSerialSpp;
  MemoryStore store(0);
  Events events;
  const uint64_t end = clock.NowMs() + 20'000;
  RunStation(station, ports, clock, store, events, [&] { return clock.NowMs() >= end; });
  EXPECT_EQ(events.Count(StationEvent::Kind::kPortLost), 1);
  ASSERT_FALSE(events.events.empty());
  EXPECT_EQ(events.events[0].port, "/dev/ttyUSB3");
  // At 0, 5, 10 and 15 seconds.
  EXPECT_EQ(ports.opened.size(), 4u);
}

}  // namespace
}  // namespace q700
