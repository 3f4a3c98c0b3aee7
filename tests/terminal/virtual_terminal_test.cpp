// The virtual terminal as a state machine fed with bytes and time: the cradle's control bytes,
// the two-step handshake, messages cut short, abandoned exchanges, the upload records, the fault
// syntax and the log of injected faults.
#include "terminal/virtual_terminal.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

namespace q700 {
namespace {

class VirtualTerminalTest : public ::testing::Test {
 protected:
  VirtualTerminalTest() : terminal(MakeConfig()) {}

  TerminalConfig MakeConfig() {
    TerminalConfig config;
    config.store = store.path();
    config.records = {"ABC", "ZZY"};
    return config;
  }

  // Feeds bytes at a time and gives everything the terminal answered.
  std::string Feed(std::string_view bytes, uint64_t at_ms) {
    terminal.Receive(ConstBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
                     at_ms);
    return Output();
  }
  std::string Output() {
    std::string text;
    for (const TerminalOutput& out : terminal.TakeOutput()) {
      text.append(out.bytes.begin(), out.bytes.end());
    }
    return text;
  }

  test::TempDir store;
  VirtualTerminal terminal;
};

// A terminal whose user chose what to receive answers the first handshake at once: with the tag
// for an application (then its blocks), with "ACK" for a lookup file (then its records).
TEST_F(VirtualTerminalTest, ATerminalToldWhatToExpectAnswersTheFirstHandshake) {
  struct Case {
    TerminalExpect expect;
    std::string first, second;
  };
  const Case cases[] = {
      {TerminalExpect::kEither, "NAK ACK\r", "Q700RU004\r"},
      {TerminalExpect::kApplication, "Q700RU004\r", "Q700RU004\r"},
      {TerminalExpect::kLookup, "ACK\r", "ACK\r"},
  };
  for (const Case& c : cases) {
    TerminalConfig config = MakeConfig();
    config.expect = c.expect;
    terminal = VirtualTerminal(config);
    EXPECT_EQ(Feed("ZENTAK\r", 0), c.first) << static_cast<int>(c.expect);
    // While it takes blocks, a short message is looked at once the line is quiet.
    std::string second = Feed("ZENTAK\r", 10);
    terminal.Tick(10 + kTerminalGapMs);
    EXPECT_EQ(second + Output(), c.second) << static_cast<int>(c.expect);
  }
  // After "ACK" the lookup records follow: a record "12", its sum high and low, CR.
  EXPECT_EQ(Feed(std::string("12\x00\x63\r", 5), 100), "ACK\r");
  EXPECT_EQ(Feed("OVER\r", 110), "ACK\r");
  EXPECT_EQ(test::ReadFileBytes(store / "lookup-1.txt"), "12\r\n");
}

TEST_F(VirtualTerminalTest, CradleControlBytesOutsideAnExchange) {
  EXPECT_EQ(Feed("\x0F", 0), "\x0F");
  EXPECT_EQ(Feed("\x07", 100), "");
  EXPECT_EQ(Feed("\x36", 200), "");
  EXPECT_EQ(Feed("\x51", 300), "");
  EXPECT_EQ(terminal.TakeLog(), (std::vector<std::string>{"cradle set to 115200 bit/s"}));
  // The rate byte may itself be 0x07 (a speed index past the table); 0x0F then is a probe again.
  EXPECT_EQ(Feed("\x07\x07\x51\x0F", 400), "\x0F");
  EXPECT_FALSE(terminal.in_exchange());
}

TEST_F(VirtualTerminalTest, TheSecondHandshakeOfAnExchangeGetsTheTag) {
  EXPECT_EQ(Feed("ZENTAK\r", 0), "NAK ACK\r");
  EXPECT_EQ(Feed("ZENTAK\r", 10), "Q700RU004\r");
  // A third attempt (its answer was lost) comes alone: once the line is quiet it is answered.
  EXPECT_EQ(Feed("ZENTAK\r", 2010), "");
  terminal.Tick(2010 + kTerminalGapMs - 1);
  EXPECT_EQ(Output(), "");
  EXPECT_EQ(terminal.NextDeadline(), 2010 + kTerminalGapMs);
  terminal.Tick(2010 + kTerminalGapMs);
  EXPECT_EQ(Output(), "Q700RU004\r");
  // A block that begins with the same bytes is a block.
  std::string block = "ZENTAK\r" + std::string(93, 'a');
  unsigned sum = 0;
  for (const char c : block) sum += static_cast<uint8_t>(c);
  block += static_cast<char>(sum / 256);
  block += static_cast<char>(sum % 256);
  block += '\0';
  EXPECT_EQ(Feed(block, 2100), "ACK\r");
  // The same block again (its ACK went missing) is acknowledged; the wrong number is not.
  EXPECT_EQ(Feed(block, 4100), "ACK\r");
  block[102] = 5;
  EXPECT_EQ(Feed(block, 6100), "NAK\r");

  // A new download starts over with the first answer.
  EXPECT_EQ(Feed("ZENTAK\r", 9000), "");
  terminal.Tick(9000 + kTerminalGapMs);
  EXPECT_EQ(Output(), "NAK ACK\r");
  EXPECT_EQ(terminal.exchanges_ended(), 1);
}

TEST_F(VirtualTerminalTest, RefusalsAndSilenceEndTheExchange) {
  Feed("ZENTAK\r", 0);
  Feed("NAK\r", 10);
  EXPECT_FALSE(terminal.in_exchange());
  EXPECT_EQ(terminal.exchanges_ended(), 1);

  Feed("ZENTAK\r", 100);
  EXPECT_TRUE(terminal.in_exchange());
  EXPECT_EQ(terminal.NextDeadline(), 100 + kTerminalAbandonMs);
  terminal.Tick(100 + kTerminalAbandonMs);
  EXPECT_FALSE(terminal.in_exchange());
  EXPECT_EQ(terminal.exchanges_ended(), 2);
}

TEST_F(VirtualTerminalTest, UploadSendsNumberedSummedRecordsAndRepeatsOnNak) {
  EXPECT_EQ(Feed("READ\r", 0), std::string("ACK\r") + std::string("\x00\x41\x42\x43\xC6\x00\r", 7));
  EXPECT_EQ(Feed("NAK\r", 10), std::string("\x00\x41\x42\x43\xC6\x00\r", 7));
  // 1 + 269 = 270 = 0x010E.
  EXPECT_EQ(Feed("ACK\r", 20), std::string("\x01ZZY\x0E\x01\r", 7));
  EXPECT_EQ(Feed("ACK\r", 30), "OVER\r");
  EXPECT_FALSE(terminal.in_exchange());
  EXPECT_EQ(FrameUploadRecord(0, "ZZY"), (std::vector<uint8_t>{0, 'Z', 'Z', 'Y', 14, 1, 13}));
}

TEST(VirtualTerminalFaultTest, EveryInjectedFaultIsCountedAndLogged) {
  test::TempDir store;
  TerminalConfig config;
  config.store = store.path();
  config.faults.nak = 2;
  config.faults.full = 1;
  VirtualTerminal terminal(config);
  const auto feed = [&terminal](std::string_view bytes, uint64_t at_ms) {
    terminal.Receive(ConstBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
                     at_ms);
  };
  feed("ZENTAK\r", 0);
  feed("ZENTAK\r", 10);
  const auto block = [](int number) {
    std::string b(100, static_cast<char>('a' + number));
    unsigned sum = 0;
    for (const char c : b) sum += static_cast<uint8_t>(c);
    b += static_cast<char>(sum / 256);
    b += static_cast<char>(sum % 256);
    b += static_cast<char>(number);
    return b;
  };
  for (int i = 0; i < 3; ++i) feed(block(0), 100 + i * 10);
  feed(block(1), 200);
  EXPECT_EQ(terminal.faults_injected(), 3);
  std::vector<std::string> faults;
  for (const std::string& line : terminal.TakeLog()) {
    if (line.rfind("fault: ", 0) == 0) faults.push_back(line);
  }
  EXPECT_EQ(faults, (std::vector<std::string>{"fault: NAK to block 0", "fault: NAK to block 0",
                                              "fault: FULL to block 1"}));
}

TEST(UploadRecordsTest, LinesOfTheRecordsFile) {
  std::vector<std::string> records;
  std::string error;
  ASSERT_TRUE(ParseUploadRecords("one\r\ntwo\n\nlast", &records, &error));
  EXPECT_EQ(records, (std::vector<std::string>{"one", "two", "", "last"}));
  ASSERT_TRUE(ParseUploadRecords("", &records, &error));
  EXPECT_TRUE(records.empty());
  EXPECT_FALSE(ParseUploadRecords("ok\na\rb\n", &records, &error));
  EXPECT_NE(error.find("line 2"), std::string::npos);
  EXPECT_TRUE(ParseUploadRecords(std::string(251, 'x'), &records, &error));
  EXPECT_FALSE(ParseUploadRecords(std::string(252, 'x'), &records, &error));
}

TEST(FaultPlanTest, Syntax) {
  FaultPlan plan;
  std::string error;
  ASSERT_TRUE(
      ParseFaultPlan("corrupt=0.01,drop=0.02,garble=0.5,silence=0.005,delay=20,nak=3,"
                     "full=57,cut=4",
                     &plan, &error));
  EXPECT_DOUBLE_EQ(plan.corrupt, 0.01);
  EXPECT_DOUBLE_EQ(plan.drop, 0.02);
  EXPECT_DOUBLE_EQ(plan.garble, 0.5);
  EXPECT_DOUBLE_EQ(plan.silence, 0.005);
  EXPECT_EQ(plan.delay_ms, 20u);
  EXPECT_EQ(plan.nak, 3);
  EXPECT_EQ(plan.full, 57);
  EXPECT_EQ(plan.cut, 4);
  ASSERT_TRUE(ParseFaultPlan("", &plan, &error));
  EXPECT_EQ(plan, FaultPlan{});
  for (const char* bad :
       {"corrupt", "corrupt=2", "drop=x", "nak=-1", "full=1.5", "cut=x", "jam=0.1"}) {
    EXPECT_FALSE(ParseFaultPlan(bad, &plan, &error)) << bad;
    EXPECT_FALSE(error.empty());
  }
}

TEST(FaultPlanTest, TheDiceFollowTheSeed) {
  FaultDice a(7), b(7), c(8);
  int heads = 0;
  bool differ = false;
  for (int i = 0; i < 10000; ++i) {
    const bool roll = a.Roll(0.25);
    EXPECT_EQ(roll, b.Roll(0.25));
    differ |= roll != c.Roll(0.25);
    heads += roll ? 1 : 0;
  }
  EXPECT_TRUE(differ);
  EXPECT_NEAR(heads, 2500, 200);
  EXPECT_FALSE(a.Roll(0));
}

}  // namespace
}  // namespace q700
