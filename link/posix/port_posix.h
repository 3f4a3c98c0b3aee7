// Serial ports on POSIX systems: termios devices, and the port list from sysfs and the rfcomm
// devices.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "link/port_list.h"

namespace q700 {

// Opens a terminal device exclusively in raw mode; null when it cannot be opened or is in use.
std::unique_ptr<SerialPort> OpenPosixPort(const std::string& device_path);

// The kind of a device by its name: rfcomm* Bluetooth; ttyS*, ttyUSB*, ttyACM* serial; else
// virtual.
PortKind PosixPortKind(std::string_view device_name);

// The list: every /sys/class/tty entry with a device (less the 8250 slots with no UART behind
// them) and every /dev/rfcomm*, in natural name order (ttyS2 before ttyS10). The port name is the
// device name, the device path its /dev path. The folders can be moved for tests.
class PosixPortSystem final : public PortSystem {
 public:
  explicit PosixPortSystem(std::filesystem::path sys_class_tty = "/sys/class/tty",
                           std::filesystem::path dev = "/dev");

  EntryStatus ReadEntry(size_t position, PortEntry* entry) override;
  PortKind KindOf(const PortEntry& entry) override;
  std::string DeviceName(std::string_view port_name) override;
  std::unique_ptr<SerialPort> Open(const std::string& device_name) override;

 private:
  std::filesystem::path sys_class_tty_;
  std::filesystem::path dev_;
};

}  // namespace q700
