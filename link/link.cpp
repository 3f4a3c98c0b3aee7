// Opening the link's port and the primitive transfers of the exchanges.
#include "link/link.h"

#include <algorithm>

#include "base/interrupt.h"
#include "base/system_error.h"
#include "link/cradle.h"
#include "texts/text_ids.h"

namespace q700 {
namespace {

// A failed opening: the port closed, the message of the connection kind (if it has one) and the
// port with what the system said.
PortOpenResult Failed(Link& link, PortOpen status, int text_id, Icon icon, std::string reason) {
  CloseLinkPort(link, UnreadInput::kKeep);
  PortOpenResult result{status, {}, std::move(reason)};
  if (text_id != 0) {
    Message message;
    message.caption_id = kCaptionError;
    message.text_id = text_id;
    message.icon = icon;
    message.reason = result.reason;
    result.messages.push_back(message);
  }
  return result;
}

// The port of this connection: the override of the run, or the entry at the port index.
std::string ConnectionDevice(Link& link) {
  EnumeratePorts(link.ports, link.settings);
  // A stale name from an earlier connection must not stand in for a missing entry.
  link.port_name.clear();
  if (!link.port_override.empty()) {
    link.port_name = link.port_override;
  } else {
    GetPortName(link.ports, link.settings.port_index, &link.port_name);
  }
  return link.port_name.empty() ? std::string() : link.ports.DeviceName(link.port_name);
}

}  // namespace

std::string_view Link::ReplyText() const {
  const auto end = std::find(reply.begin(), reply.end(), '\0');
  return {reply.data(), static_cast<size_t>(end - reply.begin())};
}

uint32_t BaudRateOfIndex(int index) {
  return (index >= 0 && index < kBaudRateCount) ? kBaudRates[index] : 0;
}

PortOpenResult OpenLinkPort(Link& link, Connection kind, LinkRoute route) {
  const bool download = kind == Connection::kDownload;
  link.port.reset();
  link.read_ahead_begin = link.read_ahead_end = 0;
  const std::string device = ConnectionDevice(link);
  ClearSystemError();
  if (!device.empty()) link.port = link.ports.Open(device);
  if (link.port == nullptr) {
    std::string reason =
        device.empty()
            ? "no port at position " + std::to_string(link.settings.port_index) + " of the list"
            : device;
    if (const std::string system = SystemErrorText(); !device.empty() && !system.empty()) {
      reason += ": " + system;
    } else if (!device.empty()) {
      reason += ": the system refused it";
    }
    return Failed(link, PortOpen::kCannotOpen, kTextCannotOpenPort,
                  download ? Icon::kWarning : Icon::kNone, std::move(reason));
  }
  // Bytes waiting from an earlier connection (a reply to a program stopped midway) are no answer
  // to this one.
  link.port->Purge(Queues::kReceive);
  link.port->SetQueueSizes(kReceiveQueueBytes,
                           download ? kDownloadSendQueueBytes : kReceiveSendQueueBytes);

  if (const uint32_t baud = BaudRateOfIndex(link.settings.baud_rate); baud != 0) {
    link.line.baud_rate = baud;
  }
  link.line.byte_size = 8;
  link.line.parity = Parity::kNone;
  link.line.stop_bits = StopBits::kOne;

  const uint8_t via = download ? link.settings.download_via : link.settings.receive_via;
  if (route == LinkRoute::kIrCradle) {
    if (!ConfigureCradle(link)) {
      // Stopped by the user midway, the cradle did not fail: nothing to tell.
      const int text_id = Interrupted() ? 0
                          : download    ? kTextFailedToConfigureIr
                                        : kTextCannotConfigureIr;
      return Failed(link, PortOpen::kCradleFailed, text_id, Icon::kWarning,
                    device + ": no IR cradle answered");
    }
  } else if (via == kViaSerialSpp) {
    link.line.rts = RtsControl::kEnable;
    link.line.dtr = DtrControl::kEnable;
  }
  // IrDA keeps the RTS and DTR control the record holds.

  ClearSystemError();
  if (!link.port->ApplySettings(link.line)) {
    std::string reason = device + " refused the line settings";
    if (const std::string system = SystemErrorText(); !system.empty()) reason += ": " + system;
    return Failed(link, PortOpen::kSettingsRefused, download ? kTextCommStateError : 0,
                  Icon::kWarning, std::move(reason));
  }
  // Set for both kinds here, so a download's first transfers already have them; the download
  // exchange setting them again changes nothing.
  link.port->SetTimeouts(kLinkTimeouts);
  return {PortOpen::kOpen, {}, {}};
}

bool LinkWrite(Link& link, ConstBytes data) {
  if (link.port == nullptr) return false;
  return link.port->Write(data, kTransferLimitMs).status == IoStatus::kDone;
}

bool LinkRead(Link& link, Bytes buffer, size_t* received, uint64_t deadline_ms) {
  *received = 0;
  if (link.port == nullptr) return false;
  if (buffer.empty()) return true;
  if (link.read_ahead_begin == link.read_ahead_end) {
    const uint64_t now = link.clock.NowMs();
    const uint64_t wait =
        deadline_ms > now ? std::min<uint64_t>(deadline_ms - now, kTransferLimitMs) : 0;
    // A read as large as the read-ahead goes straight to the caller's buffer.
    const bool direct = buffer.size() >= kReadAheadSize;
    const IoResult result =
        link.port->Read(direct ? buffer : Bytes(link.read_ahead), static_cast<uint32_t>(wait));
    if (result.status == IoStatus::kFailed || result.status == IoStatus::kInterrupted) {
      return false;
    }
    if (direct) {
      *received = result.count;
      return true;
    }
    link.read_ahead_begin = 0;
    link.read_ahead_end = result.count;
  }
  const size_t count = std::min(buffer.size(), link.read_ahead_end - link.read_ahead_begin);
  std::copy_n(link.read_ahead.begin() + static_cast<std::ptrdiff_t>(link.read_ahead_begin), count,
              buffer.begin());
  link.read_ahead_begin += count;
  *received = count;
  return true;
}

bool LinkRead(Link& link, Bytes buffer, size_t* received) {
  return LinkRead(link, buffer, received, link.clock.NowMs() + kTransferLimitMs);
}

void ReadReply(Link& link) {
  link.reply.fill('\0');
  const uint64_t deadline = link.clock.NowMs() + kReplyLimitMs;
  size_t stored = 0;
  while (stored < kReplyMaxChars && (stored == 0 || link.reply[stored - 1] != '\r')) {
    uint8_t byte = 0;
    size_t got = 0;
    // A port that fails will not recover within the reply's time: stop instead of spinning.
    if (!LinkRead(link, Bytes(&byte, 1), &got, deadline)) break;
    if (got == 1) link.reply[stored++] = static_cast<char>(byte);
    if (link.clock.NowMs() >= deadline) break;
  }
  if (stored > 0 && link.reply[stored - 1] == '\r') link.reply[stored - 1] = '\0';
}

void SendCommand(Link& link, ConstBytes data) {
  LinkWrite(link, data);
  ReadReply(link);
}

void SendCommand(Link& link, std::string_view text) {
  SendCommand(link, ConstBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

void LinkPurge(Link& link, Queues queues) {
  if (HasReceive(queues)) link.read_ahead_begin = link.read_ahead_end = 0;
  if (link.port != nullptr) link.port->Purge(queues);
}

void CloseLinkPort(Link& link, UnreadInput unread) {
  link.read_ahead_begin = link.read_ahead_end = 0;
  if (link.port == nullptr) return;
  if (unread == UnreadInput::kDiscard) link.port->Purge(Queues::kReceive);
  link.port.reset();
}

}  // namespace q700
