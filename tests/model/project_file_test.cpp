// Project files: layout, headers, upgrades of older revisions, short and long files, and saves
// that fail without harming the old file.
#include "model/project_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/defaults.h"
#include "support/recording_sink.h"
#include "support/temp_dir.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

using ::q700::test::RecordingSink;
using ::q700::test::TempDir;

// Whole files as bytes.
std::vector<uint8_t> FileBytes(const std::filesystem::path& path) {
  const std::string bytes = test::ReadFileBytes(path);
  return {bytes.begin(), bytes.end()};
}

void PutFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// Names of the files in a folder.
std::vector<std::string> Entries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    names.push_back(e.path().filename().string());
  }
  return names;
}

// File offsets of the settings block and of the fields the upgrades touch.
constexpr size_t kRevisionAt = 18574;
constexpr size_t kSettingsAt = 18574;
constexpr size_t kWeightAt = 18842;
constexpr size_t kFormsAt = 3535;
constexpr size_t kFormSize = 1215;
constexpr size_t kErrorTargetInForm = 1043;

const std::vector<uint8_t> kNewBarcode = {0x9B, 0xC9, 0x00, 0x3F, 0x80, 0x2D, 0x54, 0x80,
                                          0x00, 0x19, 0x3D, 0x00, 0x43, 0x01, 0xFE, 0x01,
                                          0xFF, 0x01, 0xFF, 0x01, 0x66, 0x03, 0xC0};
const std::vector<uint8_t> kNewWeight = {0xDA, 0xAB, 0x01, 0x00, 0x32, 0x33,
                                         0x07, 0x00, 0x02, 0x00, 0x04, 0x00};
const char kUpgradeText[] =
    "Задача преобразована в новый формат.\r\nПожалуйста, сохраните новую версию!";

class ProjectFileTest : public ::testing::Test {
 protected:
  ProjectFileTest() {
    RefillTerminalTexts(texts_, defaults_);
    ResetDesign(new_design_, defaults_);
  }

  // The design as Open leaves it before it reads: the defaults.
  Design Opened() {
    Design d;
    ResetDesign(d, defaults_);
    return d;
  }

  // The bytes of a new design's file, as the tests then change them.
  std::vector<uint8_t> NewFile() {
    const ProjectFileBytes bytes = ProjectFileContents(new_design_);
    return {bytes.begin(), bytes.end()};
  }

  bool Read(const std::vector<uint8_t>& file, Design& d) {
    const auto path = folder_ / "in.TPX";
    PutFile(path, file);
    return ReadShown(path, d);
  }

  // Reads as a front end does: the result's messages shown after the read.
  bool ReadShown(const std::filesystem::path& path, Design& d) {
    const ProjectReadResult read = ReadProjectFile(path, d, texts_);
    ShowMessages(sink_, read);
    return read.ok();
  }

  TempDir folder_;
  TextLoader texts_;
  DefaultTerminalTexts defaults_;
  RecordingSink sink_;
  Design new_design_;
};

std::string At(const std::vector<uint8_t>& file, size_t offset, size_t n) {
  return std::string(file.begin() + static_cast<ptrdiff_t>(offset),
                     file.begin() + static_cast<ptrdiff_t>(offset + n));
}

std::vector<uint8_t> Slice(const std::vector<uint8_t>& file, size_t offset, size_t n) {
  return {file.begin() + static_cast<ptrdiff_t>(offset),
          file.begin() + static_cast<ptrdiff_t>(offset + n)};
}

TEST_F(ProjectFileTest, NewDesignWritesItsLayoutAndReadsBackIdentical) {
  // The reserved word and area are carried as they were loaded.
  new_design_.reserved_word = {0x12, 0x34};
  new_design_.reserved_area[0] = 0x55;
  new_design_.reserved_area[54] = 0xAA;
  const auto path = folder_ / "new.TPX";
  std::string error;
  ASSERT_TRUE(WriteProjectFile(path, new_design_, &error)) << error;

  const std::vector<uint8_t> file = FileBytes(path);
  ASSERT_EQ(file.size(), 18954u);
  EXPECT_EQ(At(file, 0, 10), std::string("Q700RU004\0", 10));
  EXPECT_EQ(Slice(file, 10, 2), (std::vector<uint8_t>{0x12, 0x34}));
  EXPECT_EQ(Slice(file, 12, 23), kNewBarcode);
  EXPECT_EQ(file[18519], 0x55);
  EXPECT_EQ(file[18573], 0xAA);
  EXPECT_EQ(file[kRevisionAt], 4);
  EXPECT_EQ(Slice(file, kWeightAt, 12), kNewWeight);
  EXPECT_EQ(file[kFormsAt + 2 * kFormSize + 2], 3) << "form 3 starts again with itself";
  EXPECT_EQ(At(file, 16115, 12), "1.Collect   ") << "main-menu texts at 16,115";
  EXPECT_TRUE(std::all_of(file.end() - 100, file.end(), [](uint8_t b) { return b == 0; }));

  Design read = Opened();
  ASSERT_TRUE(ReadShown(path, read));
  EXPECT_EQ(read, new_design_);
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(ProjectFileTest, AcceptsTheCurrentAndTheOldHeader) {
  for (const std::string& header : {std::string("Q700RUxyz\0", 10), std::string("Q700RU004!"),
                                    std::string("Q700-1.00\0", 10), std::string("Q700-1.00Z")}) {
    std::vector<uint8_t> file = NewFile();
    std::copy(header.begin(), header.end(), file.begin());
    file[kSettingsAt + 33] = 42;  // prompt duration, to see that the blocks were read
    Design d = Opened();
    EXPECT_TRUE(Read(file, d)) << header;
    EXPECT_EQ(d.settings[33], 42) << header;
    EXPECT_EQ(AsChars(d.version_tag), std::string_view("Q700RU004\0", 10))
        << "a load never changes the version tag";
  }
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(ProjectFileTest, RefusesForeignHeadersWithFormatMismatchAndChangesNothing) {
  for (const std::string& header :
       {std::string("Q700-1.01\0", 10), std::string("X700RU004\0", 10),
        std::string("Q700RV004\0", 10), std::string("Q7"), std::string()}) {
    std::vector<uint8_t> file = NewFile();
    if (header.size() < 10) {
      file.assign(header.begin(), header.end());
    } else {
      std::copy(header.begin(), header.end(), file.begin());
    }
    Design d = Opened();
    d.menus[0] = 7;  // anything a read would overwrite
    const Design before = d;
    sink_.messages.clear();
    EXPECT_FALSE(Read(file, d)) << header;
    EXPECT_EQ(d, before) << header;
    ASSERT_EQ(sink_.messages.size(), 1u) << header;
    EXPECT_EQ(sink_.messages[0].caption_id, 1121);
    EXPECT_EQ(sink_.messages[0].text_id, 1171);
    EXPECT_EQ(sink_.messages[0].icon, Icon::kWarning);
  }
}

TEST_F(ProjectFileTest, MissingFileLeavesTheDesignAndNamesTheReason) {
  Design d = Opened();
  d.forms[5] = 99;
  const Design before = d;
  const ProjectReadResult read = ReadProjectFile(folder_ / "none.TPX", d, texts_);
  EXPECT_EQ(read.status, ProjectRead::kCannotRead);
  EXPECT_FALSE(read.ok());
  EXPECT_EQ(d, before);
  ASSERT_EQ(read.messages.size(), 1u);
  EXPECT_EQ(read.messages[0].caption_id, 1121);
  EXPECT_EQ(read.messages[0].text_id, 1170);
  EXPECT_NE(read.reason.find("none.TPX"), std::string::npos) << read.reason;

  // A folder is no project file either.
  EXPECT_EQ(ReadProjectFile(folder_.path(), d, texts_).status, ProjectRead::kCannotRead);
  EXPECT_EQ(d, before);
}

// A revision-1 file with everything the upgrades change set to other values.
std::vector<uint8_t> AgedFile(std::vector<uint8_t> file, uint8_t revision) {
  file[kRevisionAt] = revision;
  for (size_t i = 115; i < 150; ++i) file[kSettingsAt + i] = 0x77;
  std::memcpy(&file[kSettingsAt + 150], "old calculator", 15);
  for (size_t i = 0; i < 12; ++i) file[kWeightAt + i] = static_cast<uint8_t>(0xE0 + i);
  for (size_t f = 0; f < 10; ++f) file[kFormsAt + f * kFormSize + kErrorTargetInForm] = 5;
  return file;
}

TEST_F(ProjectFileTest, RevisionOneGetsEveryUpgradeAndOneWarning) {
  Design d = Opened();
  ASSERT_TRUE(Read(AgedFile(NewFile(), 1), d));

  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(sink_.messages[0].caption_id, 1122);
  EXPECT_EQ(sink_.messages[0].text_id, 0);
  EXPECT_EQ(sink_.messages[0].text_utf8, kUpgradeText);
  EXPECT_EQ(sink_.messages[0].icon, Icon::kWarning);

  EXPECT_EQ(d.settings[0], 4);
  for (size_t i = 115; i <= 136; ++i) EXPECT_EQ(d.settings[i], 0) << i;
  EXPECT_EQ(d.settings[137], 2);
  EXPECT_EQ(d.settings[138], 1);
  EXPECT_EQ(d.settings[139], 2);
  for (size_t i = 140; i <= 149; ++i) EXPECT_EQ(d.settings[i], 0) << i;
  EXPECT_EQ(SlotText(Bytes(d.settings).subspan(150, 21)), "8.Calculator    ");
  EXPECT_EQ(SlotText(Bytes(d.settings).subspan(171, 21)), "7.Buzzer        ");
  EXPECT_EQ(SlotText(Bytes(d.settings).subspan(192, 21)), "1.Key Click     ");
  EXPECT_EQ(SlotText(Bytes(d.settings).subspan(213, 21)), "2.Barcode Read  ");
  EXPECT_EQ(SlotText(Bytes(d.settings).subspan(234, 21)), "3.Warning Beep  ");
  EXPECT_EQ(std::vector<uint8_t>(d.weight.begin(), d.weight.end()), kNewWeight);
  for (int f = 0; f < 10; ++f) EXPECT_EQ(d.forms[f * kFormSize + kErrorTargetInForm], 0) << f;

  // Saved and read again, the design is current: no second warning.
  const auto path = folder_ / "saved.TPX";
  ASSERT_TRUE(WriteProjectFile(path, d));
  Design again = Opened();
  ASSERT_TRUE(ReadShown(path, again));
  EXPECT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(FileBytes(path)[kRevisionAt], 4);
  EXPECT_EQ(again, d);
}

TEST_F(ProjectFileTest, RevisionOneUpgradeTakesLargeFontTextsFromTheActiveLanguage) {
  std::vector<uint8_t> file = AgedFile(NewFile(), 0);
  file[kSettingsAt + 68] = 1;  // large font
  texts_.set_language_active(true);
  texts_.language().Set(1721, "8.Rechner");
  Design d = Opened();
  ASSERT_TRUE(Read(file, d));
  EXPECT_EQ(SlotText(Bytes(d.settings).subspan(150, 21)), "8.Rechner");
  EXPECT_EQ(SlotText(Bytes(d.settings).subspan(171, 21)), "7.Buzzer    ");
  EXPECT_EQ(SlotText(Bytes(d.settings).subspan(234, 21)), "3.Warning   ");
  EXPECT_EQ(d.settings[0], 4);
}

TEST_F(ProjectFileTest, RevisionThreeOnlyClearsTheErrorTargets) {
  const std::vector<uint8_t> file = AgedFile(NewFile(), 3);
  Design d = Opened();
  ASSERT_TRUE(Read(file, d));
  EXPECT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(d.settings[0], 4);
  for (int f = 0; f < 10; ++f) EXPECT_EQ(d.forms[f * kFormSize + kErrorTargetInForm], 0) << f;
  EXPECT_EQ(std::vector<uint8_t>(d.weight.begin(), d.weight.end()), Slice(file, kWeightAt, 12));
  EXPECT_EQ(d.settings[137], 0x77);
  EXPECT_EQ(SlotText(Bytes(d.settings).subspan(150, 21)), "old calculator");
}

TEST_F(ProjectFileTest, RevisionFourOrHigherIsLoadedAsStored) {
  for (const uint8_t revision : {uint8_t{4}, uint8_t{9}, uint8_t{255}}) {
    const std::vector<uint8_t> file = AgedFile(NewFile(), revision);
    Design d = Opened();
    ASSERT_TRUE(Read(file, d));
    EXPECT_EQ(d.settings[0], revision);
    EXPECT_EQ(d.forms[kErrorTargetInForm], 5);
    EXPECT_EQ(d.weight[0], 0xE0);
  }
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(ProjectFileTest, ShortFileKeepsWhatTheBlocksHeldAndLongFileIsCut) {
  // A file that ends inside form 2: form 1 and the menus come from the file, the rest stays.
  std::vector<uint8_t> file = NewFile();
  std::fill(file.begin() + 35, file.end(), uint8_t{0x11});
  file[kRevisionAt] = 4;
  const size_t end = kFormsAt + kFormSize + 100;
  std::vector<uint8_t> short_file(file.begin(), file.begin() + static_cast<ptrdiff_t>(end));

  Design d = Opened();
  const Design before = d;
  ASSERT_TRUE(Read(short_file, d));
  EXPECT_EQ(d.menus[0], 0x11);
  EXPECT_EQ(d.menus[3499], 0x11);
  EXPECT_EQ(d.forms[kFormSize + 99], 0x11);
  EXPECT_EQ(d.forms[kFormSize + 100], before.forms[kFormSize + 100]);
  EXPECT_EQ(d.lookups, before.lookups);
  EXPECT_EQ(d.texts, before.texts);
  EXPECT_EQ(d.settings, before.settings);
  EXPECT_EQ(d.weight, before.weight);
  EXPECT_TRUE(sink_.messages.empty()) << "the revision kept from before is current";

  // Bytes after the weight-code block, trailer included, are never read.
  std::vector<uint8_t> long_file = NewFile();
  long_file[kWeightAt + 11] = 0x5A;
  std::fill(long_file.begin() + 18854, long_file.end(), uint8_t{0xEE});
  long_file.resize(30000, 0xEE);
  Design l = Opened();
  ASSERT_TRUE(Read(long_file, l));
  EXPECT_EQ(l.weight[11], 0x5A);
  Design expected = new_design_;
  expected.weight[11] = 0x5A;
  EXPECT_EQ(l, expected);
}

TEST_F(ProjectFileTest, HeaderAloneIsAcceptedAndKeepsTheWholeDesign) {
  Design d = Opened();
  const Design before = d;
  ASSERT_TRUE(Read({'Q', '7', '0', '0', 'R', 'U'}, d));
  EXPECT_EQ(d, before);
}

TEST_F(ProjectFileTest, FailedSaveIntoMissingFolderReportsTheReason) {
  std::string error;
  EXPECT_FALSE(WriteProjectFile(folder_ / "gone" / "a.TPX", new_design_, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(std::filesystem::exists(folder_ / "gone"));

  // A "folder" that is a file.
  PutFile(folder_ / "plain", {1, 2, 3});
  EXPECT_FALSE(WriteProjectFile(folder_ / "plain" / "a.TPX", new_design_, &error));
  EXPECT_EQ(FileBytes(folder_ / "plain"), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(ProjectFileTest, FailedReplaceKeepsTheOldFileAndLeavesNoTemporaryFile) {
  // The target is a folder, so the finished temporary file cannot take its place.
  std::filesystem::create_directory(folder_ / "taken.TPX");
  PutFile(folder_ / "taken.TPX" / "inside", {9});
  std::string error;
  EXPECT_FALSE(WriteProjectFile(folder_ / "taken.TPX", new_design_, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{"taken.TPX"});
  EXPECT_EQ(FileBytes(folder_ / "taken.TPX" / "inside"), std::vector<uint8_t>{9});
}

TEST_F(ProjectFileTest, SaveIntoReadOnlyFolderKeepsTheOldFile) {
  const auto sub = folder_ / "ro";
  std::filesystem::create_directory(sub);
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  PutFile(sub / "a.TPX", old);
  std::filesystem::permissions(
      sub, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  // Writable again at the end, so that the folder can be removed.
  struct Restore {
    std::filesystem::path folder;
    ~Restore() {
      std::error_code ec;
      std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ec);
    }
  } restore{sub};
  {
    // Root, and Windows folders, ignore the permission: nothing would fail.
    std::ofstream probe(sub / "probe");
    if (probe) {
      probe.close();
      std::filesystem::remove(sub / "probe");
      GTEST_SKIP() << "the folder stays writable here (running as root or on Windows)";
    }
  }
  std::string error;
  EXPECT_FALSE(WriteProjectFile(sub / "a.TPX", new_design_, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(FileBytes(sub / "a.TPX"), old);
  EXPECT_EQ(Entries(sub), std::vector<std::string>{"a.TPX"});
}

TEST_F(ProjectFileTest, SaveReplacesAnExistingFileWhole) {
  const auto path = folder_ / "a.TPX";
  PutFile(path, std::vector<uint8_t>(40000, 0xFF));
  ASSERT_TRUE(WriteProjectFile(path, new_design_));
  const std::vector<uint8_t> file = FileBytes(path);
  EXPECT_EQ(file.size(), 18954u);
  EXPECT_EQ(At(file, 0, 6), "Q700RU");
  EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{"a.TPX"});
}

}  // namespace
}  // namespace q700
