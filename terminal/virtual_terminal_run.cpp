// The virtual terminal's serving loop.
#include "terminal/virtual_terminal_run.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <deque>
#include <thread>

namespace q700 {
namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr uint32_t kWriteLimitMs = 1000;
// Waits are cut into pieces of this length at most, so the loop looks at its time-outs.
constexpr uint32_t kLongestWaitMs = 60000;
// A reply that is this late starts at once rather than rushing to catch up.
constexpr uint64_t kCatchUpUs = 1000;

class Timeline {
 public:
  Timeline() : start_(SteadyClock::now()) {}
  uint64_t NowUs() const {
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(SteadyClock::now() - start_).count());
  }
  void SleepUntilUs(uint64_t us) const {
    std::this_thread::sleep_until(start_ + std::chrono::microseconds(us));
  }

 private:
  SteadyClock::time_point start_;
};

}  // namespace

size_t BytesOnWire(uint64_t elapsed_us, uint32_t baud, size_t count) {
  const uint64_t bytes = elapsed_us * baud / 10'000'000;
  return static_cast<size_t>(std::min<uint64_t>(bytes, count));
}

uint64_t WireTimeUs(size_t count, uint32_t baud) {
  return (static_cast<uint64_t>(count) * 10'000'000 + baud - 1) / baud;
}

bool RunVirtualTerminal(SerialPort& port, VirtualTerminal& terminal,
                        const TerminalRunOptions& options,
                        const std::function<void(const std::string&)>& log) {
  const Timeline timeline;
  const uint32_t baud = options.pace_baud;
  // About a millisecond of bytes per write, as a UART's buffer hands them over.
  const size_t batch = baud == 0 ? 0 : std::max<size_t>(1, baud / 10'000);
  std::deque<TerminalOutput> pending;
  uint64_t receive_done_us = 0;  // when the bytes received so far have crossed the wire
  uint64_t send_free_us = 0;     // when the wire towards the host is free again
  std::array<uint8_t, 512> buffer{};

  const auto collect = [&] {
    for (TerminalOutput& out : terminal.TakeOutput()) pending.push_back(std::move(out));
    for (const std::string& line : terminal.TakeLog()) log(line);
  };

  for (;;) {
    uint64_t now_us = timeline.NowUs();
    terminal.Tick(now_us / 1000);
    collect();

    if (!pending.empty()) {
      const TerminalOutput out = std::move(pending.front());
      pending.pop_front();
      uint64_t start_us = std::max(out.not_before_ms * 1000, receive_done_us);
      if (baud != 0) start_us = std::max(start_us, send_free_us);
      if (start_us > now_us) {
        // Nothing the host sends meanwhile can change this reply: it waits for it. A paced
        // reply waits in the loop below, until its first bytes have crossed the wire: one wake-up
        // for a short reply, not two.
        if (baud == 0) {
          timeline.SleepUntilUs(start_us);
          now_us = timeline.NowUs();
        }
      } else if (now_us - start_us > kCatchUpUs) {
        start_us = now_us;
      }
      if (baud == 0) {
        port.Write(out.bytes, kWriteLimitMs);
        continue;
      }
      size_t sent = 0;
      while (sent < out.bytes.size()) {
        const uint64_t elapsed_us = now_us > start_us ? now_us - start_us : 0;
        const size_t due = BytesOnWire(elapsed_us, baud, out.bytes.size());
        if (due > sent) {
          port.Write(ConstBytes(out.bytes).subspan(sent, due - sent), kWriteLimitMs);
          sent = due;
          continue;
        }
        const size_t next = std::min(out.bytes.size(), sent + batch);
        timeline.SleepUntilUs(start_us + WireTimeUs(next, baud));
        now_us = timeline.NowUs();
      }
      send_free_us = start_us + WireTimeUs(out.bytes.size(), baud);
      continue;
    }

    if (options.once && terminal.exchanges_ended() > 0 && !terminal.in_exchange()) return true;

    const uint64_t deadline_ms = terminal.NextDeadline();
    const uint64_t now_ms = now_us / 1000;
    uint64_t wait_ms = kLongestWaitMs;
    if (deadline_ms <= now_ms) {
      wait_ms = 0;
    } else if (deadline_ms - now_ms < wait_ms) {
      wait_ms = deadline_ms - now_ms;
    }
    const IoResult result = port.Read(buffer, static_cast<uint32_t>(wait_ms));
    if (result.status == IoStatus::kFailed || result.status == IoStatus::kInterrupted) {
      return false;
    }
    if (result.count == 0) continue;
    now_us = timeline.NowUs();
    if (baud != 0) {
      receive_done_us = std::max(receive_done_us, now_us) + WireTimeUs(result.count, baud);
    }
    terminal.Receive(ConstBytes(buffer.data(), result.count), now_us / 1000);
  }
}

}  // namespace q700
