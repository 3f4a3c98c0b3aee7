// Cradle detection over a list of ports, each an in-memory line: which ports are probed, at
// which speeds and in which mode, and the port found.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "link/cradle.h"
#include "link/memory_port.h"
#include "link/port_list.h"
#include "support/line_ports.h"

namespace q700 {
namespace {

using test::LinePorts;

TEST(DetectCradleTest, SerialPortWithoutCradleBluetoothPassedOverVirtualWithCradle) {
  FakeClock clock;
  LinePorts ports(clock);
  ports.Add("\\Device\\Serial0", "COM1", 0);
  ports.Add("\\Device\\BthModem1", "COM5", 9600);
  ports.Add("\\Device\\VCP0", "COM7", 57600);
  ports.Add("\\Device\\VCP1", "COM8", 9600);
  std::string name;
  const uint64_t start = clock.NowMs();
  EXPECT_EQ(DetectCradle(ports, clock, &name), 2);
  EXPECT_EQ(name, "COM7");
  // COM5 is Bluetooth and never opened; nothing after the cradle is.
  EXPECT_EQ(ports.opened, (std::vector<std::string>{"\\\\.\\COM1", "\\\\.\\COM7"}));
  EXPECT_EQ(ports.ProbeSpeeds("COM1"), (std::vector<uint32_t>{9600, 115200, 38400, 57600, 19200}));
  EXPECT_EQ(ports.ProbeSpeeds("COM7"), (std::vector<uint32_t>{9600, 115200, 38400, 57600}));
  // Three pauses of 100 ms a probe, and up to 100 ms for an echo that does not come.
  EXPECT_EQ(clock.NowMs() - start, 5u * 400 + 3u * 400 + 300);
  // No port stays open.
  EXPECT_FALSE(ports.Line("COM1").IsOpen(0));
  EXPECT_FALSE(ports.Line("COM7").IsOpen(0));
  // The probed port was set up as the link sets a port, and left in data mode.
  const LineSettings& last = ports.Line("COM7").Settings(0);
  EXPECT_EQ(last.rts, RtsControl::kEnable);
  EXPECT_EQ(last.dtr, DtrControl::kEnable);
  EXPECT_EQ(last.byte_size, 8);
}

TEST(DetectCradleTest, NoCradleAnywhere) {
  FakeClock clock;
  LinePorts ports(clock);
  ports.Add("\\Device\\Serial0", "COM1", 0);
  ports.Add("NoBackslash", "COM2", 9600);  // unknown kind: passed over
  std::string name = "unchanged";
  EXPECT_EQ(DetectCradle(ports, clock, &name), -1);
  EXPECT_EQ(name, "unchanged");
  EXPECT_EQ(ports.opened, (std::vector<std::string>{"\\\\.\\COM1"}));
}

}  // namespace
}  // namespace q700
