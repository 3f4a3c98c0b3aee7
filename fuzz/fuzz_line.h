// The program's link to a terminal played by a fuzz target, on an in-memory line and a fake
// clock: the target answers each write of the program with bytes of its input, at once, so the
// program's time limits cost no real time.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "link/link.h"
#include "link/memory_port.h"
#include "shell/preferences.h"
#include "support/fake_ports.h"
#include "support/recording_link_ui.h"

namespace q700::fuzz {

class FuzzLine {
 public:
  // `answer` gets each write of the program and returns the bytes the terminal sends back.
  explicit FuzzLine(std::function<std::string(const std::string&)> answer)
      : line(clock), link(ports, clock, ui, prefs), answer_(std::move(answer)) {
    ports.entries = {{"\\Device\\VCP0", "COM7"}};
    ports.line = &line;
    prefs.port_index = 0;
    prefs.download_via = kViaSerialSpp;
    prefs.receive_via = kViaSerialSpp;
    terminal_ = line.Open(1);
    line.SetOnReceive(1, [this] {
      std::string written;
      uint8_t buffer[512];
      for (;;) {
        const IoResult r = terminal_->Read(Bytes(buffer, sizeof buffer), 0);
        if (r.count == 0) break;
        written.append(reinterpret_cast<const char*>(buffer), r.count);
      }
      writes.push_back(written);
      const std::string reply = answer_(written);
      if (!reply.empty()) {
        terminal_->Write(ConstBytes(reinterpret_cast<const uint8_t*>(reply.data()), reply.size()),
                         0);
      }
    });
  }

  FakeClock clock;
  MemoryPortPair line;
  test::FakePortSystem ports;
  test::RecordingLinkUi ui;
  Preferences prefs;
  Link link;
  std::vector<std::string> writes;  // each write of the program, in order

 private:
  std::function<std::string(const std::string&)> answer_;
  std::unique_ptr<SerialPort> terminal_;
};

}  // namespace q700::fuzz
