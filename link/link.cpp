// Opening the link's port and the primitive transfers of the exchanges.
#include "link/link.h"

#include <algorithm>

#include "link/cradle.h"
#include "texts/text_ids.h"

namespace q700 {
namespace {

void Tell(Link& link, int text_id, Icon icon) {
  Message message;
  message.caption_id = kCaptionError;
  message.text_id = text_id;
  message.icon = icon;
  link.messages.Show(message);
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

bool OpenLinkPort(Link& link, Connection kind, bool ir_cradle) {
  const bool download = kind == Connection::kDownload;
  link.port.reset();
  link.read_ahead_begin = link.read_ahead_end = 0;
  const std::string device = ConnectionDevice(link);
  if (!device.empty()) link.port = link.ports.Open(device);
  if (link.port == nullptr) {
    Tell(link, kTextCannotOpenPort, download ? Icon::kWarning : Icon::kNone);
    return false;
  }
  link.port->SetQueueSizes(kReceiveQueueBytes,
                           download ? kDownloadSendQueueBytes : kReceiveSendQueueBytes);

  if (const uint32_t baud = BaudRateOfIndex(link.settings.baud_rate); baud != 0) {
    link.line.baud_rate = baud;
  }
  link.line.byte_size = 8;
  link.line.parity = Parity::kNone;
  link.line.stop_bits = StopBits::kOne;

  const uint8_t via = download ? link.settings.download_via : link.settings.receive_via;
  if (ir_cradle) {
    if (!ConfigureCradle(link)) {
      Tell(link, download ? kTextFailedToConfigureIr : kTextCannotConfigureIr, Icon::kWarning);
      CloseLinkPort(link, false);
      return false;
    }
  } else if (via == kViaSerialSpp) {
    link.line.rts = RtsControl::kEnable;
    link.line.dtr = DtrControl::kEnable;
  }
  // IrDA keeps the RTS and DTR control the record holds.

  if (!link.port->ApplySettings(link.line)) {
    if (download) Tell(link, kTextCommStateError, Icon::kWarning);
    CloseLinkPort(link, false);
    return false;
  }
  // Set for both kinds here, so a download's first transfers already have them; the download
  // exchange setting them again changes nothing.
  link.port->SetTimeouts(kLinkTimeouts);
  return true;
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
    if (result.status == IoStatus::kFailed) return false;
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

void LinkPurge(Link& link, bool receive, bool send) {
  if (receive) link.read_ahead_begin = link.read_ahead_end = 0;
  if (link.port != nullptr) link.port->Purge(receive, send);
}

void CloseLinkPort(Link& link, bool purge_receive) {
  link.read_ahead_begin = link.read_ahead_end = 0;
  if (link.port == nullptr) return;
  if (purge_receive) link.port->Purge(true, false);
  link.port.reset();
}

}  // namespace q700
