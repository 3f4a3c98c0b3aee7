// The Startup page driven through its controls: the paired delimiter boxes, the delimiter count
// on apply, the message groups with the large font, Reset, and Import of project files written
// by the program (and of a foreign file, which changes nothing).
#include <filesystem>
#include <fstream>

#include "gui_test_support.h"
#include "model/message_groups.h"
#include "model/project_file.h"
#include "model/settings_block.h"
#include "resources/dialogs/pages_ids.h"
#include "sheet_pages.h"

namespace q700::gui_test {
namespace {

using namespace settings_offset;

constexpr int kFileNameCombo = 0x47c;  // cmb13 of the Explorer-style open dialog
constexpr int kFileNameEdit = 0x480;   // edt1 of the older style

// Types a file name into an open-file dialog and presses its Open button.
void OpenFileIn(HWND dialog, const std::filesystem::path& path) {
  HWND name = GetDlgItem(dialog, kFileNameCombo);
  if (name == nullptr) name = GetDlgItem(dialog, kFileNameEdit);
  ASSERT_NE(name, nullptr) << "no file name box in " << testing::PrintToString(WindowText(dialog));
  SetWindowTextW(name, path.wstring().c_str());
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

class StartupPageTest : public EditorTest {
 protected:
  std::string RowOfDesign(int group, int row) {
    return SlotText(GroupRowSlot(design_, group, row));
  }
  void ExpectMessage(std::wstring& text) {
    driver_.Expect([&text](HWND box) {
      text = MessageBoxText(box);
      Click(box, IDOK);
    });
  }
};

TEST_F(StartupPageTest, DelimitersFontAndGroupsReachTheDesignOnOk) {
  std::wstring message;
  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Startup");
    EXPECT_EQ(Selection(page, IDC_STARTUP_GROUP), 0);
    EXPECT_EQ(Text(page, IDC_STARTUP_ROW_LABEL + 1), L"1.Collect   ");
    EXPECT_TRUE(Enabled(page, IDC_STARTUP_ROW + 3));
    for (int n = 4; n <= 8; ++n) {
      EXPECT_FALSE(Enabled(page, IDC_STARTUP_ROW + n)) << n;
      EXPECT_EQ(Text(page, IDC_STARTUP_ROW + n), std::wstring(12, L' ')) << n;
    }

    Type(page, IDC_STARTUP_FIRST_CODE, L"65");
    EXPECT_EQ(Text(page, IDC_STARTUP_FIRST_TEXT), L"A");
    Type(page, IDC_STARTUP_FIRST_TEXT, L"b");
    EXPECT_EQ(Text(page, IDC_STARTUP_FIRST_CODE), L"98");
    ExpectMessage(message);
    Type(page, IDC_STARTUP_FIRST_CODE, L"13");
    EXPECT_EQ(message, L"Invalid value!");
    EXPECT_EQ(Text(page, IDC_STARTUP_FIRST_CODE), L"98");

    EXPECT_FALSE(Enabled(page, IDC_STARTUP_SECOND_CODE));
    Choose(page, IDC_STARTUP_COUNT, 2);
    EXPECT_TRUE(Enabled(page, IDC_STARTUP_SECOND_TEXT));
    Type(page, IDC_STARTUP_SECOND_CODE, L"59");
    EXPECT_EQ(Text(page, IDC_STARTUP_SECOND_TEXT), L";");
    Choose(page, IDC_STARTUP_COUNT, 1);
    EXPECT_FALSE(Enabled(page, IDC_STARTUP_SECOND_CODE));
    Choose(page, IDC_STARTUP_TARGET, 1);

    Click(page, IDC_STARTUP_LARGE_FONT);
    EXPECT_EQ(ItemAt(page, IDC_STARTUP_GROUP, 1), L"Utilities (8x12)");
    EXPECT_EQ(Selection(page, IDC_STARTUP_GROUP), 0);
    Choose(page, IDC_STARTUP_GROUP, 1);
    EXPECT_EQ(Text(page, IDC_STARTUP_ROW + 1), L"1.Settings  ");
    Type(page, IDC_STARTUP_ROW + 1, L"ABCDEFGHIJKLM");
    EXPECT_EQ(Text(page, IDC_STARTUP_ROW + 1), L"ABCDEFGHIJKL");
    PressOk(sheet);
  });
  EXPECT_EQ(design_.settings[kStartTarget], 1);
  EXPECT_EQ(design_.settings[kFirstDelimiter], 98);
  EXPECT_EQ(design_.settings[kSecondDelimiter], 0);  // one delimiter counts
  EXPECT_EQ(design_.settings[kLargeFont], 1);
  EXPECT_EQ(RowOfDesign(1, 0), "ABCDEFGHIJKL");
  EXPECT_EQ(RowOfDesign(1, 1), "2.BrowseData");
}

class StartupImportTest : public StartupPageTest {
 protected:
  StartupImportTest() : folder_(std::filesystem::temp_directory_path() / "q700_startup_import") {
    std::filesystem::create_directories(folder_);
  }
  ~StartupImportTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  // Presses Import and opens `path` in the file dialog; a message box that follows is answered
  // and its text kept in `message`.
  void Import(HWND page, const std::filesystem::path& path, std::wstring* message = nullptr) {
    driver_.Expect([path](HWND dialog) { OpenFileIn(dialog, path); });
    if (message != nullptr) ExpectMessage(*message);
    Click(page, IDC_STARTUP_IMPORT);
  }

  std::filesystem::path folder_;
};

TEST_F(StartupImportTest, ImportTakesTextsAndFontAndRefusesAForeignFile) {
  const std::filesystem::path other = folder_ / "OTHER.TPX";
  const std::filesystem::path foreign = folder_ / "FOREIGN.TPX";
  {
    Design source = design_;
    SetSlotText(GroupRowSlot(source, 0, 0), "1.Sammeln   ");
    source.settings[kLargeFont] = 1;
    ASSERT_TRUE(WriteProjectFile(other, source));
    // The same texts behind another program's header.
    ProjectFileBytes bytes = ProjectFileContents(source);
    bytes[0] = 'X';
    std::ofstream out(foreign, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good());
  }
  const Design before = design_;
  RunSheet([&](HWND sheet, HWND) {
    Import(ShowPage(sheet, L"Startup"), other);
    PressCancel(sheet);
  });
  EXPECT_TRUE(design_ == before);

  std::wstring message;
  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Startup");
    Choose(page, IDC_STARTUP_GROUP, 2);
    Import(page, foreign, &message);
    EXPECT_EQ(message, L"Format mismatch !!!");
    EXPECT_EQ(Selection(page, IDC_STARTUP_GROUP), 2);
    EXPECT_FALSE(Checked(page, IDC_STARTUP_LARGE_FONT));
    Choose(page, IDC_STARTUP_GROUP, 0);
    EXPECT_EQ(Text(page, IDC_STARTUP_ROW + 1), L"1.Collect   ");

    Import(page, other);
    EXPECT_TRUE(Checked(page, IDC_STARTUP_LARGE_FONT));
    EXPECT_EQ(Selection(page, IDC_STARTUP_GROUP), 0);
    EXPECT_EQ(Text(page, IDC_STARTUP_ROW + 1), L"1.Sammeln   ");
    PressOk(sheet);
  });
  EXPECT_EQ(RowOfDesign(0, 0), "1.Sammeln   ");
  EXPECT_EQ(design_.settings[kLargeFont], 1);
  EXPECT_EQ(design_.settings[kFirstDelimiter], before.settings[kFirstDelimiter]);

  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Startup");
    Click(page, IDC_STARTUP_RESET);
    EXPECT_EQ(Text(page, IDC_STARTUP_FIRST_CODE), L"44");
    EXPECT_EQ(Text(page, IDC_STARTUP_FIRST_TEXT), L",");
    EXPECT_EQ(Selection(page, IDC_STARTUP_COUNT), 1);
    EXPECT_EQ(ItemAt(page, IDC_STARTUP_COUNT, 1), L" 1 ");
    EXPECT_EQ(Text(page, IDC_STARTUP_ROW + 1), L"1.Collect   ");
    EXPECT_TRUE(Checked(page, IDC_STARTUP_LARGE_FONT));
    PressOk(sheet);
  });
  EXPECT_EQ(design_.settings[kFirstDelimiter], ',');
  EXPECT_EQ(design_.settings[kSecondDelimiter], 0);
  EXPECT_EQ(design_.settings[kLargeFont], 1);
  EXPECT_EQ(RowOfDesign(0, 0), "1.Collect   ");
}

}  // namespace
}  // namespace q700::gui_test
