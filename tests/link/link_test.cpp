// The link's connection set-up and transfers over an in-memory line on a fake clock.
#include "link/link.h"

#include <gtest/gtest.h>

#include <chrono>

#include "link/memory_port.h"
#include "support/fake_ports.h"
#include "support/recording_sink.h"

namespace q700 {
namespace {

using test::FakePortSystem;
using test::RecordingSink;

struct LinkTest : ::testing::Test {
  LinkTest() : line(clock), link(ports, clock, sink, prefs) {
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
  RecordingSink sink;
  LinkSettings prefs;
  Link link;
  std::unique_ptr<SerialPort> terminal;
};

TEST_F(LinkTest, RepliesEndAtCarriageReturnTenCharactersOrTwoSeconds) {
  ASSERT_TRUE(OpenLinkPort(link, Connection::kDownload, false));
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
  ASSERT_TRUE(OpenLinkPort(link, Connection::kReceive, false));
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

  CloseLinkPort(link, false);
  EXPECT_FALSE(LinkWrite(link, ConstBytes(buffer, 4)));
  EXPECT_FALSE(LinkRead(link, Bytes(buffer, 4), &got));
}

TEST_F(LinkTest, ConnectionTypesSetTheLineAndTheRecordLivesOn) {
  prefs.baud_rate = 1;
  ASSERT_TRUE(OpenLinkPort(link, Connection::kDownload, false));
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
  CloseLinkPort(link, true);
  EXPECT_FALSE(line.IsOpen(0));
  EXPECT_EQ(line.Events(0).back().kind, PortEvent::Kind::kPurge);
  EXPECT_TRUE(line.Events(0).back().purge_receive);

  // IrDA leaves RTS and DTR as the last connection left them; an index past the speeds keeps the
  // speed.
  prefs.receive_via = kViaIrda;
  prefs.baud_rate = 5;
  ASSERT_TRUE(OpenLinkPort(link, Connection::kReceive, false));
  EXPECT_EQ(line.Settings(0), expected);
  CloseLinkPort(link, false);

  // A first IrDA connection finds both lines off.
  Link fresh(ports, clock, sink, prefs);
  prefs.baud_rate = 4;
  ASSERT_TRUE(OpenLinkPort(fresh, Connection::kReceive, false));
  EXPECT_EQ(line.Settings(0).rts, RtsControl::kDisable);
  EXPECT_EQ(line.Settings(0).dtr, DtrControl::kDisable);
  EXPECT_EQ(line.Settings(0).baud_rate, 9600u);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(LinkTest, FailuresTellTheUserByConnectionKind) {
  // A port index past the list: no port name, so nothing to open, and no stale name either.
  ASSERT_TRUE(OpenLinkPort(link, Connection::kDownload, false));
  CloseLinkPort(link, false);
  prefs.port_index = 5;
  const size_t opens = ports.opened.size();
  EXPECT_FALSE(OpenLinkPort(link, Connection::kDownload, false));
  EXPECT_EQ(ports.opened.size(), opens);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].caption_id, 1121);
  EXPECT_EQ(sink.messages[0].text_id, 1162);
  EXPECT_EQ(sink.messages[0].icon, Icon::kWarning);
  EXPECT_FALSE(OpenLinkPort(link, Connection::kReceive, false));
  EXPECT_EQ(sink.messages[1].text_id, 1162);
  EXPECT_EQ(sink.messages[1].icon, Icon::kNone);

  // The port is busy elsewhere.
  prefs.port_index = 1;
  auto other = line.Open(0);
  EXPECT_FALSE(OpenLinkPort(link, Connection::kReceive, false));
  EXPECT_EQ(sink.messages.size(), 3u);
  other.reset();

  // The port refuses the settings: told in a download, silent in a receive; closed either way.
  line.SetRefuseSettings(0, true);
  EXPECT_FALSE(OpenLinkPort(link, Connection::kDownload, false));
  ASSERT_EQ(sink.messages.size(), 4u);
  EXPECT_EQ(sink.messages[3].caption_id, 1121);
  EXPECT_EQ(sink.messages[3].text_id, 1169);
  EXPECT_EQ(sink.messages[3].icon, Icon::kWarning);
  EXPECT_FALSE(line.IsOpen(0));
  EXPECT_FALSE(OpenLinkPort(link, Connection::kReceive, false));
  EXPECT_EQ(sink.messages.size(), 4u);
  EXPECT_FALSE(line.IsOpen(0));
  EXPECT_EQ(link.port, nullptr);
}

TEST_F(LinkTest, PortChosenForTheRunWins) {
  link.port_override = "/dev/pts/7";
  ports.line_device = "/dev/pts/7";
  prefs.port_index = 9;
  ASSERT_TRUE(OpenLinkPort(link, Connection::kReceive, false));
  EXPECT_EQ(ports.opened.back(), "/dev/pts/7");
  CloseLinkPort(link, false);
  link.port_override = "COM7";
  ports.line_device = "\\\\.\\COM7";
  ASSERT_TRUE(OpenLinkPort(link, Connection::kReceive, false));
}

}  // namespace
}  // namespace q700
