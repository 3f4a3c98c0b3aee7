// The serial port as the link sees it: line settings, driver time-outs, and transfers that wait on
// the port (never by spinning) until they are done or their time is up. Backends: Win32
// overlapped I/O, POSIX termios, and an in-memory pair for tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "base/bytes.h"

namespace q700 {

// The RTS and DTR line control of the Windows line-settings record, same values.
enum class RtsControl : uint8_t { kDisable = 0, kEnable = 1, kHandshake = 2, kToggle = 3 };
enum class DtrControl : uint8_t { kDisable = 0, kEnable = 1, kHandshake = 2 };
enum class Parity : uint8_t { kNone = 0, kOdd = 1, kEven = 2, kMark = 3, kSpace = 4 };
enum class StopBits : uint8_t { kOne = 0, kOneAndHalf = 1, kTwo = 2 };

// The fields of the line-settings record that the link changes. All zero at program start; the
// link state keeps one from connection to connection, so choices of an earlier connection stay.
struct LineSettings {
  uint32_t baud_rate = 0;
  uint8_t byte_size = 0;
  Parity parity = Parity::kNone;
  StopBits stop_bits = StopBits::kOne;
  RtsControl rts = RtsControl::kDisable;
  DtrControl dtr = DtrControl::kDisable;
  bool cts_output_flow = false;  // hold sending while CTS is off
  bool xon_output_flow = false;  // hold sending on XOFF from the other side

  bool operator==(const LineSettings&) const = default;
};

inline constexpr uint32_t kMaxDword = 0xFFFFFFFFu;

// The driver time-outs of a Windows port, in milliseconds. The read part describes "return what
// is there" (interval kMaxDword, totals 0); backends take the read deadline from each call instead.
struct PortTimeouts {
  uint32_t read_interval = 0;
  uint32_t read_multiplier = 0;
  uint32_t read_constant = 0;
  uint32_t write_multiplier = 0;
  uint32_t write_constant = 0;

  bool operator==(const PortTimeouts&) const = default;
};

// The driver queues a purge empties.
enum class Queues { kReceive, kSend, kBoth };
inline bool HasReceive(Queues queues) { return queues != Queues::kSend; }
inline bool HasSend(Queues queues) { return queues != Queues::kReceive; }

enum class IoStatus {
  kDone,         // the transfer finished (a read: at least one byte arrived)
  kTimedOut,     // the wait ended first; a read moved no byte, a write maybe part of them
  kFailed,       // the port reported an error
  kInterrupted,  // the user asked the program to stop; the wait ended at once
};

struct IoResult {
  IoStatus status = IoStatus::kFailed;
  size_t count = 0;  // bytes moved
};

// One open port. Closing it is destroying it. Every call returns only when its transfer is over
// or abandoned for good, so buffers are never written after a call returns.
class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Sizes of the driver's receive and send queues; backends without them accept any size.
  virtual bool SetQueueSizes(uint32_t receive_bytes, uint32_t send_bytes) = 0;

  // Applies speed, 8N1 framing, RTS and DTR control and output flow control. RTS and DTR changes
  // the device cannot make (a pseudo terminal) are ignored, not failed.
  virtual bool ApplySettings(const LineSettings& settings) = 0;
  virtual bool ReadSettings(LineSettings* settings) = 0;

  virtual bool SetTimeouts(const PortTimeouts& timeouts) = 0;
  virtual bool GetTimeouts(PortTimeouts* timeouts) = 0;

  // Sends the bytes, waiting at most `timeout_ms` for them to leave.
  virtual IoResult Write(ConstBytes data, uint32_t timeout_ms) = 0;

  // Takes what has arrived, at most the buffer's size. When nothing is there, waits on the port up
  // to `timeout_ms` for the first byte; a time-out is kTimedOut with a count of 0.
  virtual IoResult Read(Bytes buffer, uint32_t timeout_ms) = 0;

  // Discards what waits in the receive and/or send queue.
  virtual bool Purge(Queues queues) = 0;
};

}  // namespace q700
