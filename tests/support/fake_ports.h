// A port list of given entries for tests, whose ports are end 0 of an in-memory line.
#pragma once

#include <string>
#include <vector>

#include "link/memory_port.h"
#include "link/port_list.h"

namespace q700::test {

class FakePortSystem final : public PortSystem {
 public:
  std::vector<PortEntry> entries;
  bool unreadable = false;          // the list cannot be opened at all
  MemoryPortPair* line = nullptr;   // its end 0 is the port behind every device name...
  std::string line_device;          // ...of this name ("\\.\COM7"); empty: behind any name
  std::vector<std::string> opened;  // device names asked for, in order

  EntryStatus ReadEntry(size_t position, PortEntry* entry) override {
    if (unreadable) return EntryStatus::kFailed;
    if (position >= entries.size()) return EntryStatus::kEnd;
    *entry = entries[position];
    return EntryStatus::kOk;
  }
  std::string DeviceName(std::string_view port_name) override {
    if (port_name.find('\\') != std::string_view::npos ||
        port_name.find('/') != std::string_view::npos) {
      return std::string(port_name);
    }
    return "\\\\.\\" + std::string(port_name);
  }
  std::unique_ptr<SerialPort> Open(const std::string& device_name) override {
    opened.push_back(device_name);
    if (line == nullptr || (!line_device.empty() && device_name != line_device)) return nullptr;
    return line->Open(0);
  }
};

}  // namespace q700::test
