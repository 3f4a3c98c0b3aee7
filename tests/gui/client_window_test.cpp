// The Client window on the running program: pictured keys drive the simulator, other points drag
// the window, the right button and key 12 open the pop-up menu; and the link's windows.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <cwctype>

#include "app/win32/exchange_windows.h"
#include "gui/program_fixture.h"
#include "resources/resource.h"
#include "simulator/win32/client_window.h"

namespace q700::test {
namespace {

class ClientWindowTest : public ProgramTest {
 protected:
  HWND Client() { return GetDlgItem(app().main_window, win32::kClientId); }
  void Down(int x, int y) { SendMessageW(Client(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
  void Move(int x, int y) { SendMessageW(Client(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }
  void Up(int x, int y) { SendMessageW(Client(), WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
  void Click(int x, int y) {
    Down(x, y);
    Up(x, y);
  }
};

TEST_F(ClientWindowTest, PicturedKeysMoveTheSimulatorAndShowPressedWhileHeld) {
  Start();
  Simulator& sim = app().simulator;
  ASSERT_EQ(sim.state(), EngineState::kMainMenu);
  Down(150, 320);  // key 3
  EXPECT_EQ(app().client.pressed_key(), 3);
  EXPECT_EQ(sim.state(), EngineState::kUtilities);  // the key acts on button down
  Up(150, 320);
  EXPECT_EQ(app().client.pressed_key(), 0);
  EXPECT_FALSE(app().client.dragging());
  Click(50, 260);  // ESC
  EXPECT_EQ(sim.state(), EngineState::kMainMenu);
  EXPECT_EQ(sim.selected_line(), 3);
  // (24, 201) is on the left ENTER key; (100, 278) lies between up and down and hits nothing.
  Click(24, 201);
  EXPECT_EQ(sim.state(), EngineState::kUtilities);
  Down(100, 278);
  EXPECT_EQ(app().client.pressed_key(), 0);
  EXPECT_TRUE(app().client.dragging());
  Up(100, 278);
  EXPECT_EQ(sim.state(), EngineState::kUtilities);
  // Losing the mouse in the middle of a press puts the key up.
  Down(50, 320);
  EXPECT_EQ(app().client.pressed_key(), 1);
  ReleaseCapture();
  EXPECT_EQ(app().client.pressed_key(), 0);
  PumpMessages();
}

TEST_F(ClientWindowTest, DraggingMovesTheWindowAlsoPastTheScreenEdge) {
  Start();
  Down(10, 10);
  Move(30, 25);
  Up(30, 25);
  RECT frame{};
  GetWindowRect(app().main_window, &frame);
  EXPECT_EQ(frame.left, 320);
  EXPECT_EQ(frame.top, 65);
  EXPECT_EQ(frame.right - frame.left, 210);
  // A captured mouse left of the screen arrives as a large unsigned coordinate.
  Down(10, 10);
  Move(65536 - 400, 10);
  Up(65536 - 400, 10);
  GetWindowRect(app().main_window, &frame);
  EXPECT_EQ(frame.left, 320 - 410);
  EXPECT_EQ(frame.top, 65);
}

TEST_F(ClientWindowTest, RightButtonAndKey12OpenThePopupMenu) {
  Start();
  int menus = 0;
  ModalScript right;
  right.Then([&](HWND menu) {
    ++menus;
    Cancel()(menu);
  });
  right.Run([&] { SendMessageW(Client(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 100)); });
  EXPECT_EQ(menus, 1);

  // Key 12 opens the menu on release, and a command chosen in it reaches the main window.
  ModalScript key12;
  key12.Then([&](HWND menu) {
    ++menus;
    EndMenu();
    (void)menu;
  });
  key12.Run([&] {
    Down(150, 415);
    EXPECT_EQ(menus, 1) << "not on button down";
    Up(150, 415);
  });
  EXPECT_EQ(menus, 2);
  EXPECT_EQ(app().simulator.state(), EngineState::kMainMenu);
}

TEST_F(ClientWindowTest, CollectWithNothingToRunWarnsAndStartsANewDesign) {
  Start();
  // The settings start from form 1, which a new design leaves empty.
  SeenBox warning;
  ModalScript script;
  script.Then(ClickButton(IDOK, &warning)).Then(Cancel());  // the message, then New's sheet
  script.Run([&] {
    Down(50, 320);   // key 1: Collect
    PumpMessages();  // the posted New
  });
  EXPECT_EQ(warning.caption, L"No executable program");
  EXPECT_EQ(warning.text, L"Please define your program!");
  EXPECT_EQ(app().client.pressed_key(), 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

class LinkWindowsTest : public ::testing::Test {
 protected:
  TextLoader texts_;
  win32::Win32LinkUi ui_{GetModuleHandleW(nullptr), texts_};
};

TEST_F(LinkWindowsTest, ProgressWindowIsTopmostWithItsBar) {
  ui_.OpenProgress();
  HWND window = ui_.progress_window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowText(window), L"Progress");
  EXPECT_EQ(WindowText(GetDlgItem(window, IDC_PROGRESS_LABEL)), L"Downloading...");
  EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  HWND bar = GetDlgItem(window, IDC_PROGRESS_BAR);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 0);
  ui_.SetProgress(57);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 57);
  ui_.SetProgress(105);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 100);
  ui_.CloseProgress();
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(LinkWindowsTest, ReceiveCountIsDrawnOnTheScreenAndTakenAway) {
  EXPECT_EQ(win32::ReceiveCountText(texts_, 12), L"Data received : 12");
  HDC screen = GetDC(nullptr);
  ui_.ShowReceiveCount(0, 0);
  const RECT box = ui_.receive_box();
  ASSERT_EQ(box.bottom - box.top, 40);
  const int cx = (box.left + box.right) / 2;
  const int cy = (box.top + box.bottom) / 2;
  EXPECT_LT(std::abs((box.left + box.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 2);
  const COLORREF corner_before = GetPixel(screen, box.left + 3, box.top + 3);
  ui_.ShowReceiveCount(1, 7);
  EXPECT_EQ(GetPixel(screen, box.left + 3, box.top + 3), RGB(255, 255, 100));
  EXPECT_EQ(GetPixel(screen, box.left, cy), RGB(0, 0, 0));  // the frame
  (void)cx;
  ui_.ShowReceiveCount(2, 7);
  EXPECT_EQ(GetPixel(screen, box.left + 3, box.top + 3), corner_before);
  ReleaseDC(nullptr, screen);
}

TEST_F(LinkWindowsTest, OutputFileDialogAddsTheTextExtension) {
  TempDir dir;
  ModalScript script;
  script.Then(TypeFileName((dir.path() / "records").wstring()));
  std::optional<std::filesystem::path> chosen;
  script.Run([&] { chosen = ui_.ChooseFile(FileChoice::kOutputFile, {}); });
  ASSERT_TRUE(chosen.has_value());
  // The dialog adds the default extension; the system chooses its letter case.
  std::wstring name = chosen->filename().wstring();
  for (wchar_t& c : name) c = static_cast<wchar_t>(towlower(c));
  EXPECT_EQ(name, L"records.txt");
}

}  // namespace
}  // namespace q700::test
