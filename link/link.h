// The link to the terminal: the one link state of the program and the primitive operations the
// exchanges are built from (open and configure the port, write, read, read a short reply, close).
// Every wait has its deadline on the clock but blocks on the port, so the CPU idles meanwhile.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "base/bytes.h"
#include "base/clock.h"
#include "base/result.h"
#include "link/link_settings.h"
#include "link/port.h"
#include "link/port_list.h"

namespace q700 {

// Deadlines of the link, in milliseconds.
inline constexpr uint32_t kTransferLimitMs = 1000;  // one write or read
inline constexpr uint32_t kReplyLimitMs = 2000;     // one reply
inline constexpr size_t kReplyBufferSize = 256;
inline constexpr size_t kReplyMaxChars = 10;
// What one read call may take from the port ahead of the exchange's byte-by-byte reads.
inline constexpr size_t kReadAheadSize = 256;

// The driver time-outs of a connection: reads return what is there, a write of n bytes may take
// 50 + 5 x n ms.
inline constexpr PortTimeouts kLinkTimeouts{kMaxDword, 0, 0, 5, 50};

// Queue sizes of the two kinds of connection.
inline constexpr uint32_t kReceiveQueueBytes = 256;
inline constexpr uint32_t kDownloadSendQueueBytes = 1200;
inline constexpr uint32_t kReceiveSendQueueBytes = 256;

// A download sends an application or a lookup file; a receive connection collects records.
enum class Connection { kDownload, kReceive };

// What the link works with and the state it keeps from start to exit. One instance for the
// program; tests make their own with a fake clock and in-memory ports.
struct Link {
  Link(PortSystem& port_system, Clock& link_clock, LinkSettings& link_settings)
      : ports(port_system), clock(link_clock), settings(link_settings) {}

  PortSystem& ports;
  Clock& clock;
  LinkSettings& settings;  // read at each connection start; the port index may be resolved

  // The port of the current connection; null between exchanges.
  std::unique_ptr<SerialPort> port;
  // Never reset: what one connection sets, the next one starts from.
  LineSettings line;
  // The last reply, NUL-terminated, at most 10 characters.
  std::array<char, kReplyBufferSize> reply{};
  // The port name of the current connection (at most 9 characters from the port list).
  std::string port_name;
  // A port name or device path chosen for this run instead of the preferences' port index (the
  // command line's --port). Empty: use the preferences.
  std::string port_override;
  // The lookup file chosen last, offered again by the next choice; kept for the whole run.
  std::filesystem::path lookup_path;

  // Bytes taken from the port but not yet given to the exchange. The exchanges read one byte at
  // a time; taking what has arrived in one call saves a system call per byte and changes
  // nothing they see, since purging and closing drop these bytes as they drop the queue's.
  std::array<uint8_t, kReadAheadSize> read_ahead{};
  size_t read_ahead_begin = 0;
  size_t read_ahead_end = 0;

  // The reply as text, up to its NUL.
  std::string_view ReplyText() const;
};

// What opening the port of a connection came to.
enum class PortOpen {
  kOpen,
  kCannotOpen,       // no port at the port index, or the system refused it
  kCradleFailed,     // the IR cradle answered at no speed
  kSettingsRefused,  // the port took the port but not the line settings
};
constexpr bool Succeeded(PortOpen open) { return open == PortOpen::kOpen; }
using PortOpenResult = Result<PortOpen>;

// Resolves the port of the connection (the override, or the port index of the preferences after
// resolving a -1 from the preferred port number), opens it, sets queues, speed, 8N1 and the line
// control of the connection type (running the cradle set-up for the IR cradle), applies them and
// sets the time-outs. On failure the port is closed and the result carries the message of the
// connection kind (a receive connection has none for refused settings) and the port's name with
// the system's reason.
PortOpenResult OpenLinkPort(Link& link, Connection kind, LinkRoute route);

// Sends the bytes within the transfer limit.
bool LinkWrite(Link& link, ConstBytes data);

// Reads what has arrived (at most the buffer's size) into `buffer`; waits for the first byte at
// most until `deadline_ms` on the link's clock, and never past the transfer limit. A wait that
// ends without a byte is a success with a count of 0; false means the port failed.
bool LinkRead(Link& link, Bytes buffer, size_t* received, uint64_t deadline_ms);
bool LinkRead(Link& link, Bytes buffer, size_t* received);

// Reads the terminal's reply into the reply buffer: up to a carriage return (which is dropped),
// at most 10 characters, at most 2000 ms. Bytes after the tenth stay for the next reply.
void ReadReply(Link& link);

// Writes the bytes and reads the reply (whatever the write did).
void SendCommand(Link& link, ConstBytes data);
void SendCommand(Link& link, std::string_view text);

// Discards what waits in the queues (and, with the receive queue, what was read ahead of the
// exchange).
void LinkPurge(Link& link, Queues queues);

// What closing the port does with what the terminal sent and nobody read.
enum class UnreadInput { kKeep, kDiscard };

// Closes the port of the connection, discarding the receive queue first when asked.
void CloseLinkPort(Link& link, UnreadInput unread);

// The speed of a baud rate index; 0 for an index past the table.
uint32_t BaudRateOfIndex(int index);

}  // namespace q700
