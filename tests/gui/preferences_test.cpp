// The Preferences dialog's controls reaching its rules (tested natively in tests/app), and
// languages relabelling the dialog, the pop-up menu and the save prompt.
#include <fstream>

#include "gui/program_fixture.h"
#include "resources/resource.h"

namespace q700::test {
namespace {

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteText(const std::filesystem::path& path, std::string_view text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << text;
}

int Selection(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

// Chooses a row as a user would: the selection and its notification.
void Choose(HWND dialog, int id, int row) {
  SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class PreferencesTest : public ProgramTest {
 protected:
  // The message that the dialog shows first when the system has no serial port.
  void AnswerNoPorts(ModalScript& script) {
    Preferences probe;
    if (EnumeratePorts(*app().ports, probe) == 0) script.Then(ClickButton(IDOK));
  }
};

TEST_F(PreferencesTest, ShowsTheFileAndWritesTheChangesOnOk) {
  // Serial-SPP down, IrDA up, 19200 bps, auto-preload off, on top, built-in language.
  WriteText(PrefsPath(), "Unknow\r2\r1\r1\r3\r0\r1\r0\r0\r");
  Start();
  EXPECT_NE(GetWindowLongW(app().main_window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  ModalScript script;
  AnswerNoPorts(script);
  std::wstring title;
  int download = -1, receive = -1, baud = -1, language = -1;
  UINT preload = 9, on_top = 9;
  BOOL language_enabled = TRUE;
  script.Then([&](HWND dialog) {
    title = WindowText(dialog);
    download = Selection(dialog, IDC_PREF_DOWNLOAD);
    receive = Selection(dialog, IDC_PREF_RECEIVE);
    baud = Selection(dialog, IDC_PREF_BAUD);
    language = Selection(dialog, IDC_PREF_LANGUAGE);
    preload = IsDlgButtonChecked(dialog, IDC_PREF_AUTO_PRELOAD);
    on_top = IsDlgButtonChecked(dialog, IDC_PREF_ON_TOP);
    language_enabled = IsWindowEnabled(GetDlgItem(dialog, IDC_PREF_LANGUAGE));
    Choose(dialog, IDC_PREF_DOWNLOAD, 0);
    Choose(dialog, IDC_PREF_RECEIVE, 2);
    Choose(dialog, IDC_PREF_BAUD, 4);
    SendMessageW(GetDlgItem(dialog, IDC_PREF_AUTO_PRELOAD), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(dialog, IDC_PREF_ON_TOP), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  });
  Command(IDM_PREFERENCES, script);
  EXPECT_EQ(title, L"TPQ700 Preferences");
  EXPECT_EQ(download, 2);
  EXPECT_EQ(receive, 1);
  EXPECT_EQ(baud, 3);
  EXPECT_EQ(preload, static_cast<UINT>(BST_UNCHECKED));
  EXPECT_EQ(on_top, static_cast<UINT>(BST_CHECKED));
  EXPECT_EQ(language, 0);          // "Default <English>"
  EXPECT_FALSE(language_enabled);  // no language files

  const std::string file = ReadText(PrefsPath());
  const std::string expected = "Unknow\r0\r2\r1\r4\r1\r0\r0\r";
  EXPECT_EQ(file.substr(0, expected.size()), expected);
  EXPECT_EQ(app().prefs.baud_rate, 4);
  EXPECT_EQ(app().prefs.auto_preload, 1);
  // Not on top any more, still at its place with its size.
  EXPECT_EQ(GetWindowLongW(app().main_window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  RECT frame{};
  GetWindowRect(app().main_window, &frame);
  EXPECT_EQ(frame.right - frame.left, 210);
  EXPECT_EQ(frame.bottom - frame.top, 464);
}

TEST_F(PreferencesTest, CancelChangesNothing) {
  WriteText(PrefsPath(), "Unknow\r2\r1\r1\r3\r0\r0\r0\r0\r");
  Start();
  const std::string before = ReadText(PrefsPath());
  ModalScript script;
  AnswerNoPorts(script);
  script.Then([&](HWND dialog) {
    Choose(dialog, IDC_PREF_DOWNLOAD, 0);
    SendMessageW(GetDlgItem(dialog, IDC_PREF_ON_TOP), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  });
  Command(IDM_PREFERENCES, script);
  EXPECT_EQ(ReadText(PrefsPath()), before);
  EXPECT_EQ(app().prefs.download_via, 2);
  EXPECT_EQ(app().prefs.always_on_top, 0);
}

TEST_F(PreferencesTest, ALanguageRelabelsTheMenuAndDefaultEnglishRestoresIt) {
  WriteText(dir().path() / "program" / "Deutsch.lng",
            "Deutsch\r\n1=Q700 Generator\r\n11=Einstellungen\r\n1101=&Neu\tStrg+N\r\n"
            // The file is in the ANSI code page: \xD6 is an O with diaeresis.
            "1102=\xD6&ffnen...\tStrg+O\r\n1111=&Beenden\r\n1131=Programm speichern?\r\n");
  WriteText(PrefsPath(), "Unknow\r0\r0\r1\r0\r0\r0\rDeutsch\r0\r");
  Start();
  ASSERT_TRUE(app().texts.language_active());
  EXPECT_EQ(MenuItemText(app().popup, 0), L"&Neu\tStrg+N");
  EXPECT_EQ(MenuItemText(app().popup, 1), L"\u00D6&ffnen...\tStrg+O");
  EXPECT_EQ(MenuItemText(app().popup, 2), L"&Save\tCtrl+S");  // no entry: the resource text
  EXPECT_EQ(MenuItemText(app().popup, 13), L"&Beenden");

  // The save prompt takes its caption and text from the language.
  app().modified = true;
  SeenBox prompt;
  ModalScript ask;
  ask.Then(ClickButton(IDCANCEL, &prompt));
  Command(IDM_NEW, ask);
  EXPECT_EQ(prompt.caption, L"Q700 Generator");
  EXPECT_EQ(prompt.text, L"Programm speichern?");
  app().modified = false;

  // The dialog lists the language, selected; choosing "Default <English>" writes "0".
  ModalScript script;
  AnswerNoPorts(script);
  std::wstring title;
  int selected = -1;
  script.Then([&](HWND dialog) {
    title = WindowText(dialog);
    selected = Selection(dialog, IDC_PREF_LANGUAGE);
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_PREF_LANGUAGE, CB_GETCOUNT, 0, 0), 2);
    Choose(dialog, IDC_PREF_LANGUAGE, 0);
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  });
  Command(IDM_PREFERENCES, script);
  EXPECT_EQ(title, L"Einstellungen");
  EXPECT_EQ(selected, 1);
  EXPECT_FALSE(app().texts.language_active());
  EXPECT_EQ(app().prefs.language, "0");
  EXPECT_NE(ReadText(PrefsPath()).find("\r0\r0\r0\r0\r"), std::string::npos);
  EXPECT_EQ(MenuItemText(app().popup, 0), L"&New\tCtrl+N");
  EXPECT_EQ(MenuItemText(app().popup, 13), L"E&xit\tAlt+F4");
}

TEST_F(PreferencesTest, DetectCradleShowsWhatTheDetectionFound) {
  Start();
  ModalScript script;
  AnswerNoPorts(script);
  SeenBox seen;
  script.Then([&](HWND dialog) {
    // The detection's message box opens inside the click; it is the next step.
    SendMessageW(GetDlgItem(dialog, IDC_PREF_DETECT), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  });
  script.Then(ClickButton(IDOK, &seen));
  Command(IDM_PREFERENCES, script);
  EXPECT_EQ(seen.caption, L"Detecting Result");
  EXPECT_EQ(seen.text, L"Cradle is not available!! ");
}

}  // namespace
}  // namespace q700::test
