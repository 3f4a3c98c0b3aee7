// The lookup file download against a scripted terminal: the records of lines byte for byte, the
// end mark, the handshake that wants "ACK", long lines and lines ending in a line feed alone
// refused before anything is sent, and the file chosen again on a retry.
#include "link/lookup_download.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "link/download.h"
#include "support/scripted_terminal.h"
#include "support/temp_dir.h"

namespace q700 {
namespace {

using test::ScriptedTerminalLink;
using test::TempDir;

constexpr char kHandshake[] = "ZENTAK\r";

class LookupDownloadTest : public ::testing::Test, public ScriptedTerminalLink {
 protected:
  LookupDownloadTest() {
    script = [](const std::string&) { return std::string("ACK\r"); };
  }

  // Sends a file with these contents; gives what the terminal received after the handshake.
  std::vector<std::string> SendFile(std::string_view contents, bool* ok = nullptr) {
    ui.files.push_back(dir.Write("lookup.txt", contents));
    const bool done =
        DownloadToTerminal(link, ui, design, LinkRoute::kDirect, DownloadMode::kLookupFile);
    if (ok != nullptr) *ok = done;
    std::vector<std::string> records;
    for (size_t i = 1; i < received.size(); ++i) records.push_back(received[i].bytes);
    return records;
  }

  TempDir dir;
  Design design;
};

TEST_F(LookupDownloadTest, LinesBecomeSummedRecordsThenTheEndMark) {
  bool ok = false;
  const std::vector<std::string> records = SendFile("12\r\nZZY\r\n", &ok);
  EXPECT_TRUE(ok);
  ASSERT_FALSE(received.empty());
  EXPECT_EQ(received[0].bytes, kHandshake);
  // 99, and 269 = 0x010D whose low byte 13 goes as 14.
  EXPECT_EQ(records, (std::vector<std::string>{std::string("12\x00\x63\r", 5),
                                               std::string("ZZY\x01\x0E\r", 6), "OVER\r"}));
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1132}));
  EXPECT_EQ(ui.progress.back(), 100);
}

TEST_F(LookupDownloadTest, RecordShapesOfTheDocumentedCases) {
  // 28 x: sum 3,360, high byte 13 sent as 14, low byte 32.
  EXPECT_EQ(SendFile(std::string(28, 'x') + "\r\n"),
            (std::vector<std::string>{std::string(28, 'x') + "\x0E\x20\r", "OVER\r"}));
  // An empty line between two lines is a record of its own.
  received.clear();
  EXPECT_EQ(SendFile("A\r\n\r\nB\r\n"),
            (std::vector<std::string>{std::string("A\x00\x41\r", 4), std::string("\x00\x00\r", 3),
                                      std::string("B\x00\x42\r", 4), "OVER\r"}));
  // A last line without a carriage return is still sent.
  received.clear();
  EXPECT_EQ(SendFile("A\r\nlast"),
            (std::vector<std::string>{std::string("A\x00\x41\r", 4),
                                      std::string("last\x01\xB4\r", 7), "OVER\r"}));
  // Line feeds beside carriage returns, before or after them, are dropped.
  received.clear();
  EXPECT_EQ(SendFile("A\n\rB\r\n"),
            (std::vector<std::string>{std::string("A\x00\x41\r", 4), std::string("B\x00\x42\r", 4),
                                      "OVER\r"}));
  // An empty file: only the end mark, the bar at 100, and the success message.
  received.clear();
  ui.progress.clear();
  ui.messages.clear();
  bool ok = false;
  EXPECT_EQ(SendFile("", &ok), (std::vector<std::string>{"OVER\r"}));
  EXPECT_TRUE(ok);
  EXPECT_EQ(ui.progress, (std::vector<int>{0, 100}));
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1132}));
}

TEST_F(LookupDownloadTest, ProgressMovesAfterEachChunkOf128Bytes) {
  // 64 lines of 3 bytes and CR LF: 320 bytes read in chunks of 128, 128 and 64.
  std::string contents;
  for (int i = 0; i < 64; ++i) contents += "abc\r\n";
  SendFile(contents);
  EXPECT_EQ(ui.progress, (std::vector<int>{0, 40, 80, 100, 100}));
}

TEST_F(LookupDownloadTest, TheHandshakeWantsAckAndAnswersAnythingElseWithNak) {
  script = [](const std::string& bytes) {
    return bytes == kHandshake ? std::string("NAK\r") : std::string("ACK\r");
  };
  bool ok = true;
  const std::vector<std::string> after = SendFile("12\r\n", &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(after, (std::vector<std::string>{"NAK\r"}));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].caption_id, 1122);
  EXPECT_EQ(ui.messages[0].text_id, 1166);
  EXPECT_EQ(ui.messages[0].icon, Icon::kWarning);
  EXPECT_EQ(ui.messages[0].buttons, Buttons::kOk);
  EXPECT_EQ(ui.messages[1].caption_id, 1121);
  EXPECT_EQ(ui.messages[1].text_id, 1166);
  EXPECT_EQ(ui.messages[1].buttons, Buttons::kYesNo);

  // Silence three times: not ready.
  received.clear();
  ui.messages.clear();
  script = [](const std::string&) { return std::string(); };
  SendFile("12\r\n", &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(CountReceived(kHandshake), 3);
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1145, 1166}));
}

TEST_F(LookupDownloadTest, ALineTooLongIsRefusedBeforeThePortOpens) {
  const std::string line253(253, 'a');
  const std::string contents = "first\r\n" + line253 + "\r\n" + line253 + "b\r\nlast\r\n";
  bool ok = true;
  SendFile(contents, &ok);
  EXPECT_FALSE(ok);
  EXPECT_TRUE(received.empty());
  EXPECT_TRUE(ports.opened.empty());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption_id, 1121);
  EXPECT_NE(ui.messages[0].text_utf8.find("Line 3 "), std::string::npos)
      << ui.messages[0].text_utf8;
}

TEST_F(LookupDownloadTest, LinesEndingInALineFeedAloneAreRefusedBeforeThePortOpens) {
  // Sent, "a\nb\n" would arrive as the one record "ab" and be reported complete.
  bool ok = true;
  SendFile("first\r\nsecond\nthird\n", &ok);
  EXPECT_FALSE(ok);
  EXPECT_TRUE(received.empty());
  EXPECT_TRUE(ports.opened.empty());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption_id, 1121);
  EXPECT_EQ(ui.messages[0].icon, Icon::kWarning);
  const std::string& text = ui.messages[0].text_utf8;
  EXPECT_EQ(
      text.rfind("Line 2 of the lookup file ends in a line feed without a carriage return", 0), 0u)
      << text;
  EXPECT_NE(text.find("carriage return and line feed"), std::string::npos) << text;
}

TEST(LookupLineScan, BareLineFeedsAndLongLinesByLine) {
  struct Case {
    std::string contents;
    size_t bare;  // the line a line feed without a carriage return beside it ends
    size_t long_line;
  };
  const std::string line253(253, 'a');
  const Case cases[] = {
      {"a\r\nb\r\n", 0, 0},
      {"a\rb\r", 0, 0},
      {"no line end", 0, 0},
      {"a\n\rb\n\r", 0, 0},  // line feed before the carriage return
      {"a\nb\n", 1, 0},
      {"a\r\nb\nc\r\n", 2, 0},
      {"a\r\n\n", 2, 0},  // the second line feed has no carriage return beside it
      {"a\r\n\n\r", 0, 0},
      {line253 + "\r\n" + line253 + "b\r\n", 0, 2},
      {line253 + "\r" + line253, 0, 0},
      {line253 + "bb\n", 1, 1},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.contents);
    const LookupLineScan scan = ScanLookupLines(in);
    EXPECT_EQ(scan.first_bare_line_feed, c.bare) << c.contents;
    EXPECT_EQ(scan.first_long_line, c.long_line) << c.contents;
  }
}

TEST_F(LookupDownloadTest, RetryChoosesTheFileAgainFromTheRememberedPath) {
  int full_given = 0;
  script = [&](const std::string& bytes) {
    if (bytes == std::string("2\x00\x32\r", 4) && full_given++ == 0) return std::string("FULL\r");
    return std::string("ACK\r");
  };
  const std::filesystem::path first = dir.Write("first.txt", "1\r\n2\r\n");
  const std::filesystem::path second = dir.Write("second.txt", "1\r\n2\r\n3\r\n");
  ui.files = {first, second};
  ui.answers = {Answer::kYes};
  EXPECT_TRUE(DownloadToTerminal(link, ui, design, LinkRoute::kDirect, DownloadMode::kLookupFile));
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1146, 1166, 1132}));
  ASSERT_EQ(ui.initial_paths.size(), 2u);
  EXPECT_EQ(ui.initial_paths[0], std::filesystem::path());
  EXPECT_EQ(ui.initial_paths[1], first);
  EXPECT_EQ(link.lookup_path, second);
  // The retry sent the second file from its first line.
  EXPECT_EQ(CountReceived(std::string("1\x00\x31\r", 4)), 2);
  EXPECT_EQ(CountReceived(std::string("3\x00\x33\r", 4)), 1);

  // Cancelling the choice ends the command quietly; a missing file is "Cannot open the file!".
  ui.messages.clear();
  EXPECT_FALSE(DownloadToTerminal(link, ui, design, LinkRoute::kDirect, DownloadMode::kLookupFile));
  EXPECT_TRUE(ui.messages.empty());
  ui.files = {dir / "missing.txt"};
  EXPECT_FALSE(DownloadToTerminal(link, ui, design, LinkRoute::kDirect, DownloadMode::kLookupFile));
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1161}));
  EXPECT_EQ(ui.messages[0].icon, Icon::kWarning);
}

}  // namespace
}  // namespace q700
