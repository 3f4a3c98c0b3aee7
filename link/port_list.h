// The system's list of serial ports and what the program makes of it: kinds, labels, the port
// index of the preferences. The platform gives the raw entries through PortSystem; everything
// else is here, the same on every system.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/port.h"

namespace q700 {

struct LinkSettings;

enum class PortKind : int {
  kNone = 0,  // no entry at that position
  kSerial = 1,
  kVirtual = 2,
  kBluetooth = 3,
  kUnknown = 99,  // the device path has no backslash
};

// One value of the system's list: the driver's device path and the name the port opens by.
struct PortEntry {
  std::string device_path;
  std::string port_name;
};

enum class EntryStatus { kOk, kEnd, kFailed };

// The platform's serial ports: their list, their device names, opening them.
class PortSystem {
 public:
  virtual ~PortSystem() = default;
  // The entry at `position`: kEnd past the last one, kFailed when the list cannot be read.
  virtual EntryStatus ReadEntry(size_t position, PortEntry* entry) = 0;
  // Windows tells the kind by the device path; systems whose paths say nothing of it override.
  virtual PortKind KindOf(const PortEntry& entry) {
    return PortKindFromDevicePath(entry.device_path);
  }
  // The name to open a port by: "\\.\COM3" on Windows, "/dev/ttyS0" elsewhere. A device path
  // given directly is kept as it is.
  virtual std::string DeviceName(std::string_view port_name) = 0;
  // Opens the port exclusively; null when it cannot be opened.
  virtual std::unique_ptr<SerialPort> Open(const std::string& device_name) = 0;

  static PortKind PortKindFromDevicePath(std::string_view device_path);
};

// The serial ports of the system the program runs on.
std::unique_ptr<PortSystem> MakeSystemPorts();

// Room for the entry's texts: a single entry is read with less than the walk of the whole list.
inline constexpr size_t kEntryPathMax = 99;
inline constexpr size_t kEntryNameMax = 9;
inline constexpr size_t kWalkPathMax = 126;
inline constexpr size_t kWalkNameMax = 62;

// "Serial port", "Virtual port", "Bluetooth port" (empty for the other kinds).
std::string_view PortKindText(PortKind kind);
// A short word for listings: serial, virtual, bluetooth, unknown.
std::string_view PortKindWord(PortKind kind);
// "COM1 - Serial port", or "COM1 - Unknown port" for kind kUnknown.
std::string PortLabel(std::string_view port_name, PortKind kind);
// The port name back from a label: the text before its first blank.
std::string_view PortNameOfLabel(std::string_view label);
// The number after the first M of the name (or, with no M, the first m): 3 for COM3.
std::optional<int> PortNumberOf(std::string_view port_name);

// Walks the list and returns how many entries it has (0 when it cannot be read to the end). A
// port index of -1 is resolved to the entry whose number is the preferred port number. Labels of
// the entries walked go to `labels` when given.
int EnumeratePorts(PortSystem& ports, LinkSettings& settings,
                   std::vector<std::string>* labels = nullptr);

// The kind of the entry at `position` and its port name; kNone (and `port_name` untouched) when
// there is no such entry or its texts do not fit.
PortKind GetPortName(PortSystem& ports, int position, std::string* port_name);

// The position of the port a label names; 0 when no entry has that name.
int FindPortIndex(PortSystem& ports, std::string_view label);

// The row of `rows` whose label names the port at `position`; -1 when none does.
int FindPortLabelPosition(PortSystem& ports, int position, std::span<const std::string> rows);

// The port index the preferences dialog starts with: the stored one, or 0 when it is -1 or past
// the end of a list of `port_count` ports.
int DialogPortIndex(int stored_index, int port_count);

}  // namespace q700
