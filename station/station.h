// The collection station: several ports served at once, one thread each blocking on its own port.
// On each port the connection is set up once; while no terminal answers, the station asks for data
// at the request's own pace; a terminal that answers is received whole and its batch handed to
// the store; then the station waits for the next terminal. A failed transfer stores nothing (the
// terminal is taken again when it answers again); a port that fails or disappears is opened again
// every few seconds while the others go on.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/message.h"
#include "base/result.h"
#include "link/link_settings.h"
#include "link/port_list.h"

namespace q700 {

// The records of one complete upload and where and when they came from.
struct StationBatch {
  std::string port;         // the port as the station was given it
  std::string received_at;  // when the first record arrived, ISO 8601 local time with its offset
  std::vector<std::string> records;  // each record's data bytes, in the terminal's code page
  uint64_t took_ms = 0;              // from the request's answer to the end mark
};

enum class StoreStatus {
  kStored,
  kAlreadyStored,  // the same batch was stored before (a retry after a lost answer)
  kFailed,
};
constexpr bool Succeeded(StoreStatus status) { return status != StoreStatus::kFailed; }
using StoreResult = Result<StoreStatus>;

// Where the station's batches go. Called by one port's thread at a time.
class BatchStore {
 public:
  virtual ~BatchStore() = default;
  // The batch whole, or nothing of it; the reason in the result when it failed.
  virtual StoreResult Store(const StationBatch& batch) = 0;
};

struct StationEvent {
  enum class Kind {
    kServing,         // the port is open; the station asks it for data
    kStored,          // a batch was stored
    kAlreadyStored,   // a batch the store already held was not stored again
    kTransferFailed,  // a terminal's transfer failed; nothing of it was stored
    kStoreFailed,     // a complete batch could not be stored yet; tried again
    kPortLost,        // the port failed or did not open; opened again every few seconds
    kUnstored,        // the station stopped with a complete batch it could not store
  };
  Kind kind = Kind::kServing;
  std::string port;
  int records = 0;                // the batch's records; for kTransferFailed those that had arrived
  uint64_t took_ms = 0;           // kStored, kAlreadyStored: the transfer's time
  std::vector<Message> messages;  // kTransferFailed: the exchange's own messages
  std::string detail;             // why, for the failures: the system's reason
};

// Told what happens on the ports, one event at a time.
class StationEvents {
 public:
  virtual ~StationEvents() = default;
  virtual void Report(const StationEvent& event) = 0;
};

struct StationConfig {
  std::vector<std::string> ports;  // port names of the list or device paths
  LinkSettings settings;           // the connection type and speed of every port
  LinkRoute route = LinkRoute::kDirect;
  uint32_t reopen_ms = 5000;       // between tries to open a port that failed
  uint32_t store_retry_ms = 5000;  // between tries to store a batch the store refused
  int stop_after = 0;              // stop once this many batches are stored; 0 for never
};

// Serves the ports until `stop` returns true (or `stop_after` batches are stored). A terminal
// whose upload has begun is received to its end first. `ports` and `store` are used from the
// ports' threads; `clock` must be safe to use from several threads (the system clock is).
// Returns the complete batches that could not be stored before the stop, for the caller to keep.
std::vector<StationBatch> RunStation(const StationConfig& config, PortSystem& ports, Clock& clock,
                                     BatchStore& store, StationEvents& events,
                                     const std::function<bool()>& stop);

}  // namespace q700
