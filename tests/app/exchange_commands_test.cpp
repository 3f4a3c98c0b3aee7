// The exchange commands take the connection type of their preference: the IR cradle is set up
// for Cradle-IR, IrDA and Serial-SPP go straight to the terminal, and a value past the three runs
// nothing. A silent line tells which way each went. A lookup file with Unix line ends is refused
// before the port.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/workflow.h"
#include "link/link.h"
#include "link/memory_port.h"
#include "model/defaults.h"
#include "support/fake_ports.h"
#include "support/recording_link_ui.h"
#include "support/temp_dir.h"

namespace q700 {
namespace {

using test::FakePortSystem;
using test::RecordingLinkUi;
using test::TempDir;
using Ids = std::vector<int>;

class ExchangeCommandsTest : public ::testing::Test {
 protected:
  ExchangeCommandsTest() : line(clock), link(ports, clock, state.prefs) {
    ports.entries = {{"\\Device\\Serial0", "COM1"}};
    ports.line = &line;
    state.prefs.port_index = 0;
    RefillTerminalTexts(state.texts, state.defaults);
    ResetDesign(state.design, state.defaults);
  }

  FakeClock clock;
  MemoryPortPair line;  // nobody at the far end
  FakePortSystem ports;
  AppState state;
  Link link;
  RecordingLinkUi ui;
  TempDir dir;
};

TEST_F(ExchangeCommandsTest, DownloadsGoTheWayOfDownloadVia) {
  struct Case {
    uint8_t via;
    Ids application;  // the messages of an application download on a silent line
  };
  const Case cases[] = {
      {kViaCradleIr, {1167}},    // "Failed to configure IR device!"
      {kViaIrda, {1145, 1166}},  // "Terminal is not ready!", then the retry question
      {kViaSerialSpp, {1145, 1166}},
      {3, {}},  // no connection type: nothing at all
  };
  for (const Case& c : cases) {
    state.prefs.download_via = c.via;
    ui = RecordingLinkUi();
    ports.opened.clear();
    RunApplicationDownload(state, link, ui);
    EXPECT_EQ(ui.TextIds(), c.application) << int{c.via};
    EXPECT_EQ(ports.opened.size(), c.application.empty() ? 0u : 1u);

    // The lookup download asks for its file first, the same way.
    ui = RecordingLinkUi();
    ui.files = {dir.Write("items.txt", "12\r\n")};
    RunLookupDownload(state, link, ui);
    if (c.application.empty()) {
      EXPECT_TRUE(ui.calls.empty());
    } else {
      EXPECT_EQ(ui.calls.front(), "choose lookup");
      EXPECT_EQ(ui.TextIds().front(), c.application.front());
    }
  }
}

TEST_F(ExchangeCommandsTest, ReceiveGoesTheWayOfReceiveViaAndShowsItsMessages) {
  struct Case {
    uint8_t via;
    Ids messages;
  };
  const Case cases[] = {
      {kViaCradleIr, {1163}},    // "Cannot configure IR device!"
      {kViaIrda, {1144, 1134}},  // "Time out!", then "No data received!"
      {kViaSerialSpp, {1144, 1134}},
      {7, {}},
  };
  for (const Case& c : cases) {
    state.prefs.receive_via = c.via;
    state.prefs.download_via = kViaCradleIr;  // the other direction's type plays no part
    ui = RecordingLinkUi();
    ui.files = {dir / "data.txt"};
    RunReceiveData(state, link, ui);
    EXPECT_EQ(ui.TextIds(), c.messages) << int{c.via};
    if (c.messages.empty()) {
      EXPECT_TRUE(ui.calls.empty());
    }
  }

  // A port that does not open is told without an icon; an earlier file stays as it was and no
  // other file is left behind.
  ports.line = nullptr;
  state.prefs.receive_via = kViaSerialSpp;
  ui = RecordingLinkUi();
  const std::filesystem::path earlier = dir / "earlier" / "kept.txt";
  std::filesystem::create_directories(earlier.parent_path());
  dir.Write("earlier/kept.txt", "yesterday\r\n");
  ui.files = {earlier};
  RunReceiveData(state, link, ui);
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"choose output", "message 1121/1162"}));
  EXPECT_EQ(ui.messages[0].icon, Icon::kNone);
  EXPECT_EQ(test::ReadFileBytes(earlier), "yesterday\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(earlier.parent_path()), {}), 1);
}

TEST_F(ExchangeCommandsTest, ALookupFileWithLineFeedsAloneIsRefusedBeforeThePort) {
  state.prefs.download_via = kViaSerialSpp;
  ui.files = {dir.Write("unix.txt", "12\nZZY\n")};
  RunLookupDownload(state, link, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption_id, 1121);  // "Error"
  EXPECT_EQ(ui.messages[0].text_utf8.rfind(
                "Line 1 of the lookup file ends in a line feed without a carriage return.", 0),
            0u);
  EXPECT_TRUE(ports.opened.empty());
}

}  // namespace
}  // namespace q700
