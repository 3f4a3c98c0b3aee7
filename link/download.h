// Downloading to the terminal: the driver that both download commands share (the application and
// a lookup file), the handshake, the image's numbered and summed blocks, and the reply check with
// its retries.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "base/bytes.h"
#include "link/link_settings.h"
#include "link/link_ui.h"
#include "model/design.h"
#include "model/download_image.h"

namespace q700 {

struct Link;
struct LookupFile;

enum class DownloadMode { kApplication, kLookupFile };

inline constexpr size_t kBlockDataSize = 100;
inline constexpr size_t kBlockSize = 103;
inline constexpr int kBlockCount = 200;
inline constexpr int kHandshakeAttempts = 3;
inline constexpr int kPacketSends = 7;

using Block = std::array<uint8_t, kBlockSize>;

// Block `number` of the image: its 100 bytes, the sum's high and low byte, the block number.
Block FrameBlock(const DownloadImage& image, int number);

// The download command. The front end passes the route of the Download via preference. In
// lookup-file mode the user chooses the file first, and again on every retry. A port that does
// not open is reported and ends the command; a failed exchange asks whether to retry, and Yes
// closes the port and starts again from the file choice and the opening of the port. True when
// the terminal took everything.
bool DownloadToTerminal(Link& link, LinkUi& ui, Design& design, LinkRoute route, DownloadMode mode);

// One exchange on the open port: handshake, progress window, the image or the lookup file,
// "Downloaded completely!". `lookup` is the open lookup file in lookup-file mode.
bool RunDownloadExchange(Link& link, LinkUi& ui, Design& design, DownloadMode mode,
                         LookupFile* lookup);

// "ZENTAK\r" up to three times. An application download waits for a reply naming `tag` (the
// design's version tag) and waits out "NAK"; a lookup download wants "ACK". Failures are shown.
bool Handshake(Link& link, LinkUi& ui, std::string_view tag, DownloadMode mode);

// Prepares the design, builds its image and sends the 200 blocks with the progress.
bool SendImage(Link& link, LinkUi& ui, Design& design);

// Sends the packet until the terminal answers "ACK", at most seven times; "FULL" or seven sends
// without "ACK" close the progress window and show the failure.
bool SendPacket(Link& link, LinkUi& ui, ConstBytes packet);

}  // namespace q700
