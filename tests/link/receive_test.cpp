// The data upload against a scripted terminal on a fake clock: the request phase and its
// time-outs, the records with their sequence numbers and sums, the file, and the final messages.
#include "link/receive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>

#include "support/scripted_terminal.h"
#include "support/temp_dir.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

using test::ReadFileBytes;
using test::ScriptedTerminalLink;
using test::TempDir;

constexpr char kRequest[] = "READ\r";
constexpr char kAck[] = "ACK\r";
constexpr char kNak[] = "NAK\r";

// A record as the terminal sends it: number, data, the sum's low and high byte (13 sent as 14)
// and a carriage return.
std::string Record(int sequence, std::string_view data) {
  unsigned sum = static_cast<unsigned>(sequence);
  for (const char c : data) sum += static_cast<uint8_t>(c);
  const auto no_cr = [](unsigned b) { return static_cast<char>(b == 13 ? 14 : b); };
  return std::string(1, static_cast<char>(sequence)) + std::string(data) + no_cr(sum & 0xFF) +
         no_cr((sum >> 8) & 0xFF) + "\r";
}

class ReceiveTest : public ::testing::Test, public ScriptedTerminalLink {
 protected:
  ReceiveTest() {
    out_path = dir / "data.txt";
    // Each write of the program is answered with the next item; silence once they run out.
    script = [this](const std::string&) {
      if (answers.empty()) return std::string();
      std::string next = answers.front();
      answers.pop_front();
      return next;
    };
  }

  // Runs the command as a front end does: its messages shown after it. The count of records
  // written.
  int Receive() {
    ui.files.push_back(out_path);
    const ReceiveResult result = ReceiveData(link, ui, texts, LinkRoute::kDirect);
    ShowMessages(ui, result);
    status = result.status;
    return result.count;
  }

  // What the program wrote after its request was accepted.
  std::vector<std::string> Replies() const {
    std::vector<std::string> replies;
    bool accepted = false;
    for (const test::Received& r : received) {
      if (accepted) replies.push_back(r.bytes);
      if (r.bytes == kRequest) accepted = true;
    }
    return replies;
  }

  // The names of the folder's files, sorted.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  TempDir dir;
  std::filesystem::path out_path;
  std::deque<std::string> answers;
  TextLoader texts;
  ReceiveStatus status = ReceiveStatus::kCancelled;
};

TEST_F(ReceiveTest, ARecordIsWrittenAndAcknowledged) {
  ASSERT_EQ(Record(0, "ABC"), std::string("\x00\x41\x42\x43\xC6\x00\x0D", 7));
  answers = {std::string(kAck) + Record(0, "ABC"), "OVER\r"};
  ui.answers = {Answer::kYes};
  dir.Write("data.txt", "yesterday\r\n");  // replaced whole, once the records are in
  EXPECT_EQ(Receive(), 1);
  EXPECT_EQ(status, ReceiveStatus::kDone);
  EXPECT_EQ(Replies(), (std::vector<std::string>{kAck}));
  EXPECT_EQ(ReadFileBytes(out_path), "ABC\r\n");
  EXPECT_EQ(Files(), (std::vector<std::string>{"data.txt"}));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption_id, 1124);
  EXPECT_EQ(ui.messages[0].detail, "Done : 1 records received.\nView the received data?");
  EXPECT_EQ(ui.messages[0].icon, Icon::kNone);
  EXPECT_EQ(ui.messages[0].buttons, Buttons::kYesNo);
  EXPECT_EQ(ui.viewed, (std::vector<std::filesystem::path>{out_path}));
  EXPECT_EQ(ui.calls.front(), "choose output");
  // The count display: before the first record, after it, and at the end.
  EXPECT_NE(std::find(ui.calls.begin(), ui.calls.end(), "count 0 0"), ui.calls.end());
  EXPECT_NE(std::find(ui.calls.begin(), ui.calls.end(), "count 1 1"), ui.calls.end());
  EXPECT_NE(std::find(ui.calls.begin(), ui.calls.end(), "count 2 1"), ui.calls.end());
}

TEST_F(ReceiveTest, SumsSequenceNumbersAndRepeats) {
  // 269 = 0x010D: the low byte comes as 14. Then the same record again (its ACK was missed),
  // a record numbered 5 where 1 is due, a wrong sum, too short, too long, and the good one.
  const std::string sum269 = std::string("\x00ZZY\x0E\x01\r", 7);
  ASSERT_EQ(Record(0, "ZZY"), sum269);
  std::string bad_sum = Record(1, "DEF");
  bad_sum[4] = static_cast<char>(bad_sum[4] + 1);
  answers = {std::string(kAck) + sum269,
             sum269,
             Record(5, "XYZ"),
             bad_sum,
             std::string("\x01\x01\r", 3),
             Record(1, std::string(252, 'L')),
             Record(1, "DEF"),
             "OVER\r"};
  EXPECT_EQ(Receive(), 2);
  EXPECT_EQ(Replies(), (std::vector<std::string>{kAck, kAck, kNak, kNak, kNak, kNak, kAck}));
  EXPECT_EQ(ReadFileBytes(out_path), "ZZY\r\nDEF\r\n");
  EXPECT_EQ(ui.messages[0].detail, "Done : 2 records received.\nView the received data?");
  EXPECT_TRUE(ui.viewed.empty());  // answered No
}

TEST_F(ReceiveTest, TheSequenceNumberWrapsFromNineToZero) {
  answers.push_back(std::string(kAck) + Record(0, "r0"));
  for (int i = 1; i <= 10; ++i) answers.push_back(Record(i % 10, "r" + std::to_string(i)));
  answers.push_back("OVER\r");
  EXPECT_EQ(Receive(), 11);
  std::string expected;
  for (int i = 0; i <= 10; ++i) expected += "r" + std::to_string(i) + "\r\n";
  EXPECT_EQ(ReadFileBytes(out_path), expected);
}

TEST_F(ReceiveTest, NothingToSendLeavesNoFileAndAnEarlierOneAsItWas) {
  answers = {std::string(kAck) + "OVER\r"};
  EXPECT_EQ(Receive(), 0);
  EXPECT_EQ(status, ReceiveStatus::kNothing);
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1134}));
  EXPECT_EQ(ui.messages[0].caption_id, 1124);
  EXPECT_TRUE(Files().empty());

  dir.Write("data.txt", "yesterday\r\n");
  answers = {std::string(kAck) + "OVER\r"};
  EXPECT_EQ(Receive(), 0);
  EXPECT_EQ(ReadFileBytes(out_path), "yesterday\r\n");
  EXPECT_EQ(Files(), (std::vector<std::string>{"data.txt"}));
}

TEST_F(ReceiveTest, ASilentTerminalGetsFourRequestsThreeSecondsApart) {
  EXPECT_EQ(Receive(), 0);
  EXPECT_EQ(status, ReceiveStatus::kNoContact);
  ASSERT_EQ(received.size(), 4u);
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(received[i].bytes, kRequest);
  for (size_t i = 1; i < 4; ++i) EXPECT_EQ(received[i].time_ms - received[i - 1].time_ms, 3000u);
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1144, 1134}));
  EXPECT_EQ(ui.messages[0].caption_id, 1121);
  EXPECT_EQ(ui.messages[0].icon, Icon::kNone);
  // Told apart from a terminal without records: nobody answered, on which port.
  EXPECT_NE(ui.messages[0].reason.find("no terminal answered on "), std::string::npos);
  EXPECT_TRUE(Files().empty());
}

TEST_F(ReceiveTest, ATerminalAnsweringSomethingElseGetsSixRequests) {
  script = [](const std::string&) { return std::string("NAK\r"); };
  EXPECT_EQ(Receive(), 0);
  EXPECT_EQ(CountReceived(kRequest), 6);
  EXPECT_EQ(received.size(), 6u);
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1165, 1134}));
  EXPECT_EQ(ui.messages[0].caption_id, 1121);

  // An answer that is not exactly "ACK\r" counts as a failed request; the next one may succeed.
  received.clear();
  ui.messages.clear();
  answers = {"ACK \r", "ack\r", std::string(kAck) + "OVER\r"};
  script = [this](const std::string&) {
    std::string next = answers.empty() ? std::string() : answers.front();
    if (!answers.empty()) answers.pop_front();
    return next;
  };
  EXPECT_EQ(Receive(), 0);
  EXPECT_EQ(CountReceived(kRequest), 3);
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1134}));
}

TEST_F(ReceiveTest, ATerminalThatStopsGetsTenNaksAndItsRecordsAreKeptAside) {
  answers = {std::string(kAck) + Record(0, "one"), Record(1, "two")};
  dir.Write("data.txt", "yesterday\r\n");
  uint64_t last_ack_ms = 0;
  EXPECT_EQ(Receive(), 2);
  EXPECT_EQ(status, ReceiveStatus::kTimedOut);
  const std::vector<std::string> replies = Replies();
  ASSERT_EQ(replies.size(), 12u);
  EXPECT_EQ(replies[0], kAck);
  EXPECT_EQ(replies[1], kAck);
  for (size_t i = 2; i < 12; ++i) EXPECT_EQ(replies[i], kNak);
  // 500 ms apart, the first 500 ms after the last acknowledgement.
  last_ack_ms = received[2].time_ms;
  for (size_t i = 3; i < 13; ++i) {
    EXPECT_EQ(received[i].time_ms - received[i - 1].time_ms, 500u) << i;
  }
  EXPECT_GT(received[3].time_ms, last_ack_ms);
  // "Time out!", then where the two acknowledged records went (a text of the program's own).
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1144, 0}));
  EXPECT_EQ(ui.messages[1].text_utf8, "2 records received before the failure were kept in " +
                                          (dir / "data.partial.txt").string() + ".");
  const auto count_end = std::find(ui.calls.begin(), ui.calls.end(), "count 2 2");
  const auto time_out = std::find(ui.calls.begin(), ui.calls.end(), "message 1121/1144");
  EXPECT_LT(count_end, time_out);
  EXPECT_EQ(ReadFileBytes(out_path), "yesterday\r\n");
  EXPECT_EQ(ReadFileBytes(dir / "data.partial.txt"), "one\r\ntwo\r\n");

  // A second such failure never overwrites the first one's records.
  answers = {std::string(kAck) + Record(0, "three")};
  ui.messages.clear();
  EXPECT_EQ(Receive(), 1);
  EXPECT_EQ(ReadFileBytes(dir / "data.partial.txt"), "one\r\ntwo\r\n");
  EXPECT_EQ(ReadFileBytes(dir / "data.partial-2.txt"), "three\r\n");
  EXPECT_EQ(Files(),
            (std::vector<std::string>{"data.partial-2.txt", "data.partial.txt", "data.txt"}));
}

TEST_F(ReceiveTest, FileAndPortFailures) {
  // The file cannot be created: nothing is sent.
  out_path = dir / "missing" / "data.txt";
  EXPECT_EQ(Receive(), 0);
  EXPECT_EQ(status, ReceiveStatus::kFileFailed);
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1170}));
  EXPECT_EQ(ui.messages[0].icon, Icon::kNone);
  EXPECT_EQ(ui.messages[0].caption_id, 1121);
  EXPECT_TRUE(ports.opened.empty());

  EXPECT_NE(ui.messages[0].reason.find("missing"), std::string::npos);

  // The port does not open: its message with the port, and an earlier file as it was.
  ui.messages.clear();
  out_path = dir.Write("data.txt", "yesterday\r\n");
  ports.line_device = "\\\\.\\COM9";
  EXPECT_EQ(Receive(), 0);
  EXPECT_EQ(status, ReceiveStatus::kPortFailed);
  EXPECT_EQ(ui.TextIds(), (std::vector<int>{1162}));
  EXPECT_EQ(ui.messages[0].icon, Icon::kNone);
  EXPECT_NE(ui.messages[0].reason.find("COM"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(out_path), "yesterday\r\n");
  EXPECT_EQ(Files(), (std::vector<std::string>{"data.txt"}));

  // Cancelled: nothing at all.
  ui.messages.clear();
  const ReceiveResult cancelled = ReceiveData(link, ui, texts, LinkRoute::kDirect);
  EXPECT_EQ(cancelled.status, ReceiveStatus::kCancelled);
  EXPECT_TRUE(cancelled.messages.empty());
  EXPECT_TRUE(ui.messages.empty());
}

#ifdef __linux__
TEST_F(ReceiveTest, ARecordTheFileRefusesIsNotAcknowledged) {
  answers = {std::string(kAck) + Record(0, "lost"), Record(0, "lost")};
  ASSERT_TRUE(OpenLinkPort(link, Connection::kReceive, LinkRoute::kDirect));
  std::FILE* full = std::fopen("/dev/full", "wb");
  ASSERT_NE(full, nullptr);
  const ReceiveResult result = ReceiveRecords(link, ui, full);
  std::fclose(full);
  EXPECT_EQ(result.status, ReceiveStatus::kWriteFailed);
  EXPECT_EQ(result.count, 0);
  EXPECT_TRUE(Replies().empty());
  ASSERT_EQ(result.messages.size(), 1u);
  EXPECT_EQ(result.messages[0].text_id, 1170);
  EXPECT_FALSE(result.reason.empty());
}
#endif

TEST(ReceiveDoneMessageTest, ALanguageJoinsItsTextsAroundTheCount) {
  TextLoader texts;
  EXPECT_EQ(ReceiveDoneMessage(12, texts).detail,
            "Done : 12 records received.\nView the received data?");
  texts.language().Set(4, "Fertig: ");
  texts.language().Set(5, " Datensaetze. Ansehen?");
  texts.set_language_active(true);
  const Message message = ReceiveDoneMessage(12, texts);
  EXPECT_EQ(message.detail, "Fertig: 12 Datensaetze. Ansehen?");
  EXPECT_EQ(message.caption_id, 1124);
  EXPECT_EQ(message.text_id, 0);
}

}  // namespace
}  // namespace q700
