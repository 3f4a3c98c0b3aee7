// Time as the link and the simulator see it: a millisecond clock, pauses and the local date and
// time. Production uses the system clock; tests use a fake clock that only moves when the code
// pauses or when the test advances it, so a 3-second time-out costs no real time.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace q700 {

struct LocalTime {
  int year = 2026;
  int month = 1;  // 1 to 12
  int day = 1;    // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds on a monotonic clock.
  virtual uint64_t NowMs() = 0;
  virtual void Pause(uint32_t ms) = 0;
  virtual LocalTime Local() = 0;
};

// A moment as ISO 8601 in the computer's local time with its offset from UTC, for example
// 2026-03-05T09:07:30+01:00.
std::string IsoLocalTime(std::time_t moment);

// The process-wide system clock.
Clock& SystemClock();

class FakeClock final : public Clock {
 public:
  explicit FakeClock(LocalTime local = {}) : local_(local) {}
  uint64_t NowMs() override { return now_ms_; }
  void Pause(uint32_t ms) override { now_ms_ += ms; }
  LocalTime Local() override { return local_; }

  void Advance(uint64_t ms) { now_ms_ += ms; }
  void SetLocal(const LocalTime& local) { local_ = local; }

 private:
  uint64_t now_ms_ = 1'000'000;
  LocalTime local_;
};

}  // namespace q700
