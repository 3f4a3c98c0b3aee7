// The link's connection set-up and transfers over an in-memory line on a fake clock.
#include "link/link.h"

#include <gtest/gtest.h>

#include <chrono>

#include "link/memory_port.h"
#include "support/fake_ports.h"

namespace q700 {
namespace {

using test::FakePortSystem;

struct LinkTest : ::testing::Test {
  LinkTest() : line(clock), link(ports, clock, prefs) {
    ports.entries = {{"\\Device\\Serial0", "COM1"}, {"\\Device\\VCP0", "COM7"}};
    ports.line = &line;
    ports.line_device = "\\\\.\\COM7";
    prefs.port_index = 1;
    prefs.download_via = kViaSerialSpp;
    prefs.receive_via = kViaSerialSpp;
  }

  // The terminal's end of the line.
  SerialPort& Terminal() {
    if (terminal == nullptr) terminal = line.Open(1);
    return *terminal;
  }
  void TerminalSends(std::string_view text) {
    Terminal().Write(ConstBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size()), 0);
  }

  FakeClock clock;
  MemoryPortPair line;
  FakePortSystem ports;
  LinkSettings prefs;
  Link link;
  std::unique_ptr<SerialPort> terminal;
};

TEST_F(LinkTest, RepliesEndAtCarriageReturnTenCharactersOrTwoSeconds) {
  ASSERT_TRUE(OpenLinkPort(link, Connection::kDownload, LinkRoute::kDirect));
  TerminalSends("ACK\r");
  ReadReply(link);
  EXPECT_EQ(link.ReplyText(), "ACK");

  // Twelve characters without a carriage return: the first ten, the rest starts the next reply.
  TerminalSends("ABCDEFGHIJKL");
  uint64_t start = clock.NowMs();
  ReadReply(link);
  EXPECT_EQ(link.ReplyText(), "ABCDEFGHIJ");
  EXPECT_EQ(clock.NowMs(), start);
  TerminalSends("\r");
  ReadReply(link);
  EXPECT_EQ(link.ReplyText(), "KL");

  // Silence: an empty reply after exactly 2000 ms, at no real cost.
  const auto real_start = std::chrono::steady_clock::now();
  start = clock.NowMs();
  ReadReply(link);
  EXPECT_EQ(link.ReplyText(), "");
  EXPECT_EQ(clock.NowMs() - start, 2000u);
  EXPECT_LT(std::chrono::steady_clock::now() - real_start, std::chrono::milliseconds(500));

  // A slow answer still counts when it comes within the limit.
  line.SetOnReceive(1, [this] {
    uint8_t buffer[16];
    Terminal().Read(Bytes(buffer, sizeof buffer), 0);
    TerminalSends("NAK\r");
  });
  line.SetLatency(1, 1500);
  start = clock.NowMs();
  SendCommand(link, "ZENTAK\r");
  EXPECT_EQ(link.ReplyText(), "NAK");
  EXPECT_EQ(clock.NowMs() - start, 1500u);
  line.SetLatency(1, 2500);
  SendCommand(link, "ZENTAK\r");
  EXPECT_EQ(link.ReplyText(), "");
  EXPECT_EQ(line.Written(0).size(), 14u);
}

TEST_F(LinkTest, TransfersKeepTheirOneSecondLimit) {
  ASSERT_TRUE(OpenLinkPort(link, Connection::kReceive, LinkRoute::kDirect));
  uint8_t buffer[8];
  size_t got = 99;
  uint64_t start = clock.NowMs();
  EXPECT_TRUE(LinkRead(link, Bytes(buffer, sizeof buffer), &got));
  EXPECT_EQ(got, 0u);
  EXPECT_EQ(clock.NowMs() - start, 1000u);
  // A nearer deadline of the caller wins.
  start = clock.NowMs();
  EXPECT_TRUE(LinkRead(link, Bytes(buffer, sizeof buffer), &got, start + 100));
  EXPECT_EQ(clock.NowMs() - start, 100u);

  TerminalSends("READ");
  EXPECT_TRUE(LinkRead(link, Bytes(buffer, sizeof buffer), &got));
  EXPECT_EQ(got, 4u);

  line.SetWriteStalled(0, true);
  start = clock.NowMs();
  EXPECT_FALSE(LinkWrite(link, ConstBytes(buffer, 4)));
  EXPECT_EQ(clock.NowMs() - start, 1000u);

  CloseLinkPort(link, UnreadInput::kKeep);
  EXPECT_FALSE(LinkWrite(link, ConstBytes(buffer, 4)));
  EXPECT_FALSE(LinkRead(link, Bytes(buffer, 4), &got));
}

TEST_F(LinkTest, ConnectionTypesSetTheLineAndTheRecordLivesOn) {
  prefs.baud_rate = 1;
  ASSERT_TRUE(OpenLinkPort(link, Connection::kDownload, LinkRoute::kDirect));
  EXPECT_EQ(ports.opened.back(), "\\\\.\\COM7");
  EXPECT_EQ(link.port_name, "COM7");
  LineSettings expected;
  expected.baud_rate = 57600;
  expected.byte_size = 8;
  expected.rts = RtsControl::kEnable;
  expected.dtr = DtrControl::kEnable;
  EXPECT_EQ(line.Settings(0), expected);
  const auto& events = line.Events(0);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().kind, PortEvent::Kind::kTimeouts);
  EXPECT_EQ(events.back().timeouts, kLinkTimeouts);
  CloseLinkPort(link, UnreadInput::kDiscard);
  EXPECT_FALSE(line.IsOpen(0));
  EXPECT_EQ(line.Events(0).back().kind, PortEvent::Kind::kPurge);
  EXPECT_TRUE(line.Events(0).back().purge_receive);

  // IrDA leaves RTS and DTR as the last connection left them; an index past the speeds keeps the
  // speed.
  prefs.receive_via = kViaIrda;
  prefs.baud_rate = 5;
  ASSERT_TRUE(OpenLinkPort(link, Connection::kReceive, LinkRoute::kDirect));
  EXPECT_EQ(line.Settings(0), expected);
  CloseLinkPort(link, UnreadInput::kKeep);

  // A first IrDA connection finds both lines off.
  Link fresh(ports, clock, prefs);
  prefs.baud_rate = 4;
  ASSERT_TRUE(OpenLinkPort(fresh, Connection::kReceive, LinkRoute::kDirect));
  EXPECT_EQ(line.Settings(0).rts, RtsControl::kDisable);
  EXPECT_EQ(line.Settings(0).dtr, DtrControl::kDisable);
  EXPECT_EQ(line.Settings(0).baud_rate, 9600u);
}

// The message a failed opening carries: text id 0 for none.
struct Expected {
  PortOpen status;
  int text_id;
  Icon icon;
};

void ExpectFailure(const PortOpenResult& result, const Expected& expected) {
  EXPECT_EQ(result.status, expected.status);
  EXPECT_FALSE(result.ok());
  EXPECT_FALSE(result.reason.empty());
  if (expected.text_id == 0) {
    EXPECT_TRUE(result.messages.empty());
    return;
  }
  ASSERT_EQ(result.messages.size(), 1u);
  EXPECT_EQ(result.messages[0].caption_id, 1121);
  EXPECT_EQ(result.messages[0].text_id, expected.text_id);
  EXPECT_EQ(result.messages[0].icon, expected.icon);
}

TEST_F(LinkTest, FailuresCarryTheMessageOfTheConnectionKind) {
  // A port index past the list: no port name, so nothing to open, and no stale name either.
  ASSERT_TRUE(OpenLinkPort(link, Connection::kDownload, LinkRoute::kDirect));
  CloseLinkPort(link, UnreadInput::kKeep);
  prefs.port_index = 5;
  const size_t opens = ports.opened.size();
  ExpectFailure(OpenLinkPort(link, Connection::kDownload, LinkRoute::kDirect),
                {PortOpen::kCannotOpen, 1162, Icon::kWarning});
  EXPECT_EQ(ports.opened.size(), opens);
  ExpectFailure(OpenLinkPort(link, Connection::kReceive, LinkRoute::kDirect),
                {PortOpen::kCannotOpen, 1162, Icon::kNone});

  // The port is busy elsewhere: the result names it.
  prefs.port_index = 1;
  auto other = line.Open(0);
  const PortOpenResult busy = OpenLinkPort(link, Connection::kReceive, LinkRoute::kDirect);
  ExpectFailure(busy, {PortOpen::kCannotOpen, 1162, Icon::kNone});
  EXPECT_NE(busy.reason.find("COM7"), std::string::npos) << busy.reason;
  other.reset();

  // The port refuses the settings: told in a download, silent in a receive; closed either way.
  line.SetRefuseSettings(0, true);
  ExpectFailure(OpenLinkPort(link, Connection::kDownload, LinkRoute::kDirect),
                {PortOpen::kSettingsRefused, 1169, Icon::kWarning});
  EXPECT_FALSE(line.IsOpen(0));
  ExpectFailure(OpenLinkPort(link, Connection::kReceive, LinkRoute::kDirect),
                {PortOpen::kSettingsRefused, 0, Icon::kNone});
  EXPECT_FALSE(line.IsOpen(0));
  EXPECT_EQ(link.port, nullptr);
}

TEST_F(LinkTest, PortChosenForTheRunWins) {
  link.port_override = "/dev/pts/7";
  ports.line_device = "/dev/pts/7";
  prefs.port_index = 9;
  ASSERT_TRUE(OpenLinkPort(link, Connection::kReceive, LinkRoute::kDirect));
  EXPECT_EQ(ports.opened.back(), "/dev/pts/7");
  CloseLinkPort(link, UnreadInput::kKeep);
  link.port_override = "COM7";
  ports.line_device = "\\\\.\\COM7";
  ASSERT_TRUE(OpenLinkPort(link, Connection::kReceive, LinkRoute::kDirect));
}

}  // namespace
}  // namespace q700
