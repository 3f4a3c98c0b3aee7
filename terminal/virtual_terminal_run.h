// Serving a host with the virtual terminal on an open port: waits block on the port, replies
// leave when they are due, and with a pace every byte takes its time on the wire both ways.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "link/port.h"
#include "terminal/virtual_terminal.h"

namespace q700 {

struct TerminalRunOptions {
  uint32_t pace_baud = 0;  // 0: bytes go as fast as the port takes them
  bool once = false;       // stop once an exchange has ended and no other is running
};

// Serves until the port fails or, with `once`, one exchange is over. Each log line of the
// terminal goes to `log`. False when the port failed.
bool RunVirtualTerminal(SerialPort& port, VirtualTerminal& terminal,
                        const TerminalRunOptions& options,
                        const std::function<void(const std::string&)>& log);

// Paces bytes on a wire of `baud` bit/s (10 bits a byte): how many of `count` bytes have
// wholly crossed the wire `elapsed_us` after the first began.
size_t BytesOnWire(uint64_t elapsed_us, uint32_t baud, size_t count);
// The time the first `count` bytes take on that wire, in microseconds (rounded up).
uint64_t WireTimeUs(size_t count, uint32_t baud);

}  // namespace q700
