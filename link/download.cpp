// The download driver, the handshake and the application's blocks.
#include "link/download.h"

#include <optional>
#include <string>

#include "base/interrupt.h"
#include "link/link.h"
#include "link/link_texts.h"
#include "link/lookup_download.h"

namespace q700 {
namespace {

constexpr std::string_view kHandshake = "ZENTAK\r";
constexpr std::string_view kRefusal = "NAK\r";

void Tell(LinkUi& ui, int caption_id, int text_id, Icon icon) {
  Message message;
  message.caption_id = caption_id;
  message.text_id = text_id;
  message.icon = icon;
  ui.Show(message);
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool AskRetry(LinkUi& ui) {
  Message message;
  message.caption_id = kCaptionError;
  message.text_id = kTextRetryDownload;
  message.icon = Icon::kQuestion;
  message.buttons = Buttons::kYesNo;
  return ui.Show(message) == Answer::kYes;
}

void CloseLookup(std::optional<LookupFile>& lookup) {
  if (lookup) lookup->stream.close();
  lookup.reset();
}

}  // namespace

Block FrameBlock(const DownloadImage& image, int number) {
  Block block{};
  unsigned sum = 0;
  const size_t start = static_cast<size_t>(number) * kBlockDataSize;
  for (size_t i = 0; i < kBlockDataSize; ++i) {
    block[i] = image[start + i];
    sum += image[start + i];
  }
  block[100] = static_cast<uint8_t>(sum / 256);
  block[101] = static_cast<uint8_t>(sum % 256);
  block[102] = static_cast<uint8_t>(number);
  return block;
}

bool DownloadToTerminal(Link& link, LinkUi& ui, Design& design, LinkRoute route,
                        DownloadMode mode) {
  std::optional<LookupFile> lookup;
  bool done = false;
  for (;;) {
    if (mode == DownloadMode::kLookupFile) {
      const std::optional<std::filesystem::path> path = ChooseLookupFile(link, ui);
      if (!path) return false;
      lookup.emplace();
      if (!OpenLookupFile(*path, ui, &*lookup)) return false;
    }
    if (const PortOpenResult opened = OpenLinkPort(link, Connection::kDownload, route); !opened) {
      ShowMessages(ui, opened);
      CloseLookup(lookup);
      return false;
    }
    done = RunDownloadExchange(link, ui, design, mode, lookup ? &*lookup : nullptr);
    if (done || Interrupted() || !AskRetry(ui)) break;
    CloseLinkPort(link, UnreadInput::kKeep);
    CloseLookup(lookup);
  }
  CloseLookup(lookup);
  CloseLinkPort(link, UnreadInput::kDiscard);
  return done;
}

bool RunDownloadExchange(Link& link, LinkUi& ui, Design& design, DownloadMode mode,
                         LookupFile* lookup) {
  if (link.port == nullptr) return false;
  link.port->SetTimeouts(kLinkTimeouts);
  if (!Handshake(link, ui, SlotText(design.version_tag), mode)) return false;
  ui.OpenProgress();
  ui.SetProgress(0);
  const bool sent = mode == DownloadMode::kApplication
                        ? SendImage(link, ui, design)
                        : lookup != nullptr && SendLookupFile(link, ui, *lookup);
  if (!sent) return false;
  ui.CloseProgress();
  Tell(ui, kCaptionDownload, kTextDownloadedCompletely, Icon::kInformation);
  return true;
}

bool Handshake(Link& link, LinkUi& ui, std::string_view tag, DownloadMode mode) {
  const bool application = mode == DownloadMode::kApplication;
  for (int attempt = 0; attempt < kHandshakeAttempts; ++attempt) {
    if (Interrupted()) return false;
    SendCommand(link, kHandshake);
    const std::string reply(link.ReplyText());
    if (application) {
      if (Contains(reply, "NAK")) continue;
      if (Contains(reply, tag)) return true;
    } else if (Contains(reply, "ACK")) {
      return true;
    }
    if (reply.size() > 1) {
      SendCommand(link, kRefusal);
      if (application) {
        Tell(ui, kCaptionWarning, kTextVersionIncompatible, Icon::kWarning);
      } else {
        Tell(ui, kCaptionWarning, kTextRetryDownload, Icon::kWarning);
      }
      return false;
    }
  }
  // A stop request ends the attempts early; the terminal is not to blame.
  if (!Interrupted()) Tell(ui, kCaptionError, kTextTerminalNotReady, Icon::kWarning);
  return false;
}

bool SendImage(Link& link, LinkUi& ui, Design& design) {
  PrepareDownload(design);
  const DownloadImage image = BuildImage(design);
  int position = 5;
  for (int number = 0; number < kBlockCount; ++number) {
    const Block block = FrameBlock(image, number);
    if (!SendPacket(link, ui, block)) return false;
    if (number % 2 == 1) ++position;
    ui.SetProgress(position);
  }
  ui.SetProgress(100);
  return true;
}

bool SendPacket(Link& link, LinkUi& ui, ConstBytes packet) {
  for (int send = 0; send < kPacketSends; ++send) {
    if (Interrupted()) return false;
    SendCommand(link, packet);
    const std::string_view reply = link.ReplyText();
    if (reply == "FULL") {
      ui.CloseProgress();
      Tell(ui, kCaptionError, kTextMemoryFull, Icon::kWarning);
      return false;
    }
    if (reply == "ACK") return true;
  }
  ui.CloseProgress();
  if (!Interrupted()) Tell(ui, kCaptionError, kTextErrorOnDownloading, Icon::kWarning);
  return false;
}

}  // namespace q700
