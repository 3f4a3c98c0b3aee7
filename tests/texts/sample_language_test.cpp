// The Russian language file of samples/: found and loaded as the program does, it names every
// label of the dialogs and menus, the texts of their lists, the message texts and the terminal
// texts at their widths.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "editor/label_texts.h"
#include "texts/language_files.h"
#include "texts/string_table.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

// "Русский" in code page 1251.
constexpr char kRussianName[] = "\xD0\xF3\xF1\xF1\xEA\xE8\xE9";

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Language ids of the shell's windows: program title, sheet caption, receiving, progress,
// Preferences, About box, pop-up menu, OK and Cancel.
std::vector<int> ShellIds() {
  std::vector<int> ids = {1, 2, 3, 4, 5, 6, 7, 8, 21, 22, 23, 1218, 1219};
  for (int id = 11; id <= 19; ++id) ids.push_back(id);
  for (int id = 1101; id <= 1111; ++id) ids.push_back(id);
  return ids;
}

// String-table texts shown in message boxes and in the project file dialogs.
std::vector<int> MessageIds() {
  std::vector<int> ids = {1049, 1182, 1201, 1202, 1325, 1326, 1327, 1328};
  for (int id = 1121; id <= 1125; ++id) ids.push_back(id);
  for (int id = 1131; id <= 1134; ++id) ids.push_back(id);
  for (int id = 1141; id <= 1149; ++id) ids.push_back(id);
  for (int id : {1161, 1162, 1163, 1165, 1166, 1167, 1168, 1169, 1170, 1171}) ids.push_back(id);
  return ids;
}

// String-table texts that fill the dialogs' lists, and the names of the lookup and data file
// filters. Numbers, speeds, file patterns and the port names IrDA, Bluetooth SPP and Serial-SPP
// read the same in Russian and are left out.
std::vector<int> ListIds() {
  std::vector<int> ids = {1181, 1183, 1351, 1491, 1493, 1494};
  const int ranges[][2] = {{1190, 1194}, {1211, 1216}, {1221, 1222}, {1231, 1232}, {1241, 1244},
                           {1331, 1338}, {1345, 1347}, {1361, 1363}, {1371, 1389}, {1391, 1396},
                           {1401, 1409}, {1411, 1418}, {1421, 1428}, {1441, 1443}, {1451, 1456},
                           {1461, 1469}, {1481, 1484}, {1511, 1512}, {1521, 1522}, {1531, 1533},
                           {1541, 1543}, {1551, 1553}, {1561, 1562}, {1581, 1606}, {1621, 1640},
                           {1701, 1703}};
  for (const auto& range : ranges) {
    for (int id = range[0]; id <= range[1]; ++id) ids.push_back(id);
  }
  return ids;
}

class SampleLanguage : public testing::Test {
 protected:
  void SetUp() override {
    count_ = ScanLanguages(Q700_SAMPLES_DIR, list_);
    ASSERT_EQ(count_, 1);
    ASSERT_TRUE(LoadLanguage(list_, count_, kRussianName, loader_));
  }

  LanguageList list_;
  int count_ = 0;
  TextLoader loader_;
};

TEST_F(SampleLanguage, IsAFileOfCrLfLinesWithinTheSizeTheProgramReads) {
  EXPECT_EQ(list_.files[0].name, kRussianName);
  const std::string text = ReadAll(list_.files[0].path);
  EXPECT_LE(text.size(), kLanguageFileMax);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.substr(0, sizeof(kRussianName) + 1), std::string(kRussianName) + "\r\n");
  size_t lines = 0;
  for (size_t at = 0; at < text.size(); ++lines) {
    const size_t lf = text.find('\n', at);
    ASSERT_NE(lf, std::string::npos) << "the last line has no line end";
    ASSERT_GT(lf, at) << "an empty line at byte " << at;
    EXPECT_EQ(text[lf - 1], '\r') << "a line without CR at byte " << at;
    const std::string line = text.substr(at, lf - 1 - at);
    if (lines > 0) {
      const size_t eq = line.find('=');
      ASSERT_NE(eq, std::string::npos) << line;
      EXPECT_LE(line.size() - eq - 1, kLanguageLabelMax) << line;
    }
    at = lf + 1;
  }
}

TEST_F(SampleLanguage, NamesEveryLabelOfTheDialogsAndMenus) {
  for (const LabelTable* table : editor::EditorLabelTables()) {
    std::vector<int> ids;
    if (table->title_source == LabelSource::kLanguage) ids.push_back(table->title_id);
    for (const LabelRow& row : table->rows) ids.push_back(row.language_id);
    for (const ComposedText& composed : table->composed) ids.push_back(composed.language_id);
    for (int id : ids) {
      const std::string_view label = loader_.Label(id);
      const std::string_view english = editor::EnglishLabel(*table, id);
      EXPECT_FALSE(label.empty()) << id << " " << english;
      // A label the dialog follows with a number or a pattern keeps the blank before it.
      if (!label.empty() && !english.empty() && english.back() == ' ') {
        EXPECT_EQ(label.back(), ' ') << id << " " << english;
      }
    }
  }
  for (int id : ShellIds()) EXPECT_FALSE(loader_.Label(id).empty()) << id;
}

TEST_F(SampleLanguage, ReplacesTheMessageTexts) {
  for (int id : MessageIds()) {
    const char* built_in = FindStringTableText(id);
    ASSERT_NE(built_in, nullptr) << id;
    const std::string text = loader_.Load(id, Slot::kMessage);
    EXPECT_NE(text, built_in) << id;
    if (std::string_view(built_in).back() == ' ') {
      EXPECT_EQ(text.back(), ' ') << id;
    }
  }
}

TEST_F(SampleLanguage, TranslatesTheListsOfTheDialogs) {
  for (int id : ListIds()) {
    const char* built_in = FindStringTableText(id);
    ASSERT_NE(built_in, nullptr) << id;
    const std::string_view label = loader_.Label(id);
    EXPECT_FALSE(label.empty()) << id << " " << built_in;
    EXPECT_NE(label, built_in) << id;
    // Texts that a number or a size tag follows keep the blank before it.
    if (!label.empty() && std::string_view(built_in).back() == ' ') {
      EXPECT_EQ(label.back(), ' ') << id << " " << built_in;
    }
  }
}

TEST_F(SampleLanguage, GivesEveryTerminalTextAtItsWidth) {
  // Checked before the refill, which caches the built-in text of an id the file lacks.
  for (const TerminalTextGroup& group : kTerminalTextGroups) {
    for (int id = group.first_id; id < group.first_id + group.count; ++id) {
      const std::string_view label = loader_.Label(id);
      EXPECT_EQ(label.size(), static_cast<size_t>(group.width)) << id << " '" << label << "'";
    }
  }
  DefaultTerminalTexts defaults;
  RefillTerminalTexts(loader_, defaults);
  EXPECT_EQ(defaults.Get(884), loader_.Label(884));
  // The port lines that the Settings page puts into the port menus.
  for (const PortLineIds& lines : {kUploadPortLine, kDownloadPortLine}) {
    EXPECT_EQ(PortLineText(loader_, lines, false, true).size(), 16u);
    EXPECT_EQ(PortLineText(loader_, lines, true, true).size(), 12u);
    EXPECT_EQ(loader_.Label(lines.bluetooth_small).size(), 16u);
    EXPECT_EQ(loader_.Label(lines.bluetooth_large).size(), 12u);
  }
  // The calculator items keep their number first: the pages set it to 8 or 9.
  EXPECT_EQ(defaults.Get(kCalculatorSmall).substr(0, 2), "8.");
  EXPECT_EQ(defaults.Get(kCalculatorLarge).substr(0, 2), "8.");
}

}  // namespace
}  // namespace q700
