// The POSIX port list over a made-up sysfs and /dev: which devices count, their order and kinds.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <fstream>

#include "link/link_settings.h"
#include "link/posix/port_posix.h"
#include "support/temp_dir.h"

namespace q700 {
namespace {

TEST(PosixPortList, ListsRealDevicesInNaturalOrderWithTheirKinds) {
  test::TempDir root;
  const auto sys = root.path() / "sys";
  const auto dev = root.path() / "dev";
  std::filesystem::create_directories(dev);
  const auto tty = [&](const std::string& name, bool device, const char* type) {
    std::filesystem::create_directories(sys / name);
    if (device) std::filesystem::create_directories(sys / name / "device");
    if (type != nullptr) std::ofstream(sys / name / "type") << type << "\n";
    std::ofstream(dev / name);
  };
  tty("ttyS0", true, "4");
  tty("ttyS1", true, "0");  // an 8250 slot with no UART
  tty("ttyS10", true, "4");
  tty("ttyS2", true, "4");
  tty("ttyUSB0", true, nullptr);
  tty("ttyACM1", true, nullptr);
  tty("ttyAMA0", true, nullptr);
  tty("tty0", false, nullptr);                                      // a console, no device
  std::filesystem::create_directories(sys / "ttyUSB9" / "device");  // gone from /dev
  std::ofstream(dev / "rfcomm0");

  PosixPortSystem ports(sys, dev);
  LinkSettings prefs;
  prefs.port_index = -1;
  prefs.preferred_port = 1;  // ttyACM1 has an M followed by 1
  std::vector<std::string> labels;
  ASSERT_EQ(EnumeratePorts(ports, prefs, &labels), 7);
  EXPECT_EQ(labels, (std::vector<std::string>{"rfcomm0 - Bluetooth port", "ttyACM1 - Serial port",
                                              "ttyAMA0 - Virtual port", "ttyS0 - Serial port",
                                              "ttyS2 - Serial port", "ttyS10 - Serial port",
                                              "ttyUSB0 - Serial port"}));
  EXPECT_EQ(prefs.port_index, 1);

  PortEntry entry;
  ASSERT_EQ(ports.ReadEntry(3, &entry), EntryStatus::kOk);
  EXPECT_EQ(entry.port_name, "ttyS0");
  EXPECT_EQ(entry.device_path, (dev / "ttyS0").string());
  EXPECT_EQ(ports.ReadEntry(7, &entry), EntryStatus::kEnd);
  EXPECT_EQ(ports.DeviceName("ttyUSB0"), (dev / "ttyUSB0").string());
  EXPECT_EQ(ports.DeviceName("/dev/pts/5"), "/dev/pts/5");
  EXPECT_EQ(FindPortIndex(ports, "ttyS10 - Serial port"), 5);

  // No sysfs at all: only the rfcomm devices.
  PosixPortSystem bare(root.path() / "none", dev);
  EXPECT_EQ(EnumeratePorts(bare, prefs, &labels), 1);
}

}  // namespace
}  // namespace q700

#endif  // _WIN32
