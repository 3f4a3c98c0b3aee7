// The Preferences dialog's rules: working values from the file, the lists and where they start,
// the port index, Detect Cradle, the language list, OK storing and writing, Cancel.
#include "app/preferences_logic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_ports.h"
#include "support/line_ports.h"
#include "support/temp_dir.h"

namespace q700 {
namespace {

using test::FakePortSystem;
using test::ReadFileBytes;
using test::TempDir;
using Entries = std::vector<std::string>;

class PreferencesLogicTest : public ::testing::Test {
 protected:
  PreferencesLogicTest() {
    state.prefs_path = PreferencesFileIn(dir.path());
    ports.entries = {
        {"\\Device\\Serial0", "COM1"}, {"\\Device\\VCP0", "COM4"}, {"\\Device\\VCP1", "COM7"}};
  }

  void WriteFile(std::string_view text) {
    std::filesystem::create_directories(state.prefs_path.parent_path());
    dir.Write("MIRDANTO/TPQ700.ini", text);
  }

  TempDir dir;
  AppState state;
  FakePortSystem ports;
  FakeClock clock;
};

TEST_F(PreferencesLogicTest, OpensOnTheFileWithTheChoicesOfTheStringTable) {
  // The file says Serial-SPP down, IrDA up, 19200 bps, no auto-preload, on top; the values in
  // force say otherwise.
  WriteFile("Unknow\r2\r1\r1\r3\r0\r1\r0\r2\r");
  state.prefs.download_via = 0;
  state.prefs.auto_preload = 1;
  PreferencesLogic logic(state, ports, clock);
  EXPECT_FALSE(logic.Open().has_value());
  const Entries via = {"Cradle-IR", "IrDA", "Serial-SPP"};
  EXPECT_EQ(logic.Entries(PreferenceList::kDownloadVia), via);
  EXPECT_EQ(logic.Entries(PreferenceList::kReceiveVia), via);
  EXPECT_EQ(logic.Entries(PreferenceList::kBaudRate),
            (Entries{"115200 bps", "57600 bps", "38400 bps", "19200 bps", "9600 bps"}));
  EXPECT_EQ(logic.Entries(PreferenceList::kPort),
            (Entries{"COM1 - Serial port", "COM4 - Virtual port", "COM7 - Virtual port"}));
  EXPECT_EQ(logic.Selected(PreferenceList::kDownloadVia), 2);
  EXPECT_EQ(logic.Selected(PreferenceList::kReceiveVia), 1);
  EXPECT_EQ(logic.Selected(PreferenceList::kBaudRate), 3);
  EXPECT_EQ(logic.Selected(PreferenceList::kPort), 2);
  EXPECT_FALSE(logic.Checked(PreferenceCheck::kAutoPreload));
  EXPECT_TRUE(logic.Checked(PreferenceCheck::kAlwaysOnTop));
  // No language files: only the built-in entry, and the list is not usable.
  EXPECT_EQ(logic.Entries(PreferenceList::kLanguage), Entries{"Default <English>"});
  EXPECT_EQ(logic.Selected(PreferenceList::kLanguage), 0);
  EXPECT_FALSE(logic.LanguagesFound());
  // Nothing is stored until OK.
  EXPECT_EQ(state.prefs.download_via, 0);

  // Without a readable file the values in force stand.
  std::filesystem::remove(state.prefs_path);
  PreferencesLogic unread(state, ports, clock);
  EXPECT_FALSE(unread.Open().has_value());
  EXPECT_EQ(unread.Selected(PreferenceList::kDownloadVia), 0);
  EXPECT_TRUE(unread.Checked(PreferenceCheck::kAutoPreload));
}

TEST_F(PreferencesLogicTest, ThePortListStartsOnTheStoredIndexOrTheFirstPort) {
  struct Case {
    const char* file;  // the port index field and what precedes it
    int selected;
  };
  const Case cases[] = {
      {"Unknow\r0\r0\r1\r0\r0\r0\r0\r1\r", 1},
      {"Unknow\r0\r0\r1\r0\r0\r0\r0\r5\r", 0},   // past the three ports: the first
      {"Unknow\r0\r0\r7\r0\r0\r0\r0\r-1\r", 2},  // none chosen: the preferred port number, COM7
      {"Unknow\r0\r0\r9\r0\r0\r0\r0\r-1\r", 0},  // a preferred port that is not there
  };
  for (const Case& c : cases) {
    WriteFile(c.file);
    PreferencesLogic logic(state, ports, clock);
    EXPECT_FALSE(logic.Open().has_value());
    EXPECT_EQ(logic.Selected(PreferenceList::kPort), c.selected) << c.file;
    EXPECT_EQ(logic.working().port_index, c.selected) << c.file;
  }

  // No serial port at all: the warning, and nothing selected.
  ports.entries.clear();
  PreferencesLogic none(state, ports, clock);
  const std::optional<Message> warning = none.Open();
  ASSERT_TRUE(warning.has_value());
  EXPECT_EQ(warning->caption_id, 1121);
  EXPECT_EQ(warning->text_id, 1049);
  EXPECT_EQ(warning->icon, Icon::kWarning);
  EXPECT_EQ(none.Selected(PreferenceList::kPort), -1);
}

TEST_F(PreferencesLogicTest, OkStoresAndWritesTheWorkingValuesCancelLeavesThem) {
  WriteFile("Unknow\r2\r1\r1\r3\r0\r1\r0\r0\r");
  PreferencesLogic logic(state, ports, clock);
  ASSERT_FALSE(logic.Open().has_value());
  logic.Select(PreferenceList::kDownloadVia, 0);
  logic.Select(PreferenceList::kBaudRate, 4);
  logic.Select(PreferenceList::kPort, 1);  // "COM4 - Virtual port": position 1 of the list
  logic.Toggle(PreferenceCheck::kAutoPreload);
  logic.Toggle(PreferenceCheck::kAlwaysOnTop);
  EXPECT_TRUE(logic.Checked(PreferenceCheck::kAutoPreload));
  EXPECT_FALSE(logic.Checked(PreferenceCheck::kAlwaysOnTop));
  const std::string before = ReadFileBytes(state.prefs_path);

  // Cancel: neither the preferences nor their file change.
  PreferencesLogic cancelled = logic;
  cancelled.Cancel();
  EXPECT_EQ(state.prefs.download_via, 0);
  EXPECT_EQ(ReadFileBytes(state.prefs_path), before);

  logic.Ok();
  EXPECT_EQ(state.prefs.download_via, 0);
  EXPECT_EQ(state.prefs.receive_via, 1);
  EXPECT_EQ(state.prefs.baud_rate, 4);
  EXPECT_EQ(state.prefs.port_index, 1);
  EXPECT_EQ(state.prefs.auto_preload, 1);
  EXPECT_EQ(state.prefs.always_on_top, 0);
  EXPECT_EQ(ReadFileBytes(state.prefs_path), "Unknow\r0\r1\r1\r4\r1\r0\r0\r1\r");
}

TEST_F(PreferencesLogicTest, TheLanguageListOffersDefaultEnglishAndTheFilesFound) {
  state.languages.files = {{"Deutsch", dir / "Deutsch.lng"}, {"Polski", dir / "Polski.lng"}};
  state.language_count = 2;
  struct Case {
    const char* stored;
    int selected;
    int chosen;
    const char* written;
  };
  const Case cases[] = {
      {"Polski", 2, 0, "0"},  // "Default <English>" is stored as "0"
      {"0", 0, 1, "Deutsch"},
      {"Klingon", 0, 2, "Polski"},  // a name no file has: the built-in entry
  };
  for (const Case& c : cases) {
    WriteFile(std::string("Unknow\r0\r0\r1\r0\r0\r0\r") + c.stored + "\r0\r");
    PreferencesLogic logic(state, ports, clock);
    ASSERT_FALSE(logic.Open().has_value());
    EXPECT_EQ(logic.Entries(PreferenceList::kLanguage),
              (Entries{"Default <English>", "Deutsch", "Polski"}));
    EXPECT_TRUE(logic.LanguagesFound());
    EXPECT_EQ(logic.Selected(PreferenceList::kLanguage), c.selected) << c.stored;
    logic.Select(PreferenceList::kLanguage, c.chosen);
    logic.Ok();
    EXPECT_EQ(state.prefs.language, c.written);
    EXPECT_EQ(ReadFileBytes(state.prefs_path),
              std::string("Unknow\r0\r0\r1\r0\r0\r0\r") + c.written + "\r0\r");
  }
}

TEST_F(PreferencesLogicTest, DetectCradleTellsWhatItFoundAndSelectsThatPort) {
  test::LinePorts lines(clock);
  lines.Add("\\Device\\Serial0", "COM1", 0);
  lines.Add("\\Device\\VCP0", "COM4", 0);
  PreferencesLogic without(state, lines, clock);
  ASSERT_FALSE(without.Open().has_value());
  const Message none = without.DetectCradle();
  EXPECT_EQ(none.caption_id, 1328);
  EXPECT_EQ(none.text_id, 1327);
  EXPECT_EQ(none.icon, Icon::kWarning);
  EXPECT_EQ(without.Selected(PreferenceList::kPort), 1);  // the stored index 1, unchanged

  lines.Add("\\Device\\VCP1", "COM7", 57600);
  state.prefs.port_index = 0;
  PreferencesLogic with(state, lines, clock);
  ASSERT_FALSE(with.Open().has_value());
  const Message found = with.DetectCradle();
  EXPECT_EQ(found.caption_id, 1328);
  EXPECT_EQ(found.text_id, 1326);
  EXPECT_EQ(found.detail, "COM7");
  EXPECT_EQ(found.icon, Icon::kInformation);
  EXPECT_EQ(with.Selected(PreferenceList::kPort), 2);
  EXPECT_EQ(with.working().port_index, 2);
  EXPECT_EQ(state.prefs.port_index, 0);  // stored only at OK
}

}  // namespace
}  // namespace q700
