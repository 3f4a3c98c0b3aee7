// The Win32 port on a real COM port, run by tests/e2e/wine_serial_port.sh under Wine: the port
// named by Q700_TEST_COM_PORT is a pseudo terminal whose other end answers every line L ended by
// a carriage return with "R:" L and a carriage return.
#ifdef _WIN32

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "link/link.h"
#include "link/win32/port_win32.h"

namespace q700 {
namespace {

using Ms = std::chrono::milliseconds;
using SteadyClock = std::chrono::steady_clock;

std::string PortUnderTest() {
  const char* name = std::getenv("Q700_TEST_COM_PORT");
  return name != nullptr ? name : "";
}

double CpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto seconds = [](const FILETIME& t) {
    return ((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

class Win32PortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    port_ = PortUnderTest();
    if (port_.empty()) GTEST_SKIP() << "no Q700_TEST_COM_PORT (run by wine_serial_port.sh)";
    ports_ = MakeSystemPorts();
  }

  std::string port_;
  std::unique_ptr<PortSystem> ports_;
};

TEST_F(Win32PortTest, TheRegistryListShowsTheDeclaredPort) {
  LinkSettings prefs;
  std::vector<std::string> labels;
  ASSERT_GT(EnumeratePorts(*ports_, prefs, &labels), 0);
  const std::string label = port_ + " - Serial port";  // Wine lists it as \Device\SerialN
  const auto it = std::find(labels.begin(), labels.end(), label);
  ASSERT_NE(it, labels.end()) << "labels: " << ::testing::PrintToString(labels);
  const int position = FindPortIndex(*ports_, label);
  EXPECT_EQ(position, it - labels.begin());
  std::string name;
  EXPECT_EQ(GetPortName(*ports_, position, &name), PortKind::kSerial);
  EXPECT_EQ(name, port_);
}

TEST_F(Win32PortTest, BytesGoBothWaysAndWaitsKeepTheirTime) {
  LinkSettings prefs;
  prefs.download_via = kViaSerialSpp;
  prefs.baud_rate = 0;
  prefs.port_index = FindPortIndex(*ports_, port_ + " - Serial port");
  Link link(*ports_, SystemClock(), prefs);
  ASSERT_TRUE(OpenLinkPort(link, Connection::kDownload, LinkRoute::kDirect));
  EXPECT_EQ(link.port_name, port_);

  SendCommand(link, "HELLO\r");
  EXPECT_EQ(link.ReplyText(), "R:HELLO");

  // A line longer than the driver queues, back whole.
  std::string line = "B";
  for (int i = 0; i < 1500; ++i) line.push_back(static_cast<char>('a' + i % 26));
  ASSERT_TRUE(LinkWrite(link, ConstBytes(reinterpret_cast<const uint8_t*>(line.data()), 1501)));
  ASSERT_TRUE(LinkWrite(link, ConstBytes(reinterpret_cast<const uint8_t*>("\r"), 1)));
  std::string back;
  const auto until = SteadyClock::now() + Ms(5000);
  while (back.size() < line.size() + 3 && SteadyClock::now() < until) {
    uint8_t buffer[512];
    size_t got = 0;
    ASSERT_TRUE(LinkRead(link, Bytes(buffer, sizeof buffer), &got));
    back.append(reinterpret_cast<char*>(buffer), got);
  }
  EXPECT_EQ(back, "R:" + line + "\r");

  // Silence: a read ends at its deadline, a reply after 2 s, with an idle processor.
  uint8_t byte = 0;
  size_t got = 9;
  auto start = SteadyClock::now();
  EXPECT_TRUE(LinkRead(link, Bytes(&byte, 1), &got, SystemClock().NowMs() + 300));
  auto waited = SteadyClock::now() - start;
  EXPECT_EQ(got, 0u);
  EXPECT_GE(waited, Ms(280));
  EXPECT_LT(waited, Ms(1000));

  const double cpu_start = CpuSeconds();
  start = SteadyClock::now();
  ReadReply(link);
  const double wall = std::chrono::duration<double>(SteadyClock::now() - start).count();
  const double cpu = CpuSeconds() - cpu_start;
  EXPECT_EQ(link.ReplyText(), "");
  EXPECT_GE(wall, 1.95);
  EXPECT_LT(wall, 3.0);
  EXPECT_LT(cpu, 0.05 * wall) << "cpu " << cpu << " s in " << wall << " s";

  // The port is free again once closed.
  CloseLinkPort(link, UnreadInput::kDiscard);
  ASSERT_TRUE(OpenLinkPort(link, Connection::kDownload, LinkRoute::kDirect));
  SendCommand(link, "BYE\r");
  EXPECT_EQ(link.ReplyText(), "R:BYE");
  CloseLinkPort(link, UnreadInput::kDiscard);
}

TEST_F(Win32PortTest, TheCradleSetUpRunsOnTheComPort) {
  // The far end echoes the probe at any speed, so the first probe (9600 bit/s) answers.
  LinkSettings prefs;
  prefs.receive_via = kViaCradleIr;
  prefs.baud_rate = 1;
  prefs.port_index = FindPortIndex(*ports_, port_ + " - Serial port");
  Link link(*ports_, SystemClock(), prefs);
  const auto start = SteadyClock::now();
  ASSERT_TRUE(OpenLinkPort(link, Connection::kReceive, LinkRoute::kIrCradle));
  const auto took = SteadyClock::now() - start;
  EXPECT_GE(took, Ms(2000));  // nine pauses of 200 ms and the first wait
  EXPECT_LT(took, Ms(4000));

  LineSettings line;
  ASSERT_TRUE(link.port->ReadSettings(&line));
  EXPECT_EQ(line.baud_rate, 57600u);
  EXPECT_EQ(line.byte_size, 8);
  EXPECT_EQ(line.parity, Parity::kNone);
  EXPECT_EQ(line.stop_bits, StopBits::kOne);
  EXPECT_EQ(line.rts, RtsControl::kEnable);
  EXPECT_EQ(line.dtr, DtrControl::kEnable);
  PortTimeouts timeouts;
  ASSERT_TRUE(link.port->GetTimeouts(&timeouts));
  EXPECT_EQ(timeouts, kLinkTimeouts);

  // The command bytes went to the cradle, not into the data: the next line comes back alone.
  SendCommand(link, "DATA\r");
  EXPECT_EQ(link.ReplyText(), "R:DATA");
  CloseLinkPort(link, UnreadInput::kKeep);
}

}  // namespace
}  // namespace q700

#endif  // _WIN32
