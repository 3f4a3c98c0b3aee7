// The IR cradle's set-up over an in-memory line: probe order, command bytes in control mode,
// the pauses between them, and the line left in data mode at the new speed.
#include "link/cradle.h"

#include <gtest/gtest.h>

#include "link/link.h"
#include "link/memory_port.h"
#include "support/fake_ports.h"

namespace q700 {
namespace {

using test::FakePortSystem;

// A cradle whose transceiver echoes the probe in control mode at one speed only.
struct CradleTest : ::testing::Test {
  CradleTest() : line(clock), link(ports, clock, prefs) {
    ports.entries = {{"\\Device\\VCP0", "COM7"}};
    ports.line = &line;
    prefs.port_index = 0;
    prefs.download_via = kViaCradleIr;
    prefs.receive_via = kViaCradleIr;
    cradle = line.Open(1);
    line.SetOnReceive(1, [this] {
      uint8_t byte = 0;
      while (cradle->Read(Bytes(&byte, 1), 0).count == 1) {
        const LineSettings& host = line.Settings(0);
        if (byte == kCradleProbe && host.rts == RtsControl::kDisable &&
            host.baud_rate == echo_baud) {
          cradle->Write(ConstBytes(&echo_byte, 1), 0);
        }
      }
    });
  }

  struct Sent {
    uint8_t byte;
    uint64_t time_ms;
    LineSettings settings;
  };
  // Every byte the program sent, with its time and the line settings it went out with.
  std::vector<Sent> SentBytes() const {
    std::vector<Sent> sent;
    for (const PortEvent& e : line.Events(0)) {
      if (e.kind != PortEvent::Kind::kWrite) continue;
      for (uint8_t b : e.bytes) sent.push_back({b, e.time_ms, e.settings});
    }
    return sent;
  }

  FakeClock clock;
  MemoryPortPair line;
  FakePortSystem ports;
  LinkSettings prefs;
  Link link;
  std::unique_ptr<SerialPort> cradle;
  uint32_t echo_baud = 57600;
  uint8_t echo_byte = kCradleProbe;
};

TEST_F(CradleTest, CommandsTheSpeedOfThePreferencesAtTheSpeedThatAnswered) {
  prefs.baud_rate = 2;
  const uint64_t start = clock.NowMs();
  const PortOpenResult opened = OpenLinkPort(link, Connection::kDownload, LinkRoute::kIrCradle);
  ASSERT_TRUE(opened);
  EXPECT_TRUE(opened.messages.empty());

  const std::vector<Sent> sent = SentBytes();
  ASSERT_EQ(sent.size(), 6u);
  const uint32_t probe_speeds[] = {9600, 115200, 57600};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(sent[i].byte, 0x0F);
    EXPECT_EQ(sent[i].settings.baud_rate, probe_speeds[i]);
    EXPECT_EQ(sent[i].settings.rts, RtsControl::kDisable);
  }
  const uint8_t commands[] = {0x07, 0x34, 0x51};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(sent[3 + i].byte, commands[i]);
    EXPECT_EQ(sent[3 + i].settings.baud_rate, 57600u);
    EXPECT_EQ(sent[3 + i].settings.rts, RtsControl::kDisable);
    EXPECT_EQ(sent[3 + i].settings.dtr, DtrControl::kEnable);
  }
  // After a probe the pauses are 100 ms.
  EXPECT_EQ(sent[4].time_ms - sent[3].time_ms, 100u);
  EXPECT_EQ(sent[5].time_ms - sent[4].time_ms, 100u);

  LineSettings data_mode;
  data_mode.baud_rate = 38400;
  data_mode.byte_size = 8;
  data_mode.rts = RtsControl::kEnable;
  data_mode.dtr = DtrControl::kEnable;
  EXPECT_EQ(line.Settings(0), data_mode);
  // 200 ms to start; a probe without an answer takes four pauses and the 100 ms wait for the
  // echo, one with an answer four pauses; then five pauses around the commands.
  EXPECT_EQ(clock.NowMs() - start, 200u + (4 * 200 + 100) + (4 * 100 + 100) + 4 * 100 + 5 * 100);

  // Each probe discards both queues first.
  int purges = 0;
  for (const PortEvent& e : line.Events(0)) {
    if (e.kind == PortEvent::Kind::kPurge && e.purge_receive && e.purge_send) ++purges;
  }
  EXPECT_EQ(purges, 3);
}

TEST_F(CradleTest, AnAnswerAt9600KeepsTheLongPauses) {
  echo_baud = 9600;
  prefs.baud_rate = 0;
  const uint64_t start = clock.NowMs();
  ASSERT_TRUE(OpenLinkPort(link, Connection::kReceive, LinkRoute::kIrCradle));
  const std::vector<Sent> sent = SentBytes();
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_EQ(sent[1].byte, 0x07);
  EXPECT_EQ(sent[2].byte, 0x36);
  EXPECT_EQ(sent[2].time_ms - sent[1].time_ms, 200u);
  EXPECT_EQ(sent[3].time_ms - sent[2].time_ms, 200u);
  EXPECT_EQ(clock.NowMs() - start, 200u + 4 * 200 + 5 * 200);
  EXPECT_EQ(line.Settings(0).baud_rate, 115200u);
}

TEST_F(CradleTest, SpeedIndexPastTheTableRepeatsTheCommandByteAndKeepsTheSpeed) {
  prefs.baud_rate = 5;
  ASSERT_TRUE(OpenLinkPort(link, Connection::kDownload, LinkRoute::kIrCradle));
  const std::vector<Sent> sent = SentBytes();
  ASSERT_EQ(sent.size(), 6u);
  EXPECT_EQ(sent[3].byte, 0x07);
  EXPECT_EQ(sent[4].byte, 0x07);
  EXPECT_EQ(sent[5].byte, 0x51);
  EXPECT_EQ(line.Settings(0).baud_rate, 57600u);
  EXPECT_EQ(line.Settings(0).rts, RtsControl::kEnable);
}

TEST_F(CradleTest, NoEchoOrAWrongOneFailsTheConnection) {
  echo_byte = 0x0E;
  const PortOpenResult download = OpenLinkPort(link, Connection::kDownload, LinkRoute::kIrCradle);
  EXPECT_EQ(download.status, PortOpen::kCradleFailed);
  ASSERT_EQ(download.messages.size(), 1u);
  EXPECT_EQ(download.messages[0].caption_id, 1121);
  EXPECT_EQ(download.messages[0].text_id, 1167);
  EXPECT_EQ(download.messages[0].icon, Icon::kWarning);
  EXPECT_FALSE(line.IsOpen(0));
  // All five speeds were probed, and nothing but probes went out.
  const std::vector<Sent> sent = SentBytes();
  ASSERT_EQ(sent.size(), 5u);
  const uint32_t order[] = {9600, 115200, 57600, 38400, 19200};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(sent[i].settings.baud_rate, order[i]);

  echo_baud = 1200;
  echo_byte = kCradleProbe;
  const PortOpenResult receive = OpenLinkPort(link, Connection::kReceive, LinkRoute::kIrCradle);
  EXPECT_EQ(receive.status, PortOpen::kCradleFailed);
  ASSERT_EQ(receive.messages.size(), 1u);
  EXPECT_EQ(receive.messages[0].caption_id, 1121);
  EXPECT_EQ(receive.messages[0].text_id, 1163);
  EXPECT_EQ(receive.messages[0].icon, Icon::kWarning);
}

}  // namespace
}  // namespace q700
