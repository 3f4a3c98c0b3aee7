// What a connection to the terminal is set up from: the connection type of each direction, the
// port and the speed. The program keeps them in its preferences; the tool takes them from its
// options for one run.
#pragma once

#include <cstdint>
#include <optional>

#include "texts/text_ids.h"

namespace q700 {

// Connection types of Download via and Receive via.
inline constexpr uint8_t kViaCradleIr = 0;
inline constexpr uint8_t kViaIrda = 1;
inline constexpr uint8_t kViaSerialSpp = 2;
inline constexpr int kViaTextIds[3] = {kItemPorts, kItemIrda, kItemSerialSpp};

// Baud rate index 0 to 4 and the speeds they stand for.
inline constexpr int kBaudRateCount = 5;
inline constexpr uint32_t kBaudRates[kBaudRateCount] = {115200, 57600, 38400, 19200, 9600};
inline constexpr int kBaudTextIds[kBaudRateCount] = {
    kItemBaudRates, kItemBaudRates + 1, kItemBaudRates + 2, kItemBaudRates + 3, kItemBaudRates + 4};

// How the line reaches the terminal: through the IR cradle, whose transceiver is set up before
// every exchange, or directly (IrDA, Serial-SPP).
enum class LinkRoute { kIrCradle, kDirect };

// The route of a connection type; nothing for a value past the three types, which runs no
// exchange.
constexpr std::optional<LinkRoute> RouteOfVia(uint8_t via) {
  if (via > kViaSerialSpp) return std::nullopt;
  return via == kViaCradleIr ? LinkRoute::kIrCradle : LinkRoute::kDirect;
}

struct LinkSettings {
  uint8_t download_via = kViaCradleIr;
  uint8_t receive_via = kViaCradleIr;
  int32_t preferred_port = 1;  // the number after the M of COM1
  uint8_t baud_rate = 0;       // index into kBaudRates
  // Position in the system's port list; -1 until a connection resolves it from the preferred
  // port number.
  int32_t port_index = 1;
};

}  // namespace q700
