// The IR cradle's speed set-up.
#include "link/cradle.h"

#include "link/link.h"
#include "link/port_list.h"

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
  LinkPurge(link, Queues::kBoth);
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
  if (const uint32_t baud = BaudRateOfIndex(link.settings.baud_rate); baud != 0) {
    Send(link, kCradleRateBytes[link.settings.baud_rate]);
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

bool ProbePortAtRate(SerialPort& port, Clock& clock, uint32_t baud) {
  LineSettings line;
  port.ReadSettings(&line);
  line.baud_rate = baud;
  ControlMode(line);
  port.ApplySettings(line);
  clock.Pause(kShortPauseMs);

  const uint8_t probe = kCradleProbe;
  port.Write(ConstBytes(&probe, 1), kTransferLimitMs);
  clock.Pause(kShortPauseMs);

  uint8_t byte = 0;
  const IoResult echo = port.Read(Bytes(&byte, 1), kCradleEchoWaitMs);
  const bool answered = echo.status == IoStatus::kDone && echo.count == 1 && byte == kCradleProbe;

  port.ReadSettings(&line);
  DataMode(line);
  port.ApplySettings(line);
  clock.Pause(kShortPauseMs);
  return answered;
}

bool ProbePortForCradle(SerialPort& port, Clock& clock) {
  LineSettings line;
  port.ReadSettings(&line);
  PortTimeouts timeouts;
  port.GetTimeouts(&timeouts);
  line.baud_rate = 38400;
  line.byte_size = 8;
  line.parity = Parity::kNone;
  line.stop_bits = StopBits::kOne;
  line.rts = RtsControl::kEnable;
  line.dtr = DtrControl::kEnable;
  port.ApplySettings(line);
  port.SetTimeouts(kLinkTimeouts);
  for (const uint32_t baud : kDetectProbeOrder) {
    if (ProbePortAtRate(port, clock, baud)) return true;
  }
  return false;
}

int DetectCradle(PortSystem& ports, Clock& clock, std::string* port_name) {
  for (int position = 0;; ++position) {
    std::string name;
    const PortKind kind = GetPortName(ports, position, &name);
    if (kind == PortKind::kNone) return -1;
    if (kind == PortKind::kBluetooth || kind == PortKind::kUnknown) continue;
    const std::unique_ptr<SerialPort> port = ports.Open(ports.DeviceName(name));
    if (port == nullptr) continue;
    if (ProbePortForCradle(*port, clock)) {
      *port_name = name;
      return position;
    }
  }
}

}  // namespace q700
