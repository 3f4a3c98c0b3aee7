// The preferences file: defaults, the field order and its lone carriage returns, tolerant reading.
#include "app/preferences.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace q700 {
namespace {

using test::ScopedEnv;
using test::TempDir;

void Put(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

void ExpectDefaultsBesidesLanguage(const Preferences& p) {
  EXPECT_EQ(p.last_file, "Unknow");
  EXPECT_EQ(p.download_via, 0);  // Cradle-IR
  EXPECT_EQ(p.receive_via, 0);
  EXPECT_EQ(p.preferred_port, 1);
  EXPECT_EQ(p.baud_rate, 0);  // 115200 bps
  EXPECT_EQ(p.auto_preload, 0);
  EXPECT_EQ(p.always_on_top, 0);
  EXPECT_EQ(p.port_index, 1);
  EXPECT_TRUE(p.recent.empty());
}

TEST(Preferences, FreshUserGetsDefaultsAndTheFolder) {
  TempDir app_data;
  const auto file = PreferencesFileIn(app_data.path());
  Preferences prefs;
  prefs.download_via = 2;
  prefs.port_index = 7;
  prefs.recent = {"C:\\old.TPX"};
  prefs.language = "Deutsch";
  EXPECT_FALSE(ReadPreferences(prefs, file));
  ExpectDefaultsBesidesLanguage(prefs);
  EXPECT_EQ(prefs.language, "Deutsch");  // a missing language leaves the one in force
  EXPECT_TRUE(std::filesystem::is_directory(app_data.path() / "MIRDANTO"));

  // An empty file reads the same as none.
  Put(file, "");
  EXPECT_FALSE(ReadPreferences(prefs, file));
  ExpectDefaultsBesidesLanguage(prefs);
}

TEST(Preferences, WritesEveryFieldWithALoneCarriageReturn) {
  TempDir app_data;
  const auto file = PreferencesFileIn(app_data.path());
  Preferences prefs;
  prefs.last_file = "C:\\Work\\Stock.TPX";
  prefs.download_via = 2;
  prefs.receive_via = 1;
  prefs.preferred_port = 12;
  prefs.baud_rate = 3;
  prefs.auto_preload = 1;
  prefs.always_on_top = 0;
  prefs.language = "Deutsch";
  prefs.port_index = -1;
  prefs.recent = {"C:\\Work\\Stock.TPX", "", "D:\\b.TPX"};
  ASSERT_TRUE(WritePreferences(prefs, file));
  EXPECT_EQ(
      test::ReadFileBytes(file),
      "C:\\Work\\Stock.TPX\r2\r1\r12\r3\r1\r0\rDeutsch\r-1\rC:\\Work\\Stock.TPX\rD:\\b.TPX\r");

  Preferences back;
  ASSERT_TRUE(ReadPreferences(back, file));
  EXPECT_EQ(back.last_file, prefs.last_file);
  EXPECT_EQ(back.download_via, 2);
  EXPECT_EQ(back.receive_via, 1);
  EXPECT_EQ(back.preferred_port, 12);
  EXPECT_EQ(back.baud_rate, 3);
  EXPECT_EQ(back.auto_preload, 1);
  EXPECT_EQ(back.language, "Deutsch");
  EXPECT_EQ(back.port_index, -1);
  EXPECT_EQ(back.recent, (std::vector<std::string>{"C:\\Work\\Stock.TPX", "D:\\b.TPX"}));
}

TEST(Preferences, ThreeFieldsGiveThoseAndDefaultsForTheRest) {
  Preferences prefs;
  prefs.language = "Polski";
  ParsePreferences("C:\\a.TPX\r1\r2\r", prefs);
  EXPECT_EQ(prefs.last_file, "C:\\a.TPX");
  EXPECT_EQ(prefs.download_via, 1);
  EXPECT_EQ(prefs.receive_via, 2);
  EXPECT_EQ(prefs.preferred_port, 1);
  EXPECT_EQ(prefs.baud_rate, 0);
  EXPECT_EQ(prefs.port_index, 1);
  EXPECT_EQ(prefs.language, "Polski");
  EXPECT_TRUE(prefs.recent.empty());
}

TEST(Preferences, BuiltInLanguageIsStoredAsZero) {
  Preferences prefs;
  prefs.language = "";  // "Default <English>" chosen
  const std::string text = FormatPreferences(prefs);
  EXPECT_EQ(text, "Unknow\r0\r0\r1\r0\r0\r0\r0\r1\r");
  Preferences back;
  back.language = "Deutsch";
  ParsePreferences(text, back);
  EXPECT_EQ(back.language, "0");
}

TEST(Preferences, EmptyTextsNeverShiftTheFields) {
  Preferences prefs;
  prefs.last_file = "";
  prefs.baud_rate = 4;
  prefs.recent = {"", "line\rbreak", "C:\\x.TPX"};
  Preferences back;
  ParsePreferences(FormatPreferences(prefs), back);
  EXPECT_EQ(back.last_file, "Unknow");
  EXPECT_EQ(back.baud_rate, 4);
  EXPECT_EQ(back.recent, std::vector<std::string>{"C:\\x.TPX"});
}

TEST(Preferences, ReadingIsTolerant) {
  Preferences prefs;
  // Empty pieces are skipped; one-digit fields keep their first digit; numbers read like atoi.
  ParsePreferences("\r\rC:\\a.TPX\r\r27\r1\r 42x\r39\r1\r1\rEnglish (UK)\r3\r", prefs);
  EXPECT_EQ(prefs.last_file, "C:\\a.TPX");
  EXPECT_EQ(prefs.download_via, 2);
  EXPECT_EQ(prefs.preferred_port, 42);
  EXPECT_EQ(prefs.baud_rate, 3);
  EXPECT_EQ(prefs.language, "English (UK)");
  EXPECT_EQ(prefs.port_index, 3);

  // Texts are cut to their room; at most four recent files.
  const std::string long_path(300, 'p');
  std::string text = long_path + "\r0\r0\r1\r0\r0\r0\r" + std::string(50, 'L') + "\r0\r";
  for (int i = 0; i < 6; ++i) text += "C:\\r" + std::to_string(i) + ".TPX\r";
  ParsePreferences(text, prefs);
  EXPECT_EQ(prefs.last_file, long_path.substr(0, 255));
  EXPECT_EQ(prefs.language, std::string(40, 'L'));
  ASSERT_EQ(prefs.recent.size(), 4u);
  EXPECT_EQ(prefs.recent[3], "C:\\r3.TPX");

  // A huge number clamps instead of overflowing.
  ParsePreferences("a\r0\r0\r99999999999999999999\r", prefs);
  EXPECT_EQ(prefs.preferred_port, 2147483647);
}

TEST(Preferences, LargestFileReadsBackWholeAndOversizedFilesAreCutSafely) {
  TempDir app_data;
  const auto file = PreferencesFileIn(app_data.path());
  Preferences prefs;
  prefs.last_file = std::string(255, 'a');
  prefs.preferred_port = -2147483647;
  prefs.language = std::string(40, 'l');
  prefs.port_index = -2147483647;
  for (char c : {'w', 'x', 'y', 'z'}) prefs.recent.push_back(std::string(255, c));
  ASSERT_TRUE(WritePreferences(prefs, file));
  ASSERT_GT(std::filesystem::file_size(file), 1300u);
  Preferences back;
  ASSERT_TRUE(ReadPreferences(back, file));
  EXPECT_EQ(back.recent, prefs.recent);
  EXPECT_EQ(back.port_index, prefs.port_index);

  // Far past the read window: what lies beyond is ignored, and the field the window cuts is
  // dropped, not taken half.
  std::string text = "C:\\a.TPX\r1\r1\r1\r1\r1\r1\rX\r2\r";
  const std::string first(kPreferencesReadMax - 50 - text.size() - 1, 'r');
  text += first + "\r" + std::string(100, 'z') + "\r" + std::string(10000, 'q');
  Put(file, text);
  ASSERT_TRUE(ReadPreferences(back, file));
  EXPECT_EQ(back.port_index, 2);
  EXPECT_EQ(back.recent, std::vector<std::string>{first.substr(0, 255)});
}

TEST(Preferences, WriteFailsWhereNoFolderCanBeMade) {
  TempDir app_data;
  // A file stands where the folder should be.
  std::ofstream(app_data.path() / "MIRDANTO") << "not a folder";
  std::string error;
  EXPECT_FALSE(WritePreferences(Preferences{}, PreferencesFileIn(app_data.path()), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(WritePreferences(Preferences{}, {}, &error));
}

TEST(Preferences, PathFollowsTheEnvironment) {
  {
    ScopedEnv app_data("APPDATA", "/somewhere/Roaming");
    EXPECT_EQ(DefaultPreferencesPath(),
              std::filesystem::path("/somewhere/Roaming") / "MIRDANTO" / "TPQ700.ini");
  }
#ifndef _WIN32
  ScopedEnv no_app_data("APPDATA", std::nullopt);
  {
    ScopedEnv config("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(DefaultPreferencesPath(), std::filesystem::path("/cfg/MIRDANTO/TPQ700.ini"));
  }
  ScopedEnv no_config("XDG_CONFIG_HOME", std::nullopt);
  ScopedEnv home("HOME", "/home/u");
  EXPECT_EQ(DefaultPreferencesPath(), std::filesystem::path("/home/u/.config/MIRDANTO/TPQ700.ini"));
  ScopedEnv relative("XDG_CONFIG_HOME", "relative");
  EXPECT_EQ(DefaultPreferencesPath(), std::filesystem::path("/home/u/.config/MIRDANTO/TPQ700.ini"));
#endif
}

}  // namespace
}  // namespace q700
