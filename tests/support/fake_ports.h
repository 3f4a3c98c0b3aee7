// Test doubles of the link's surroundings: a port list of given entries whose ports are ends of
// an in-memory line, a message sink that records, and an environment variable set for one test.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/message.h"
#include "link/memory_port.h"
#include "link/port_list.h"

namespace q700::testing {

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

class RecordingSink final : public MessageSink {
 public:
  std::vector<Message> shown;
  Answer Show(const Message& message) override {
    shown.push_back(message);
    return Answer::kOk;
  }
};

// Sets (or, with nullopt, removes) an environment variable until the end of the scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

// A fresh empty folder under the system's temporary folder, removed at the end of the scope.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace q700::testing
