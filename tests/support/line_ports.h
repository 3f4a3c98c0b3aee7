// A port list for tests whose ports are in-memory lines by device name; the far end of a line
// may echo the cradle's probe at one speed, as an IR cradle in control mode does.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "link/cradle.h"
#include "link/memory_port.h"
#include "link/port_list.h"

namespace q700::test {

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

}  // namespace q700::test
