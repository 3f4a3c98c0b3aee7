// The link of a test wired to a scripted terminal: an in-memory line on a fake clock whose far end
// answers each write of the program with what the test's script returns.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "link/link.h"
#include "link/link_settings.h"
#include "link/memory_port.h"
#include "support/fake_ports.h"
#include "support/recording_link_ui.h"

namespace q700::test {

struct Received {
  std::string bytes;  // one write of the program
  uint64_t time_ms;
};

class ScriptedTerminalLink {
 public:
  ScriptedTerminalLink() : line(clock), link(ports, clock, prefs) {
    ports.entries = {{"\\Device\\VCP0", "COM7"}};
    ports.line = &line;
    prefs.port_index = 0;
    prefs.download_via = kViaSerialSpp;
    prefs.receive_via = kViaSerialSpp;
    terminal_ = line.Open(1);
    line.SetOnReceive(1, [this] {
      char buffer[512];
      std::string bytes;
      for (;;) {
        const IoResult r =
            terminal_->Read(Bytes(reinterpret_cast<uint8_t*>(buffer), sizeof buffer), 0);
        if (r.count == 0) break;
        bytes.append(buffer, r.count);
      }
      received.push_back({bytes, clock.NowMs()});
      if (script) Send(script(bytes));
    });
  }

  // What the terminal sends, at any time.
  void Send(std::string_view bytes) {
    if (bytes.empty()) return;
    terminal_->Write(ConstBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0);
  }

  // The writes of the program that equal `bytes`.
  int CountReceived(std::string_view bytes) const {
    int n = 0;
    for (const Received& r : received) n += r.bytes == bytes ? 1 : 0;
    return n;
  }

  FakeClock clock;
  MemoryPortPair line;
  FakePortSystem ports;
  RecordingLinkUi ui;
  LinkSettings prefs;
  Link link;
  std::vector<Received> received;
  // The terminal's answer to each write of the program; empty: silence.
  std::function<std::string(const std::string&)> script;

 private:
  std::unique_ptr<SerialPort> terminal_;
};

}  // namespace q700::test
