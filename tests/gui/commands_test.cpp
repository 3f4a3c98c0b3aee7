// The pop-up menu's commands on the running program: start-up, New, Open, Save, Save As, Edit,
// the save prompt, the recent files, About and Exit.
#include <fstream>

#include "app/win32/commands.h"
#include "gui/program_fixture.h"
#include "model/project_file.h"
#include "resources/resource.h"
#include "simulator/win32/client_window.h"

namespace q700::test {
namespace {

using win32::App;

constexpr wchar_t kProgramTitle[] = L"Zentakel's Q700 Application Generator";

uintmax_t FileSize(const std::filesystem::path& path) {
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(path, ec);
  return ec ? 0 : size;
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class CommandsTest : public ProgramTest {};

TEST_F(CommandsTest, StartsAsABorderlessTerminalWithTheMenuAndTheSimulator) {
  Start();
  HWND main = app().main_window;
  RECT frame{};
  GetWindowRect(main, &frame);
  EXPECT_EQ(frame.left, 300);
  EXPECT_EQ(frame.top, 50);
  EXPECT_EQ(frame.right - frame.left, 210);
  EXPECT_EQ(frame.bottom - frame.top, 464);
  EXPECT_EQ(WindowText(main), L"Генератор Приложений");
  const LONG style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, 0);
  EXPECT_NE(style & WS_POPUP, 0);
  HWND client = GetDlgItem(main, win32::kClientId);
  ASSERT_NE(client, nullptr);
  GetClientRect(client, &frame);
  EXPECT_EQ(frame.right, 210);
  EXPECT_EQ(frame.bottom, 464);

  ASSERT_NE(app().popup, nullptr);
  EXPECT_EQ(GetMenuItemCount(app().popup), 14);  // no recent files yet
  EXPECT_EQ(MenuItemText(app().popup, 0), L"&New\tCtrl+N");
  EXPECT_EQ(MenuItemText(app().popup, 13), L"E&xit\tAlt+F4");
  EXPECT_EQ(app().simulator.state(), EngineState::kMainMenu);
  EXPECT_EQ(app().simulator.lcd_line(0), "1.Collect   ");
  EXPECT_TRUE(app().file_name.empty());
  EXPECT_FALSE(app().modified);
}

TEST_F(CommandsTest, SaveAsAppendsTheExtensionAndWritesTheProject) {
  Start();
  const std::filesystem::path typed = dir().path() / "shop.txt";
  ModalScript script;
  script.Then(TypeFileName(typed.wstring()));
  Command(IDM_SAVE_AS, script);
  const std::filesystem::path saved = dir().path() / "shop.txt.TPX";
  EXPECT_EQ(FileSize(saved), 18954u);
  EXPECT_EQ(app().file_name, saved.wstring());
  ASSERT_EQ(app().prefs.recent.size(), 1u);
  // The recent file is in the menu before About, with a separator, and in the preferences file.
  EXPECT_EQ(GetMenuItemCount(app().popup), 16);
  EXPECT_EQ(GetMenuItemID(app().popup, 12), static_cast<UINT>(IDM_RECENT_FIRST));
  EXPECT_EQ(MenuItemText(app().popup, 14), L"A&bout...");
  EXPECT_NE(ReadText(PrefsPath()).find("shop.txt.TPX\r"), std::string::npos);

  // A name already ending in the extension, in any case, is kept; Save then writes it again.
  const std::filesystem::path lower = dir().path() / "depot.tpx";
  ModalScript again;
  again.Then(TypeFileName(lower.wstring()));
  Command(IDM_SAVE_AS, again);
  EXPECT_EQ(app().file_name, lower.wstring());
  EXPECT_EQ(FileSize(lower), 18954u);
  std::filesystem::remove(lower);
  app().modified = true;
  Command(IDM_SAVE);
  EXPECT_EQ(FileSize(lower), 18954u);
  EXPECT_FALSE(app().modified);
}

TEST_F(CommandsTest, CancelInTheSavePromptLeavesTheDesignItsNameAndTheFlag) {
  Start();
  app().file_name = (dir().path() / "kept.TPX").wstring();
  app().modified = true;
  app().design.settings[100] = 0x5A;
  SeenBox seen;
  ModalScript script;
  script.Then(ClickButton(IDCANCEL, &seen));
  Command(IDM_NEW, script);
  EXPECT_EQ(seen.caption, kProgramTitle);
  EXPECT_EQ(seen.text, L"Save current program ?");
  EXPECT_EQ(app().design.settings[100], 0x5A);
  EXPECT_EQ(app().file_name, (dir().path() / "kept.TPX").wstring());
  EXPECT_TRUE(app().modified);

  // Closing the window asks the same; Cancel keeps it open.
  ModalScript close;
  close.Then(ClickButton(IDCANCEL));
  Command(IDM_EXIT, close);
  EXPECT_TRUE(IsWindow(app().main_window));
}

TEST_F(CommandsTest, YesWithACancelledOrFailedSaveStopsTheCommand) {
  Start();
  app().modified = true;
  app().design.settings[100] = 0x5A;
  // Yes, then Cancel in the Save dialog: nothing is lost.
  ModalScript cancelled;
  cancelled.Then(ClickButton(IDYES)).Then(Cancel());
  Command(IDM_NEW, cancelled);
  EXPECT_EQ(app().design.settings[100], 0x5A);
  EXPECT_TRUE(app().modified);

  // Yes, and the file cannot be written: the failure is shown and Open does not go on.
  app().file_name = (dir().path() / "missing" / "folder" / "x.TPX").wstring();
  SeenBox failure;
  ModalScript failed;
  failed.Then(ClickButton(IDYES)).Then(ClickButton(IDOK, &failure));
  Command(IDM_OPEN, failed);
  EXPECT_EQ(failure.caption, L"Error");
  EXPECT_EQ(failure.text, L"File open/create failed!");
  EXPECT_EQ(app().design.settings[100], 0x5A);
  EXPECT_TRUE(app().modified);

  // No discards the changes: New starts a new design.
  ModalScript discard;
  discard.Then(ClickButton(IDNO)).Then(Cancel());  // the editor sheet
  Command(IDM_NEW, discard);
  EXPECT_NE(app().design.settings[100], 0x5A);
  EXPECT_FALSE(app().modified);
  EXPECT_TRUE(app().file_name.empty());
}

TEST_F(CommandsTest, OpenLoadsTheChosenProjectAndRemembersIt) {
  Start();
  Design design = app().design;
  design.settings[100] = 0x33;
  const std::filesystem::path file = dir().path() / "Stock.TPX";
  ASSERT_TRUE(WriteProjectFile(file, design));
  ModalScript script;
  std::wstring sheet;
  script.Then(TypeFileName(file.wstring())).Then([&](HWND window) {
    sheet = WindowText(window);
    Cancel()(window);
  });
  Command(IDM_OPEN, script);
  EXPECT_NE(sheet.find(L"Stock.TPX"), std::wstring::npos) << "the editor sheet names the file";
  EXPECT_EQ(app().design.settings[100], 0x33);
  EXPECT_EQ(app().file_name, file.wstring());
  EXPECT_FALSE(app().modified);
  EXPECT_EQ(app().simulator.state(), EngineState::kMainMenu);
  ASSERT_EQ(app().prefs.recent.size(), 1u);

  // A cancelled Open leaves a new design without a name, so Save cannot overwrite the file; the
  // window is back at its place.
  SetWindowPos(app().main_window, nullptr, 500, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ModalScript cancel;
  cancel.Then(Cancel());
  Command(IDM_OPEN, cancel);
  EXPECT_NE(app().design.settings[100], 0x33);
  EXPECT_TRUE(app().file_name.empty());
  RECT frame{};
  GetWindowRect(app().main_window, &frame);
  EXPECT_EQ(frame.left, 300);
  EXPECT_EQ(frame.top, 50);
}

TEST_F(CommandsTest, RecentFilesKeepFourMostRecentFirstAndReopen) {
  Start();
  std::vector<std::filesystem::path> files;
  for (int i = 0; i < 5; ++i) {
    Design design = app().design;
    design.settings[100] = static_cast<uint8_t>(0x40 + i);
    files.push_back(dir().path() / ("F" + std::to_string(i) + ".TPX"));
    ASSERT_TRUE(WriteProjectFile(files.back(), design));
    ASSERT_TRUE(win32::LoadProject(app(), files.back()));
  }
  // The fifth file dropped the oldest: F4, F3, F2, F1.
  ASSERT_EQ(app().prefs.recent.size(), 4u);
  EXPECT_EQ(GetMenuItemCount(app().popup), 14 + 5);
  for (int n = 0; n < 4; ++n) {
    EXPECT_EQ(GetMenuItemID(app().popup, 12 + n), static_cast<UINT>(IDM_RECENT_FIRST + n));
    EXPECT_NE(MenuItemText(app().popup, 12 + n).find(files[4 - n].filename().wstring()),
              std::wstring::npos);
  }
  // Reopening the third entry (F2) loads it and moves it to the front without growing the list.
  Command(IDM_RECENT_FIRST + 2);
  EXPECT_EQ(app().design.settings[100], 0x42);
  EXPECT_EQ(app().file_name, files[2].wstring());
  ASSERT_EQ(app().prefs.recent.size(), 4u);
  EXPECT_EQ(GetMenuItemCount(app().popup), 14 + 5);
  EXPECT_NE(MenuItemText(app().popup, 12).find(L"F2.TPX"), std::wstring::npos);
  EXPECT_NE(MenuItemText(app().popup, 13).find(L"F4.TPX"), std::wstring::npos);

  // A recent file that is gone: the failure is shown, the design and its name stay.
  std::filesystem::remove(files[3]);  // third in the list now
  SeenBox gone;
  ModalScript failed;
  failed.Then(ClickButton(IDOK, &gone));
  Command(IDM_RECENT_FIRST + 2, failed);
  EXPECT_EQ(gone.text, L"File open/create failed!");
  EXPECT_EQ(app().design.settings[100], 0x42);
  EXPECT_EQ(app().file_name, files[2].wstring());

  // A long path is labelled by its first 15 characters, "..." and its last 22.
  app().file_name = L"C:\\Projects\\Warehouses\\Inventory\\Q700.TPX";
  win32::RememberFile(app());
  EXPECT_EQ(MenuItemText(app().popup, 12), L"&1:  C:\\Projects\\War...ses\\Inventory\\Q700.TPX");
}

TEST_F(CommandsTest, NewEditAboutAndExitRun) {
  Start();
  app().simulator.SimulatorKey(3);  // Utilities
  ASSERT_EQ(app().simulator.state(), EngineState::kUtilities);
  ModalScript edit;
  edit.Then(Cancel());  // the editor sheet
  Command(IDM_EDIT, edit);
  EXPECT_EQ(app().simulator.state(), EngineState::kMainMenu);
  app().design.settings[100] = 0x77;
  ModalScript new_design;
  new_design.Then(Cancel());  // not modified: no prompt, only the sheet
  Command(IDM_NEW, new_design);
  EXPECT_NE(app().design.settings[100], 0x77);
  EXPECT_EQ(app().simulator.state(), EngineState::kMainMenu);

  std::wstring title, texts;
  ModalScript about;
  about.Then([&](HWND box) {
    title = WindowText(box);
    texts = StaticTexts(box);
    SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  });
  Command(IDM_ABOUT, about);
  EXPECT_NE(texts.find(L"3.63"), std::wstring::npos);
  EXPECT_NE(texts.find(L"https://www.mirdanto.example/q700"), std::wstring::npos);
  EXPECT_NE(texts.find(L"support@mirdanto.example"), std::wstring::npos);

  // The accelerator table carries the shortcuts of the menu.
  HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), L"TPQ700");
  ACCEL keys[8] = {};
  const int n = CopyAcceleratorTableW(table, keys, 8);
  EXPECT_EQ(n, 5);

  Command(IDM_EXIT);
  EXPECT_FALSE(IsWindow(app().main_window));
}

}  // namespace
}  // namespace q700::test
