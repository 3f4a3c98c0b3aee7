// The pictures of the user guide, taken while the program does what the guide describes: the
// stock-taking sample opened from the samples folder into the editor and run on the terminal, an
// application download and a receive through the program's own windows against the virtual
// terminal, and the program in Russian.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
// clang-format on

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gui/gui_test_support.h"
#include "gui/program_fixture.h"
#include "gui/sheet_pages.h"
#include "link/download.h"
#include "link/receive.h"
#include "model/project_file.h"
#include "resources/dialogs/form_ids.h"
#include "resources/resource.h"
#include "scenes.h"
#include "support/forwarding_port.h"
#include "support/virtual_terminal_link.h"

namespace q700::pictures {
namespace {

using test::Cancel;
using test::ClickButton;
using test::ModalScript;
using test::SeenBox;
using test::TypeFileName;
using test::VirtualTerminalLink;
using test::WindowText;

// The middle of each pictured key that the guide presses, in the Client window.
POINT KeyCentre(int key) {
  static const std::map<int, POINT> kCentres = {
      {1, {53, 323}},   {2, {106, 323}}, {3, {156, 323}}, {4, {55, 354}},  {5, {106, 354}},
      {6, {155, 354}},  {7, {57, 384}},  {8, {106, 384}}, {9, {154, 384}}, {10, {59, 415}},
      {11, {106, 415}}, {17, {52, 261}}, {19, {44, 218}},
  };
  return kCentres.at(key);
}

constexpr int kAlpha = 10;
constexpr int kEsc = 17;
constexpr int kEnter = 19;

class GuidePictures : public test::ProgramTest {
 protected:
  HWND Client() { return GetDlgItem(app().main_window, 100); }

  void Press(int key) {
    const POINT p = KeyCentre(key);
    gui_test::ClickAt(Client(), p.x, p.y);
  }
  // Digits typed on the keypad; "0" is key 11.
  void TypeDigits(const std::string& digits) {
    for (char c : digits) Press(c == '0' ? 11 : c - '0');
  }

  std::wstring Lcd(int row) {
    const std::string& line = app().simulator.lcd_line(row);
    return std::wstring(line.begin(), line.end());
  }
};

TEST_F(GuidePictures, TheStockSampleInTheEditorAndOnTheTerminal) {
  Start();
  // The pop-up menu, opened with a right click on the terminal.
  ModalScript menu;
  menu.Then([](HWND popup) {
    Take(popup, "popup-menu");
    Cancel()(popup);
  });
  menu.Run([&] {
    SendMessageW(Client(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(105, 20));
    SendMessageW(Client(), WM_RBUTTONUP, 0, MAKELPARAM(105, 20));
  });

  // Open: the file dialog, then the editor sheet over the sample as it lies in its folder.
  const std::filesystem::path stock = Sample("STOCK.TPX");
  std::wstring count_prompt, caption;
  ModalScript open;
  open.Then(TypeFileName(stock.wstring()));
  open.Then([&](HWND sheet) {
    caption = WindowText(sheet);
    HWND form = PropSheet_GetCurrentPageHwnd(sheet);
    gui_test::Choose(form, IDC_FORM_NAME, 1);  // form 2, the count
    count_prompt = gui_test::Text(form, IDC_LINE_PROMPT + 2);
    Take(sheet, "stock-form-page");
    // The steps after this one answer the two dialogs.
    gui_test::Click(form, IDC_LINE_MORE + 4);    // "Qty:", fixed length 5, filled with 0
    gui_test::Click(form, IDC_FORM_TIME_STAMP);  // date and time, two fields
    gui_test::ShowPage(sheet, L"Menu");
    Take(sheet, "stock-menu-page");
    gui_test::ShowPage(sheet, L"Lookup");
    Take(sheet, "stock-lookup-page");
    gui_test::ShowPage(sheet, L"Barcode");
    Take(sheet, "barcode-page");
    gui_test::ShowPage(sheet, L"Settings");
    Take(sheet, "settings-page");
    gui_test::ShowPage(sheet, L"Startup");
    Take(sheet, "stock-startup-page");
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
  open.Then([](HWND properties) {
    Take(properties, "field-properties");
    Cancel()(properties);
  });
  open.Then([](HWND stamp) {
    Take(stamp, "stock-time-stamp");
    Cancel()(stamp);
  });
  Command(IDM_OPEN, open);
  EXPECT_NE(caption.find(L"- [ " + stock.wstring() + L" ]"), std::wstring::npos) << "sheet caption";
  EXPECT_EQ(count_prompt, L"Item:");

  // Collect: the sample starts on its menu.
  Press(kEnter);
  Take(app().main_window, "stock-menu");
  EXPECT_EQ(Lcd(0), L"STOCK TAKING");
  EXPECT_EQ(Lcd(1), L"1.Count");

  // 1.Count: shelf A12 (A by multi-tap, ended by the alpha key), then an article and a
  // quantity being typed on the count form, under the shelf passed down from the first form.
  Press(1);
  Press(kAlpha);
  Press(2);
  Press(kAlpha);
  TypeDigits("12");
  Press(kEnter);
  TypeDigits("4006381333931");
  Press(kEnter);
  TypeDigits("12");
  Take(app().main_window, "stock-count-form");
  EXPECT_EQ(Lcd(0).rfind(L"Loc:A12,", 0), 0u) << "the shelf passed down: " << Lcd(0).size();
  EXPECT_EQ(Lcd(3), L"Qty:12");
  Press(kEsc);
}

// A port of the virtual terminal's line that calls `on_write` with the number of each write of
// the program, so that a picture can be taken in the middle of an exchange.
class CountingPorts final : public PortSystem {
 public:
  CountingPorts(PortSystem& inner, std::function<void(int)> on_write)
      : inner_(inner), on_write_(std::move(on_write)) {}
  EntryStatus ReadEntry(size_t position, PortEntry* entry) override {
    return inner_.ReadEntry(position, entry);
  }
  std::string DeviceName(std::string_view name) override { return inner_.DeviceName(name); }
  std::unique_ptr<SerialPort> Open(const std::string& name) override {
    std::unique_ptr<SerialPort> port = inner_.Open(name);
    if (port == nullptr) return nullptr;
    return std::make_unique<Port>(*this, std::move(port));
  }
  int writes = 0;

 private:
  class Port final : public test::ForwardingPort {
   public:
    Port(CountingPorts& owner, std::unique_ptr<SerialPort> inner)
        : ForwardingPort(std::move(inner)), owner_(owner) {}
    IoResult Write(ConstBytes data, uint32_t timeout_ms) override {
      owner_.on_write_(++owner_.writes);
      return inner_->Write(data, timeout_ms);
    }

   private:
    CountingPorts& owner_;
  };

  PortSystem& inner_;
  std::function<void(int)> on_write_;
};

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(GuidePictures, DownloadAndReceiveThroughTheProgramsWindows) {
  Start();
  ASSERT_TRUE(ReadProjectFile(Sample("STOCK.TPX"), app().design, app().texts));

  TerminalConfig config;
  config.store = dir().path() / "store";
  std::filesystem::create_directories(config.store);
  for (int i = 1; i <= 12; ++i) {
    config.records.push_back("40063813339" + std::to_string(10 + i) + ",000" +
                             std::to_string(10 + i) + ",2026/03/05,09:" + std::to_string(10 + i) +
                             ":30");
  }
  VirtualTerminalLink terminal(config);
  std::function<void(int)> snap = [](int) {};
  CountingPorts ports(terminal.ports, [&](int n) { snap(n); });
  Link link(ports, terminal.clock, terminal.prefs);

  // Half way through the 200 blocks, the progress window is up.
  bool progress_open = false;
  snap = [&](int n) {
    if (n != 100) return;
    HWND progress = app().link_ui.progress_window();
    progress_open = progress != nullptr && IsWindowVisible(progress);
    if (progress_open) Take(progress, "download-progress");
  };
  SeenBox done;
  ModalScript download;
  download.Then([&](HWND box) {
    Take(box, "download-done");
    ClickButton(IDOK, &done)(box);
  });
  bool downloaded = false;
  download.Run([&] {
    downloaded = DownloadToTerminal(link, app().link_ui, app().design, LinkRoute::kDirect,
                                    DownloadMode::kApplication);
  });
  EXPECT_TRUE(downloaded);
  EXPECT_TRUE(progress_open) << "no progress window during the blocks";
  EXPECT_EQ(app().link_ui.progress_window(), nullptr);
  EXPECT_EQ(done.text, L"Downloaded completely!");
  EXPECT_EQ(std::filesystem::file_size(config.store / "application.bin"), 20000u);

  // Receive Data: the count box while the records come, then the closing question.
  ports.writes = 0;
  snap = [&](int n) {
    if (n != 9) return;
    RECT box = app().link_ui.receive_box();
    InflateRect(&box, 4, 4);
    TakeArea(box, "receive-count");
  };
  const std::filesystem::path data = dir().path() / "counts.txt";
  SeenBox question;
  ModalScript receive;
  receive.Then(TypeFileName(data.wstring()));
  receive.Then([&](HWND box) {
    Take(box, "receive-done");
    ClickButton(IDNO, &question)(box);
  });
  int received = 0;
  receive.Run(
      [&] { received = ReceiveData(link, app().link_ui, app().texts, LinkRoute::kDirect).count; });
  EXPECT_EQ(received, 12);
  EXPECT_EQ(question.caption, L"Upload Data");
  std::string expected;
  for (const std::string& record : config.records) expected += record + "\r\n";
  EXPECT_EQ(ReadAll(data), expected);
}

// The program with the Russian language file of the samples chosen in the preferences. The file is
// in code page 1251, so these pictures need Wine's ANSI code page to be that one
// (scripts/screenshots.sh runs them so). Wine in that locale cannot reach Cyrillic file names on
// the Unix side: the program's copy has a plain name (the list shows the name on the file's first
// line).
class RussianPictures : public GuidePictures {};

TEST_F(RussianPictures, MainWindowMenuPreferencesAndFormPage) {
  if (GetACP() != 1251) GTEST_FAIL() << "needs Wine's ANSI code page 1251 (LC_ALL=ru_RU.UTF-8)";
  std::filesystem::create_directories(dir().path() / "program");
  std::filesystem::copy_file(LanguageFile(), dir().path() / "program" / "russian.lng");
  std::filesystem::create_directories(PrefsPath().parent_path());
  // The language name as the file's first line spells it, in code page 1251.
  std::ofstream(PrefsPath(), std::ios::binary)
      << "Unknow\r0\r0\r1\r0\r0\r0\r\xD0\xF3\xF1\xF1\xEA\xE8\xE9\r0\r";
  Start();
  ASSERT_TRUE(app().texts.language_active());
  Take(app().main_window, "russian-main-window");

  ModalScript menu;
  menu.Then([](HWND popup) {
    Take(popup, "russian-popup-menu");
    Cancel()(popup);
  });
  menu.Run([&] {
    SendMessageW(Client(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(105, 20));
    SendMessageW(Client(), WM_RBUTTONUP, 0, MAKELPARAM(105, 20));
  });
  EXPECT_NE(test::MenuItemText(app().popup, 8), L"&Download Application");

  ModalScript preferences;
  Preferences probe;
  if (EnumeratePorts(*app().ports, probe) == 0) preferences.Then(ClickButton(IDOK));
  preferences.Then([](HWND dialog) {
    Take(dialog, "russian-preferences");
    Cancel()(dialog);
  });
  Command(IDM_PREFERENCES, preferences);

  ModalScript edit;
  edit.Then([](HWND sheet) {
    Take(sheet, "russian-form-page");
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
  Command(IDM_EDIT, edit);
}

}  // namespace
}  // namespace q700::pictures
