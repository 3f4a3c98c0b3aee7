// The running program: the window that start-up makes, and each command of the pop-up menu
// reaching the program's workflow through the real dialogs (the rules themselves are tested
// natively in tests/app).
#include <fstream>

#include "gui/program_fixture.h"
#include "model/project_file.h"
#include "resources/resource.h"
#include "simulator/win32/client_window.h"

namespace q700::test {
namespace {

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

  // The accelerator table carries the shortcuts of the menu.
  HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), L"TPQ700");
  ACCEL keys[8] = {};
  EXPECT_EQ(CopyAcceleratorTableW(table, keys, 8), 5);
}

TEST_F(CommandsTest, SaveAsAndSaveWriteThroughTheSaveDialogAndTheMenuListsTheFile) {
  Start();
  // A typed extension keeps the dialog's own off the name; the program adds the project's.
  const std::filesystem::path typed = dir().path() / "shop.txt";
  ModalScript script;
  script.Then(TypeFileName(typed.wstring()));
  Command(IDM_SAVE_AS, script);
  const std::filesystem::path saved = dir().path() / "shop.txt.TPX";
  EXPECT_EQ(FileSize(saved), 18954u);
  EXPECT_EQ(app().file_name, saved);
  // The recent file is in the menu before About, with a separator, and in the preferences file.
  EXPECT_EQ(GetMenuItemCount(app().popup), 16);
  EXPECT_EQ(GetMenuItemID(app().popup, 12), static_cast<UINT>(IDM_RECENT_FIRST));
  const std::wstring item = MenuItemText(app().popup, 12);
  EXPECT_EQ(item.rfind(L"&1:  ", 0), 0u) << item;
  EXPECT_EQ(item.substr(item.size() - 12), L"shop.txt.TPX") << item;
  EXPECT_EQ(MenuItemText(app().popup, 14), L"A&bout...");
  EXPECT_NE(ReadText(PrefsPath()).find("shop.txt.TPX\r"), std::string::npos);

  std::filesystem::remove(saved);
  app().modified = true;
  Command(IDM_SAVE);
  EXPECT_EQ(FileSize(saved), 18954u);
  EXPECT_FALSE(app().modified);
}

TEST_F(CommandsTest, OpenNewAndEditRunTheEditorSheetAndARecentItemReopens) {
  Start();
  Design design = app().design;
  design.settings[100] = 0x33;
  const std::filesystem::path file = dir().path() / "Stock.TPX";
  ASSERT_TRUE(WriteProjectFile(file, design));

  // Open: the Open dialog, then the sheet whose caption names the file.
  ModalScript open;
  std::wstring sheet;
  open.Then(TypeFileName(file.wstring())).Then([&](HWND window) {
    sheet = WindowText(window);
    Cancel()(window);
  });
  Command(IDM_OPEN, open);
  EXPECT_EQ(sheet, L"Генератор Приложений - [ " + file.wstring() + L" ]");
  EXPECT_EQ(app().design.settings[100], 0x33);
  EXPECT_EQ(GetMenuItemID(app().popup, 12), static_cast<UINT>(IDM_RECENT_FIRST));

  // Edit: the sheet; the simulator is back on its main menu afterwards.
  app().simulator.SimulatorKey(3);  // Utilities
  ASSERT_EQ(app().simulator.state(), EngineState::kUtilities);
  ModalScript edit;
  edit.Then(Cancel());
  Command(IDM_EDIT, edit);
  EXPECT_EQ(app().simulator.state(), EngineState::kMainMenu);

  // New: a new design in the sheet, named "New file".
  ModalScript new_design;
  new_design.Then([&](HWND window) {
    sheet = WindowText(window);
    Cancel()(window);
  });
  Command(IDM_NEW, new_design);
  EXPECT_EQ(sheet, L"Генератор Приложений - [ New file ]");
  EXPECT_NE(app().design.settings[100], 0x33);

  // The recent item loads its file without a dialog; the menu keeps one item and its separator.
  Command(IDM_RECENT_FIRST);
  EXPECT_EQ(app().design.settings[100], 0x33);
  EXPECT_EQ(app().file_name, file);
  EXPECT_EQ(GetMenuItemCount(app().popup), 16);
}

TEST_F(CommandsTest, ClosingAModifiedDesignAsksInAMessageBox) {
  Start();
  app().modified = true;
  SeenBox seen;
  ModalScript cancel;
  cancel.Then(ClickButton(IDCANCEL, &seen));
  Command(IDM_EXIT, cancel);
  EXPECT_EQ(seen.caption, L"Zentakel's Q700 Application Generator");
  EXPECT_EQ(seen.text, L"Save current program ?");
  EXPECT_TRUE(IsWindow(app().main_window));

  ModalScript discard;
  discard.Then(ClickButton(IDNO));
  Command(IDM_EXIT, discard);
  EXPECT_FALSE(IsWindow(app().main_window));
}

TEST_F(CommandsTest, TheExchangeCommandsReachTheLinkAndShowItsMessages) {
  Start();
  // A port that no system has, so every exchange stops at opening it.
  app().link.port_override = "COM250";
  app().prefs.download_via = kViaSerialSpp;
  app().prefs.receive_via = kViaSerialSpp;
  SeenBox application;
  ModalScript download;
  download.Then(ClickButton(IDOK, &application));
  Command(IDM_DOWNLOAD_APPLICATION, download);
  EXPECT_EQ(application.caption, L"Error");
  EXPECT_EQ(application.text, L"Cannot open the COM port!");

  SeenBox lookup;
  ModalScript lookup_script;
  lookup_script.Then(TypeFileName(dir().Write("items.txt", "12\r\n").wstring()))
      .Then(ClickButton(IDOK, &lookup));
  Command(IDM_DOWNLOAD_LOOKUP, lookup_script);
  EXPECT_EQ(lookup.text, L"Cannot open the COM port!");

  SeenBox receive;
  ModalScript receive_script;
  receive_script.Then(TypeFileName((dir().path() / "data.txt").wstring()))
      .Then(ClickButton(IDOK, &receive));
  Command(IDM_RECEIVE_DATA, receive_script);
  EXPECT_EQ(receive.text, L"Cannot open the COM port!");
}

TEST_F(CommandsTest, AboutShowsTheVersionAndTheLinks) {
  Start();
  std::wstring texts;
  ModalScript about;
  about.Then([&](HWND box) {
    texts = StaticTexts(box);
    SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  });
  Command(IDM_ABOUT, about);
  EXPECT_NE(texts.find(L"3.63"), std::wstring::npos);
  EXPECT_NE(texts.find(L"https://www.mirdanto.example/q700"), std::wstring::npos);
  EXPECT_NE(texts.find(L"support@mirdanto.example"), std::wstring::npos);
}

}  // namespace
}  // namespace q700::test
