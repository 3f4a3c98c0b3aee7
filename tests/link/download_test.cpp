// The application download against a scripted terminal on a fake clock: handshake answers, the
// framing of the 200 blocks, the reply check with its seven sends, "FULL" and the retry.
#include "link/download.h"

#include <gtest/gtest.h>

#include <string>

#include "link/link.h"
#include "model/defaults.h"
#include "support/scripted_terminal.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

using test::ScriptedTerminalLink;

constexpr char kHandshake[] = "ZENTAK\r";

class DownloadTest : public ::testing::Test, public ScriptedTerminalLink {
 protected:
  DownloadTest() {
    RefillTerminalTexts(texts, defaults);
    ResetDesign(design, defaults);
  }

  // The image the terminal should receive: the design as the download prepares it.
  DownloadImage ExpectedImage() {
    Design copy = design;
    PrepareDownload(copy);
    return BuildImage(copy);
  }

  std::vector<std::string> Blocks() const {
    std::vector<std::string> blocks;
    for (const test::Received& r : received) {
      if (r.bytes.size() == kBlockSize) blocks.push_back(r.bytes);
    }
    return blocks;
  }

  bool Download() {
    return DownloadToTerminal(link, ui, design, LinkRoute::kDirect, DownloadMode::kApplication);
  }

  TextLoader texts;
  DefaultTerminalTexts defaults;
  Design design;
};

std::string AcceptAll(const std::string& bytes) {
  return bytes == kHandshake ? "Q700RU004\r" : "ACK\r";
}

TEST(BlockFrameTest, SumHighByteFirstThenTheBlockNumber) {
  DownloadImage image{};
  std::fill_n(image.begin() + 300, 100, 0xFF);
  const Block full = FrameBlock(image, 3);
  EXPECT_EQ(full[100], 0x63);  // 25,500
  EXPECT_EQ(full[101], 0x9C);
  EXPECT_EQ(full[102], 3);
  const Block zero = FrameBlock(image, 199);
  EXPECT_EQ(zero[100], 0x00);
  EXPECT_EQ(zero[101], 0x00);
  EXPECT_EQ(zero[102], 0xC7);
}

TEST_F(DownloadTest, TheTagStartsTwoHundredSummedBlocksWithProgress) {
  script = AcceptAll;
  ASSERT_TRUE(Download());

  ASSERT_GE(received.size(), 1u);
  EXPECT_EQ(received[0].bytes, kHandshake);
  const std::vector<std::string> blocks = Blocks();
  ASSERT_EQ(blocks.size(), 200u);
  EXPECT_EQ(received.size(), 201u);
  const DownloadImage image = ExpectedImage();
  for (int n = 0; n < 200; ++n) {
    const std::string& block = blocks[static_cast<size_t>(n)];
    unsigned sum = 0;
    for (int i = 0; i < 100; ++i) {
      ASSERT_EQ(static_cast<uint8_t>(block[static_cast<size_t>(i)]),
                image[static_cast<size_t>(n * 100 + i)])
          << "block " << n;
      sum += static_cast<uint8_t>(block[static_cast<size_t>(i)]);
    }
    EXPECT_EQ(static_cast<uint8_t>(block[100]), sum / 256);
    EXPECT_EQ(static_cast<uint8_t>(block[101]), sum % 256);
    EXPECT_EQ(static_cast<uint8_t>(block[102]), n);
  }
  // The design itself was prepared for the download.
  EXPECT_EQ(BuildImage(design), image);

  // 0 on opening, 5 after block 0, one more after each odd block: 100 after block 189 and 105
  // after block 199, then 100.
  ASSERT_EQ(ui.progress.size(), 202u);
  EXPECT_EQ(ui.progress[0], 0);
  EXPECT_EQ(ui.progress[1], 5);
  EXPECT_EQ(ui.progress[2], 6);
  EXPECT_EQ(ui.progress[3], 6);
  EXPECT_EQ(ui.progress[190], 100);
  EXPECT_EQ(ui.progress[200], 105);
  EXPECT_EQ(ui.progress[201], 100);

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption_id, 1123);
  EXPECT_EQ(ui.messages[0].text_id, 1132);
  EXPECT_EQ(ui.messages[0].icon, Icon::kInformation);
  EXPECT_EQ(ui.calls[ui.calls.size() - 2], "progress close");
  // The port is closed with its receive queue discarded.
  EXPECT_FALSE(line.IsOpen(0));
  const PortEvent& last = line.Events(0).back();
  EXPECT_EQ(last.kind, PortEvent::Kind::kPurge);
  EXPECT_TRUE(last.purge_receive);
}

TEST_F(DownloadTest, HandshakeAnswers) {
  // "NAK" three times: not ready, then the retry question; nothing else is sent.
  script = [](const std::string&) { return std::string("NAK\r"); };
  EXPECT_FALSE(Download());
  EXPECT_EQ(received.size(), 3u);
  EXPECT_EQ(CountReceived(kHandshake), 3);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].caption_id, 1121);
  EXPECT_EQ(ui.messages[0].text_id, 1145);
  EXPECT_EQ(ui.messages[0].icon, Icon::kWarning);
  EXPECT_EQ(ui.messages[1].caption_id, 1121);
  EXPECT_EQ(ui.messages[1].text_id, 1166);
  EXPECT_EQ(ui.messages[1].icon, Icon::kQuestion);
  EXPECT_EQ(ui.messages[1].buttons, Buttons::kYesNo);
  EXPECT_TRUE(ui.progress.empty());

  // A tag that differs in its last digit: "NAK\r" back, the version warning, the question.
  received.clear();
  ui.messages.clear();
  script = [](const std::string& bytes) {
    return bytes == kHandshake ? std::string("Q700RU005\r") : std::string("ACK\r");
  };
  EXPECT_FALSE(Download());
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[1].bytes, "NAK\r");
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1325, 1166}));
  EXPECT_EQ(ui.messages[0].caption_id, 1122);
  EXPECT_EQ(ui.messages[0].icon, Icon::kWarning);

  // Silence and one-character answers are waited out like "NAK".
  received.clear();
  ui.messages.clear();
  int attempt = 0;
  script = [&attempt](const std::string& bytes) {
    if (bytes != kHandshake) return std::string("ACK\r");
    ++attempt;
    return std::string(attempt == 1 ? "" : attempt == 2 ? "X\r" : "ready Q700RU004\r");
  };
  const uint64_t start = clock.NowMs();
  // "ready Q700R" is ten characters: the tag is cut off, so the third attempt fails too.
  EXPECT_FALSE(Download());
  EXPECT_EQ(CountReceived(kHandshake), 3);
  EXPECT_GE(clock.NowMs() - start, 2000u);
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1325, 1166}));
}

TEST_F(DownloadTest, ABlockIsSentUntilItsAckAtMostSevenTimes) {
  int sends_of_block_3 = 0;
  script = [&](const std::string& bytes) {
    if (bytes == kHandshake) return std::string("Q700RU004\r");
    if (bytes.size() == kBlockSize && static_cast<uint8_t>(bytes[102]) == 3) {
      ++sends_of_block_3;
      // Refused, garbled, silent: anything but "ACK" is sent again.
      if (sends_of_block_3 == 1) return std::string("NAK\r");
      if (sends_of_block_3 == 2) return std::string("ack\r");
      if (sends_of_block_3 == 3) return std::string();
    }
    return std::string("ACK\r");
  };
  ASSERT_TRUE(Download());
  EXPECT_EQ(sends_of_block_3, 4);
  const std::vector<std::string> blocks = Blocks();
  ASSERT_EQ(blocks.size(), 203u);
  for (int i = 3; i < 7; ++i) EXPECT_EQ(static_cast<uint8_t>(blocks[i][102]), 3);
  EXPECT_EQ(static_cast<uint8_t>(blocks[7][102]), 4);

  // Never "ACK": seven sends, then "Error on downloading!" after the progress window closed.
  received.clear();
  ui.calls.clear();
  ui.messages.clear();
  script = [](const std::string& bytes) {
    return bytes == kHandshake ? std::string("Q700RU004\r") : std::string("NAK\r");
  };
  EXPECT_FALSE(Download());
  EXPECT_EQ(Blocks().size(), 7u);
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1168, 1166}));
  EXPECT_EQ(ui.messages[0].icon, Icon::kWarning);
  const auto close = std::find(ui.calls.begin(), ui.calls.end(), "progress close");
  const auto error = std::find(ui.calls.begin(), ui.calls.end(), "message 1121/1168");
  EXPECT_LT(close, error);
}

TEST_F(DownloadTest, FullAtBlock57ThenYesStartsAgainWithTheHandshake) {
  bool full_given = false;
  script = [&](const std::string& bytes) {
    if (bytes == kHandshake) return std::string("Q700RU004\r");
    if (!full_given && static_cast<uint8_t>(bytes[102]) == 57) {
      full_given = true;
      return std::string("FULL\r");
    }
    return std::string("ACK\r");
  };
  ui.answers = {Answer::kYes};
  ASSERT_TRUE(Download());

  // The progress window closes before the message; the question follows.
  const auto full = std::find(ui.calls.begin(), ui.calls.end(), "message 1121/1146");
  ASSERT_NE(full, ui.calls.end());
  EXPECT_EQ(*(full - 1), "progress close");
  EXPECT_EQ(*(full + 1), "message 1121/1166");
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1146, 1166, 1132}));
  EXPECT_EQ(ui.messages[0].icon, Icon::kWarning);

  // The port was opened twice; the second connection began with the handshake and block 0.
  EXPECT_EQ(ports.opened.size(), 2u);
  ASSERT_EQ(received.size(), 1u + 58u + 1u + 200u);
  EXPECT_EQ(static_cast<uint8_t>(received[58].bytes[102]), 57);
  EXPECT_EQ(received[59].bytes, kHandshake);
  EXPECT_EQ(static_cast<uint8_t>(received[60].bytes[102]), 0);
  EXPECT_EQ(static_cast<uint8_t>(received.back().bytes[102]), 199);
}

TEST_F(DownloadTest, NoRetryQuestionWhenThePortDoesNotOpen) {
  ports.line_device = "\\\\.\\COM9";
  EXPECT_FALSE(Download());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text_id, 1162);
  EXPECT_TRUE(received.empty());
}

}  // namespace
}  // namespace q700
