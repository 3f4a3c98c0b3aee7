// The IR cradle's speed set-up.
#include "link/cradle.h"

#include "link/link.h"

namespace q700 {
namespace {

constexpr uint32_t kLongPauseMs = 200;
constexpr uint32_t kShortPauseMs = 100;

void ControlMode(LineSettings& line) { line.rts = RtsControl::kDisable; }
void DataMode(LineSettings& line) { line.rts = RtsControl::kEnable; }

void Send(Link& link, uint8_t byte) { LinkWrite(link, ConstBytes(&byte, 1)); }

}  // namespace

bool ProbeCradle(Link& link, uint32_t baud, uint32_t* pause_ms) {
  if (link.port == nullptr) return false;
  SerialPort& port = *link.port;
  link.line.baud_rate = baud;
  ControlMode(link.line);
  port.ApplySettings(link.line);
  link.clock.Pause(*pause_ms);
  port.Purge(true, true);
  link.clock.Pause(*pause_ms);
  Send(link, kCradleProbe);
  link.clock.Pause(*pause_ms);

  bool answered = false;
  const uint64_t deadline = link.clock.NowMs() + kCradleEchoWaitMs;
  for (;;) {
    uint8_t byte = 0;
    size_t got = 0;
    if (!LinkRead(link, Bytes(&byte, 1), &got, deadline)) break;
    if (got == 1) {
      answered = byte == kCradleProbe;
      break;
    }
    if (link.clock.NowMs() >= deadline) break;
  }

  DataMode(link.line);
  port.ApplySettings(link.line);
  link.clock.Pause(*pause_ms);
  *pause_ms = kShortPauseMs;
  return answered;
}

bool ConfigureCradle(Link& link) {
  if (link.port == nullptr) return false;
  SerialPort& port = *link.port;
  LineSettings& line = link.line;
  line.baud_rate = 38400;
  line.byte_size = 8;
  line.parity = Parity::kNone;
  line.stop_bits = StopBits::kOne;

  PortTimeouts timeouts;
  port.GetTimeouts(&timeouts);
  timeouts.read_interval = kMaxDword;
  port.SetTimeouts(timeouts);

  line.rts = RtsControl::kEnable;
  line.dtr = DtrControl::kEnable;
  port.ApplySettings(line);
  uint32_t pause = kLongPauseMs;
  link.clock.Pause(pause);

  uint32_t found = 0;
  for (const uint32_t baud : kCradleProbeOrder) {
    if (ProbeCradle(link, baud, &pause)) {
      found = baud;
      break;
    }
  }
  if (found == 0) return false;
  // A cradle that answers only at 9600 bit/s needs the longer pauses for its commands.
  if (found == 9600) pause = kLongPauseMs;
  line.baud_rate = found;

  ControlMode(line);
  port.ApplySettings(line);
  link.clock.Pause(pause);
  Send(link, kCradleCommand);
  link.clock.Pause(pause);
  if (const uint32_t baud = BaudRateOfIndex(link.prefs.baud_rate); baud != 0) {
    Send(link, kCradleRateBytes[link.prefs.baud_rate]);
    line.baud_rate = baud;
  } else {
    Send(link, kCradleCommand);
  }
  link.clock.Pause(pause);
  Send(link, kCradleCommit);
  link.clock.Pause(pause);
  DataMode(line);
  port.ApplySettings(line);
  link.clock.Pause(pause);

  line.parity = Parity::kNone;
  line.byte_size = 8;
  line.cts_output_flow = false;
  line.xon_output_flow = false;
  return true;
}

}  // namespace q700
