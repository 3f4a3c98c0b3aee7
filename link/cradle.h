// Setting up the IR cradle before an exchange: find the speed at which its transceiver answers in
// control mode (RTS off), command it to the speed of the preferences, and return to data mode.
#pragma once

#include <cstdint>
#include <string>

namespace q700 {

struct Link;
class Clock;
class PortSystem;
class SerialPort;

inline constexpr uint8_t kCradleProbe = 0x0F;
inline constexpr uint8_t kCradleCommand = 0x07;
inline constexpr uint8_t kCradleCommit = 0x51;
// The rate byte of each baud rate index.
inline constexpr uint8_t kCradleRateBytes[5] = {0x36, 0x35, 0x34, 0x33, 0x32};
// Speeds in the order the set-up probes them, and the order the detection probes them.
inline constexpr uint32_t kCradleProbeOrder[5] = {9600, 115200, 57600, 38400, 19200};
inline constexpr uint32_t kDetectProbeOrder[5] = {9600, 115200, 38400, 57600, 19200};
// How long a probe waits for the echo.
inline constexpr uint32_t kCradleEchoWaitMs = 100;

// Runs on the open port of the link with the link's line settings, which it leaves in data mode
// at the new speed for OpenLinkPort to apply. False when no speed got an answer.
bool ConfigureCradle(Link& link);

// One probe at `baud`: control mode, discard the queues, send the probe byte, wait for its echo,
// back to data mode. `pause_ms` is the set-up's pause, 100 ms after every probe.
bool ProbeCradle(Link& link, uint32_t baud, uint32_t* pause_ms);

// Walks the system's port list for a cradle and returns the position of the first port whose
// transceiver echoes the probe, with its port name in `port_name`; -1 when none does. Bluetooth
// ports and ports of unknown kind are passed over, and so are ports that do not open. No port
// stays open and no preference changes.
int DetectCradle(PortSystem& ports, Clock& clock, std::string* port_name);

// The probes of one open port: 38400 8N1 with RTS and DTR on and the link's time-outs, then a
// probe at each speed of kDetectProbeOrder until one is answered.
bool ProbePortForCradle(SerialPort& port, Clock& clock);

// One probe at `baud`: control mode, the probe byte, up to 100 ms for its echo, data mode, with
// 100 ms pauses between the steps.
bool ProbePortAtRate(SerialPort& port, Clock& clock, uint32_t baud);

}  // namespace q700
