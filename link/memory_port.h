// An in-memory serial line with two ends, for tests and fuzz targets. It keeps a log of what each
// end was told (settings, time-outs, writes, purges) with the clock's time, so tests can check
// modes, bytes and pauses. A read that finds nothing pauses the clock to its deadline (or to the
// arrival of delayed bytes), so on a fake clock time-outs cost no real time.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "base/clock.h"
#include "link/port.h"

namespace q700 {

struct PortEvent {
  enum class Kind { kQueues, kApply, kTimeouts, kWrite, kPurge };
  Kind kind;
  uint64_t time_ms;
  LineSettings settings;       // the end's settings at that moment
  std::vector<uint8_t> bytes;  // kWrite: the bytes sent
  PortTimeouts timeouts;       // kTimeouts: the values set
  bool purge_receive = false;  // kPurge
  bool purge_send = false;
};

class MemoryPortPair {
 public:
  explicit MemoryPortPair(Clock& clock);
  ~MemoryPortPair();
  MemoryPortPair(const MemoryPortPair&) = delete;
  MemoryPortPair& operator=(const MemoryPortPair&) = delete;

  // Opens end 0 or 1; null while that end is already open (ports open exclusively).
  std::unique_ptr<SerialPort> Open(int side);
  bool IsOpen(int side) const;

  const LineSettings& Settings(int side) const;
  const std::vector<PortEvent>& Events(int side) const;
  // Every byte `side` has written, in order.
  std::vector<uint8_t> Written(int side) const;
  // Bytes waiting in the receive queue of `side`, delayed ones included.
  size_t Pending(int side) const;

  // Called after bytes reach the receive queue of `side` (a simulated device answers here).
  void SetOnReceive(int side, std::function<void()> handler);
  // What `side` writes from now on reaches the other end `ms` later.
  void SetLatency(int side, uint32_t ms);
  // Writes of `side` take their whole time and move nothing, as on a blocked line.
  void SetWriteStalled(int side, bool stalled);
  // `side` refuses line settings, as a driver refuses a speed it does not have.
  void SetRefuseSettings(int side, bool refuse);

 private:
  struct State;
  class End;
  std::shared_ptr<State> state_;
};

}  // namespace q700
