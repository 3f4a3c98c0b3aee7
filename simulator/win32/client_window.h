// The Client window: the terminal picture inside the borderless main window. It draws the body,
// the keys and the simulator's LCD, turns clicks on the pictured keys into key presses, drags the
// main window by any other point, opens the pop-up menu, and runs the 100-ms clock tick.
#pragma once

#include <windows.h>

#include <array>

#include "simulator/engine.h"
#include "texts/text_loader.h"
#include "ui/win32/gdi.h"

namespace q700::win32 {

inline constexpr wchar_t kClientClass[] = L"Client";
inline constexpr int kClientId = 100;
inline constexpr int kTerminalWidth = 210;
inline constexpr int kTerminalHeight = 464;
inline constexpr UINT kClockTimer = 1;
inline constexpr UINT kClockPeriodMs = 100;

// LCD geometry: the rectangles the engine asks to repaint and where text is drawn.
inline constexpr RECT kLcdRect = {28, 42, 182, 141};
inline constexpr RECT kMainMenuRect = {28, 42, 182, 124};
inline constexpr int kLcdTextX = 29;
inline constexpr int kLcdTextY = 42;
inline constexpr int kCellWidth = 9;

class ClientWindow final : public SimulatorHost {
 public:
  explicit ClientWindow(TextLoader& texts) : texts_(texts) {}
  ClientWindow(const ClientWindow&) = delete;
  ClientWindow& operator=(const ClientWindow&) = delete;

  // The engine it draws and drives; set before the window is created.
  void set_simulator(Simulator* simulator) { simulator_ = simulator; }
  // The pop-up menu that key 12 and the right button open, owned by the main window.
  void set_popup_menu(HMENU menu) { popup_ = menu; }

  static bool RegisterWindowClass(HINSTANCE instance);
  // Creates the window over the whole main window, child id 100.
  HWND Create(HWND main_window, HINSTANCE instance);
  HWND hwnd() const { return hwnd_; }

  // SimulatorHost
  void RedrawLcd() override;
  void RedrawLcdLine(int row) override;
  void RedrawMainMenuArea() override;
  void DrawPendingLetter(int column, int row, char letter) override;
  void ShowMessage(const Message& message) override;
  void PostNewCommand() override;

  // The key being held down with the left button, 0 when none.
  int pressed_key() const { return key_down_ ? pressed_key_ : 0; }
  bool dragging() const { return dragging_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

  bool OnCreate();
  void OnDestroy();
  void OnPaint();
  void OnLeftDown(int x, int y);
  void OnMouseMove(int x, int y);
  void OnLeftUp();
  void OnTimer();
  void OnCaptureLost();
  void OpenPopupMenu(POINT screen);

  void Paint(HDC dc);
  void DrawBitmap(HDC dc, int id, int x, int y);
  void DrawLcdText(HDC dc, int x, int y, const std::string& text);
  void DrawClockLine(HDC dc);
  void DrawDragFrame();

  TextLoader& texts_;
  Simulator* simulator_ = nullptr;
  HMENU popup_ = nullptr;
  HWND hwnd_ = nullptr;

  std::array<Bitmap, 46> bitmaps_;  // ids 500 to 545
  Font font_;

  int pressed_key_ = 0;
  bool key_down_ = false;
  bool dragging_ = false;
  RECT window_at_start_{};
  POINT drag_start_{};
  RECT frame_{};
};

}  // namespace q700::win32
