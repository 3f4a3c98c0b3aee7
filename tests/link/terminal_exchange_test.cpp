// The program's three exchanges against the virtual terminal on an in-memory line: what the
// terminal stores and sends, its planned faults, and random faults over many seeds with nothing
// lost, doubled or changed unless the program reports a failure.
#include <gtest/gtest.h>

#include <string>

#include "link/download.h"
#include "link/receive.h"
#include "model/defaults.h"
#include "support/temp_dir.h"
#include "support/virtual_terminal_link.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::VirtualTerminalLink;

class TerminalExchangeTest : public ::testing::Test {
 protected:
  TerminalExchangeTest() {
    RefillTerminalTexts(texts, defaults);
    ResetDesign(design, defaults);
    Design copy = design;
    PrepareDownload(copy);
    const DownloadImage built = BuildImage(copy);
    image.assign(built.begin(), built.end());
    for (int i = 0; i < 40; ++i) {
      lookup_text +=
          "item " + std::to_string(i) + ";" + std::string(static_cast<size_t>(i), '#') + "\r\n";
      records.push_back("record " + std::to_string(i) + std::string(static_cast<size_t>(i), '*'));
    }
    // A line whose sum has a low byte of 13, which travels as 14 both ways.
    lookup_text += "ZZY\r\n";
    records.push_back("ZZY");  // with its sequence number 0 the sum is 269
  }

  TerminalConfig Config(const std::string& faults = "", uint64_t seed = 1,
                        const TempDir* folder = nullptr) {
    TerminalConfig config;
    config.store = (folder != nullptr ? folder : &store)->path();
    config.records = records;
    config.seed = seed;
    std::string error;
    EXPECT_TRUE(ParseFaultPlan(faults, &config.faults, &error)) << error;
    return config;
  }

  std::string StoredImage() const { return ReadFileBytes(store / "application.bin"); }
  std::string ExpectedRecords() const {
    std::string text;
    for (const std::string& r : records) text += r + "\r\n";
    return text;
  }

  TextLoader texts;
  DefaultTerminalTexts defaults;
  Design design;
  std::string image;
  std::string lookup_text;
  std::vector<std::string> records;
  TempDir store;
  TempDir work;
};

TEST_F(TerminalExchangeTest, EveryExchangeAgainstTheVirtualTerminal) {
  VirtualTerminalLink t(Config());
  // Through the cradle: its set-up finds the terminal's transceiver at 9600 bit/s.
  EXPECT_TRUE(
      DownloadToTerminal(t.link, t.ui, design, LinkRoute::kIrCradle, DownloadMode::kApplication));
  EXPECT_EQ(StoredImage(), image);

  t.ui.files = {work.Write("lookup.txt", lookup_text)};
  EXPECT_TRUE(
      DownloadToTerminal(t.link, t.ui, design, LinkRoute::kDirect, DownloadMode::kLookupFile));
  EXPECT_EQ(ReadFileBytes(store / "lookup-1.txt"), lookup_text);
  t.ui.files = {work.Write("second.txt", "a\r\nb")};
  EXPECT_TRUE(
      DownloadToTerminal(t.link, t.ui, design, LinkRoute::kDirect, DownloadMode::kLookupFile));
  EXPECT_EQ(ReadFileBytes(store / "lookup-2.txt"), "a\r\nb\r\n");

  t.ui.files = {work / "data.txt"};
  const ReceiveResult received = ReceiveData(t.link, t.ui, texts, LinkRoute::kIrCradle);
  EXPECT_EQ(received.status, ReceiveStatus::kDone);
  EXPECT_EQ(received.count, static_cast<int>(records.size()));
  EXPECT_EQ(ReadFileBytes(work / "data.txt"), ExpectedRecords());
  EXPECT_EQ(t.ui.TextIds(), (std::vector<int>{1132, 1132, 1132, 0}));
  EXPECT_EQ(t.terminal.exchanges_ended(), 4);
}

TEST_F(TerminalExchangeTest, PlannedRefusalsAndAFullMemory) {
  // Every block refused three times: accepted on its fourth send.
  {
    VirtualTerminalLink t(Config("nak=3"));
    EXPECT_TRUE(
        DownloadToTerminal(t.link, t.ui, design, LinkRoute::kDirect, DownloadMode::kApplication));
    EXPECT_EQ(StoredImage(), image);
    int blocks = 0;
    for (const PortEvent& e : t.line.Events(0)) {
      blocks += e.kind == PortEvent::Kind::kWrite && e.bytes.size() == kBlockSize ? 1 : 0;
    }
    EXPECT_EQ(blocks, 800);
  }
  // Seven refusals are more than the program sends.
  {
    TempDir other;
    VirtualTerminalLink t(Config("nak=7", 1, &other));
    EXPECT_FALSE(
        DownloadToTerminal(t.link, t.ui, design, LinkRoute::kDirect, DownloadMode::kApplication));
    EXPECT_EQ(t.ui.TextIds(), (std::vector<int>{1168, 1166}));
  }
  // "FULL" at block 57, twice, since a retry starts again from block 0.
  {
    TempDir other;
    VirtualTerminalLink t(Config("full=57", 1, &other));
    t.ui.answers = {Answer::kYes, Answer::kNo};
    EXPECT_FALSE(
        DownloadToTerminal(t.link, t.ui, design, LinkRoute::kDirect, DownloadMode::kApplication));
    EXPECT_EQ(t.ui.TextIds(), (std::vector<int>{1146, 1166, 1146, 1166}));
    EXPECT_FALSE(std::filesystem::exists(other / "application.bin"));
  }
  // Room for 50 blocks, and for a lookup file of three short lines.
  {
    TempDir other;
    TerminalConfig config = Config("", 1, &other);
    config.memory = 5000;
    VirtualTerminalLink t(config);
    EXPECT_FALSE(
        DownloadToTerminal(t.link, t.ui, design, LinkRoute::kDirect, DownloadMode::kApplication));
    EXPECT_EQ(t.ui.TextIds(), (std::vector<int>{1146, 1166}));
    t.ui.messages.clear();
    t.terminal = VirtualTerminal([&] {
      TerminalConfig small = Config("", 1, &other);
      small.memory = 12;
      return small;
    }());
    t.ui.files = {work.Write("fits.txt", "ab\r\ncd\r\nef\r\n")};
    EXPECT_TRUE(
        DownloadToTerminal(t.link, t.ui, design, LinkRoute::kDirect, DownloadMode::kLookupFile));
    t.ui.files = {work.Write("too-big.txt", "ab\r\ncd\r\nef\r\ng\r\n")};
    EXPECT_FALSE(
        DownloadToTerminal(t.link, t.ui, design, LinkRoute::kDirect, DownloadMode::kLookupFile));
    EXPECT_EQ(t.ui.TextIds(), (std::vector<int>{1132, 1146, 1166}));
    EXPECT_TRUE(std::filesystem::exists(other / "lookup-1.txt"));
    EXPECT_FALSE(std::filesystem::exists(other / "lookup-2.txt"));
  }
}

TEST_F(TerminalExchangeTest, AWrongTagIsRefusedByTheProgram) {
  TerminalConfig config = Config();
  config.tag = "Q700RU005";
  VirtualTerminalLink t(config);
  EXPECT_FALSE(
      DownloadToTerminal(t.link, t.ui, design, LinkRoute::kDirect, DownloadMode::kApplication));
  EXPECT_EQ(t.ui.TextIds(), (std::vector<int>{1325, 1166}));
  // The terminal heard the refusal and is ready for the next exchange.
  EXPECT_FALSE(t.terminal.in_exchange());
  t.ui.files = {work.Write("lookup.txt", "x\r\n")};
  EXPECT_TRUE(
      DownloadToTerminal(t.link, t.ui, design, LinkRoute::kDirect, DownloadMode::kLookupFile));
}

// Random faults on both directions: each exchange either delivers everything exactly once or
// reports a failure, and what the terminal stored is never wrong.
TEST_F(TerminalExchangeTest, RandomFaultsLoseDoubleOrChangeNothing) {
  const std::string faults = "corrupt=0.3,drop=0.2,garble=0.1,silence=0.1,delay=30";
  int completed = 0;
  int runs = 0;
  for (uint64_t seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TempDir seed_store;
    TerminalConfig config = Config(faults, seed, &seed_store);
    VirtualTerminalLink t(config);
    t.ui.answers = {Answer::kYes, Answer::kYes, Answer::kYes};

    const bool downloaded =
        DownloadToTerminal(t.link, t.ui, design, LinkRoute::kDirect, DownloadMode::kApplication);
    const std::string stored = ReadFileBytes(seed_store / "application.bin");
    if (downloaded || !stored.empty()) {
      EXPECT_EQ(stored, image);
    }
    if (!downloaded) {
      EXPECT_FALSE(t.ui.messages.empty());
    }

    t.ui.answers = {Answer::kYes, Answer::kYes, Answer::kYes};
    for (int i = 0; i < 4; ++i) t.ui.files.push_back(work.Write("lookup.txt", lookup_text));
    const bool sent =
        DownloadToTerminal(t.link, t.ui, design, LinkRoute::kDirect, DownloadMode::kLookupFile);
    // Every lookup file the terminal kept is the whole file, once.
    for (const auto& entry : std::filesystem::directory_iterator(seed_store.path())) {
      if (entry.path().filename().string().rfind("lookup-", 0) == 0) {
        EXPECT_EQ(ReadFileBytes(entry.path()), lookup_text) << entry.path();
      }
    }
    if (sent) {
      EXPECT_TRUE(std::filesystem::exists(seed_store / "lookup-1.txt"));
    }

    t.ui.files = {work / "data.txt"};
    std::filesystem::remove(work / "data.txt");
    const ReceiveResult received = ReceiveData(t.link, t.ui, texts, LinkRoute::kDirect);
    const ReceiveStatus status = received.status;
    if (status == ReceiveStatus::kDone) {
      EXPECT_EQ(received.count, static_cast<int>(records.size()));
      EXPECT_EQ(ReadFileBytes(work / "data.txt"), ExpectedRecords());
    } else {
      EXPECT_FALSE(std::filesystem::exists(work / "data.txt"));
    }
    completed += (downloaded ? 1 : 0) + (sent ? 1 : 0) + (status == ReceiveStatus::kDone ? 1 : 0);
    runs += 3;
  }
  // Faults this frequent make some exchanges fail even with retries, and carry most through.
  EXPECT_LT(completed, runs);
  EXPECT_GT(completed, runs / 2);
}

}  // namespace
}  // namespace q700
