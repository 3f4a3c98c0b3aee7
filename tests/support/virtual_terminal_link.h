// The program's link wired to the virtual terminal over an in-memory line on a fake clock. While
// the program waits on its port, the terminal's time passes too: its replies leave when they are
// due and its own time-outs run, as they would in a process of their own.
#pragma once

#include <algorithm>
#include <deque>
#include <memory>

#include "base/clock.h"
#include "link/link.h"
#include "link/link_settings.h"
#include "link/memory_port.h"
#include "support/forwarding_port.h"
#include "support/recording_link_ui.h"
#include "terminal/virtual_terminal.h"

namespace q700::test {

class VirtualTerminalLink {
 public:
  explicit VirtualTerminalLink(TerminalConfig config)
      : terminal(std::move(config)), line(clock), ports(*this), link(ports, clock, prefs) {
    prefs.port_index = 0;
    prefs.download_via = kViaSerialSpp;
    prefs.receive_via = kViaSerialSpp;
    far_ = line.Open(1);
    line.SetOnReceive(1, [this] {
      uint8_t buffer[512];
      for (;;) {
        const IoResult r = far_->Read(Bytes(buffer, sizeof buffer), 0);
        if (r.count == 0) break;
        terminal.Receive(ConstBytes(buffer, r.count), clock.NowMs());
      }
      Collect();
      Deliver();
    });
  }

  VirtualTerminal terminal;
  FakeClock clock;
  MemoryPortPair line;
  RecordingLinkUi ui;
  LinkSettings prefs;

 private:
  // The program's port: before waiting for bytes it lets the terminal act up to the deadline.
  class TickingPort final : public ForwardingPort {
   public:
    TickingPort(VirtualTerminalLink& owner, std::unique_ptr<SerialPort> inner)
        : ForwardingPort(std::move(inner)), owner_(owner) {}
    IoResult Read(Bytes buffer, uint32_t timeout_ms) override {
      FakeClock& clock = owner_.clock;
      const uint64_t deadline = clock.NowMs() + timeout_ms;
      for (;;) {
        owner_.Deliver();
        if (owner_.line.Pending(0) > 0) return inner_->Read(buffer, 0);
        const uint64_t next = owner_.NextEvent();
        if (next > deadline)
          return inner_->Read(buffer, static_cast<uint32_t>(deadline - clock.NowMs()));
        clock.Advance(next - clock.NowMs());
        owner_.terminal.Tick(clock.NowMs());
        owner_.Collect();
      }
    }

   private:
    VirtualTerminalLink& owner_;
  };

  class Ports final : public PortSystem {
   public:
    explicit Ports(VirtualTerminalLink& owner) : owner_(owner) {}
    EntryStatus ReadEntry(size_t position, PortEntry* entry) override {
      if (position > 0) return EntryStatus::kEnd;
      *entry = {"\\Device\\VCP0", "COM7"};
      return EntryStatus::kOk;
    }
    std::string DeviceName(std::string_view name) override { return std::string(name); }
    std::unique_ptr<SerialPort> Open(const std::string&) override {
      std::unique_ptr<SerialPort> end = owner_.line.Open(0);
      if (end == nullptr) return nullptr;
      return std::make_unique<TickingPort>(owner_, std::move(end));
    }

   private:
    VirtualTerminalLink& owner_;
  };

  void Collect() {
    for (TerminalOutput& out : terminal.TakeOutput()) pending_.push_back(std::move(out));
    terminal.TakeLog();
  }
  void Deliver() {
    while (!pending_.empty() && pending_.front().not_before_ms <= clock.NowMs()) {
      far_->Write(pending_.front().bytes, 0);
      pending_.pop_front();
    }
  }
  uint64_t NextEvent() const {
    uint64_t next = terminal.NextDeadline();
    if (!pending_.empty()) next = std::min(next, pending_.front().not_before_ms);
    return next;
  }

  std::unique_ptr<SerialPort> far_;
  std::deque<TerminalOutput> pending_;

 public:
  Ports ports;
  Link link;
};

}  // namespace q700::test
