// Cradle detection over a list of ports, each an in-memory line: which ports are probed, at
// which speeds and in which mode, and the port found.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "link/cradle.h"
#include "link/memory_port.h"
#include "link/port_list.h"

namespace q700 {
namespace {

// Ports by device name, each an in-memory line whose far end may echo the probe like a cradle.
class LinePorts final : public PortSystem {
 public:
  explicit LinePorts(Clock& clock) : clock_(clock) {}

  void Add(const std::string& device_path, const std::string& name, uint32_t echo_baud) {
    entries_.push_back({device_path, name});
    auto port = std::make_unique<Port>(clock_);
    Port& p = *port;
    p.far = p.line.Open(1);
    p.line.SetOnReceive(1, [&p, echo_baud] {
      uint8_t byte = 0;
      while (p.far->Read(Bytes(&byte, 1), 0).count == 1) {
        const LineSettings& host = p.line.Settings(0);
        if (byte == kCradleProbe && host.rts == RtsControl::kDisable &&
            host.baud_rate == echo_baud) {
          p.far->Write(ConstBytes(&byte, 1), 0);
        }
      }
    });
    ports_["\\\\.\\" + name] = std::move(port);
  }

  EntryStatus ReadEntry(size_t position, PortEntry* entry) override {
    if (position >= entries_.size()) return EntryStatus::kEnd;
    *entry = entries_[position];
    return EntryStatus::kOk;
  }
  std::string DeviceName(std::string_view port_name) override {
    return "\\\\.\\" + std::string(port_name);
  }
  std::unique_ptr<SerialPort> Open(const std::string& device_name) override {
    opened.push_back(device_name);
    const auto it = ports_.find(device_name);
    return it == ports_.end() ? nullptr : it->second->line.Open(0);
  }

  // The speeds at which probes went out on a port, with RTS off each time.
  std::vector<uint32_t> ProbeSpeeds(const std::string& name) const {
    std::vector<uint32_t> speeds;
    for (const PortEvent& e : ports_.at("\\\\.\\" + name)->line.Events(0)) {
      if (e.kind != PortEvent::Kind::kWrite) continue;
      EXPECT_EQ(e.bytes, std::vector<uint8_t>{kCradleProbe});
      EXPECT_EQ(e.settings.rts, RtsControl::kDisable);
      speeds.push_back(e.settings.baud_rate);
    }
    return speeds;
  }
  const MemoryPortPair& Line(const std::string& name) const {
    return ports_.at("\\\\.\\" + name)->line;
  }

  std::vector<std::string> opened;

 private:
  struct Port {
    explicit Port(Clock& clock) : line(clock) {}
    MemoryPortPair line;
    std::unique_ptr<SerialPort> far;
  };
  Clock& clock_;
  std::vector<PortEntry> entries_;
  std::map<std::string, std::unique_ptr<Port>> ports_;
};

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
