// The Client window: painting the terminal, key presses, dragging, pop-up menu and clock tick.
#include "simulator/win32/client_window.h"

#include <windowsx.h>

#include <vector>

#include "resources/resource.h"
#include "simulator/keypad.h"
#include "ui/win32/message_box.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {
namespace {

constexpr int kFirstBitmap = IDB_BODY;
constexpr POINT kAlphaIndicator = {176, 117};
constexpr POINT kClockBackground = {29, 126};
constexpr POINT kClockText = {29, 124};

POINT CursorCell(int column, int row) { return {kCellWidth * column + 29, 12 * row + 43}; }

// The mouse position of a message as a signed client coordinate: positions left of or above the
// screen's edge arrive as large unsigned values while the mouse is captured.
int SignedCoordinate(int value) { return value > 60000 ? value - 65536 : value; }

}  // namespace

bool ClientWindow::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW wc = {sizeof(wc)};
  if (GetClassInfoExW(instance, kClientClass, &wc)) return true;
  wc = {sizeof(wc)};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kClientClass;
  return RegisterClassExW(&wc) != 0;
}

HWND ClientWindow::Create(HWND main_window, HINSTANCE instance) {
  return CreateWindowExW(0, kClientClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, kTerminalWidth,
                         kTerminalHeight, main_window,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kClientId)), instance, this);
}

LRESULT CALLBACK ClientWindow::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<ClientWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<ClientWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  const LRESULT result = self->Handle(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

LRESULT ClientWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(SignedCoordinate(LOWORD(lparam)), SignedCoordinate(HIWORD(lparam)));
      return 0;
    case WM_LBUTTONDOWN:
      OnLeftDown(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
      return 0;
    case WM_LBUTTONUP:
      OnLeftUp();
      return 0;
    case WM_RBUTTONDOWN: {
      POINT at = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      ClientToScreen(hwnd_, &at);
      OpenPopupMenu(at);
      return 0;
    }
    case WM_TIMER:
      if (wparam == kClockTimer) OnTimer();
      return 0;
    case WM_CAPTURECHANGED:
      OnCaptureLost();
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

bool ClientWindow::OnCreate() {
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
  for (size_t i = 0; i < bitmaps_.size(); ++i) {
    bitmaps_[i].Reset(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(kFirstBitmap + static_cast<int>(i)), IMAGE_BITMAP, 0,
                   0, LR_DEFAULTCOLOR)));
  }
  SetTimer(hwnd_, kClockTimer, kClockPeriodMs, nullptr);
  font_.Reset(CreateFontW(16, 8, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                          FIXED_PITCH | FF_MODERN, L"System"));
  return true;
}

void ClientWindow::OnDestroy() {
  KillTimer(hwnd_, kClockTimer);
  for (Bitmap& bitmap : bitmaps_) bitmap.Reset();
  font_.Reset();
}

void ClientWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  // Drawn off screen first so a repaint does not flicker through the body picture.
  Bitmap buffer(CreateCompatibleBitmap(dc, kTerminalWidth, kTerminalHeight));
  {
    MemoryDc memory(dc, buffer.get());
    Paint(memory.get());
    BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, memory.get(), ps.rcPaint.left, ps.rcPaint.top,
           SRCCOPY);
  }
  EndPaint(hwnd_, &ps);
}

void ClientWindow::Paint(HDC dc) {
  DrawBitmap(dc, IDB_BODY, 0, 0);
  for (int key = 1; key <= kKeyCount; ++key) {
    const Point at = KeyPicture(key);
    const bool held = key_down_ && key == pressed_key_;
    DrawBitmap(dc, (held ? IDB_KEY_PRESSED_FIRST : IDB_KEY_FIRST) + key - 1, at.x, at.y);
  }
  if (simulator_ == nullptr) return;
  const Simulator& sim = *simulator_;
  Selection font(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  if (sim.state() == EngineState::kForm) {
    const POINT cell = CursorCell(sim.cursor_column(), sim.cursor_row());
    DrawBitmap(dc, IDB_CURSOR, cell.x, cell.y);
  }
  if (sim.alpha_mode()) DrawBitmap(dc, IDB_ALPHA_ON, kAlphaIndicator.x, kAlphaIndicator.y);
  const int pitch = sim.wide_spacing() ? 17 : 12;
  for (int i = 0; i < kLcdLines; ++i) {
    const int y = kLcdTextY + pitch * i;
    if (i + 1 == sim.selected_line()) {
      DrawBitmap(dc, IDB_SELECTION_BAR, kLcdTextX, y + 2);
      SetTextColor(dc, RGB(255, 255, 255));
      DrawLcdText(dc, kLcdTextX, y, sim.lcd_line(i));
      SetTextColor(dc, RGB(0, 0, 0));
    } else {
      SetTextColor(dc, RGB(0, 0, 0));
      DrawLcdText(dc, kLcdTextX, y, sim.lcd_line(i));
    }
  }
  if (const char letter = sim.pending_letter(); letter != 0 && sim.state() == EngineState::kForm) {
    const POINT cell = CursorCell(sim.cursor_column(), sim.cursor_row());
    DrawBitmap(dc, IDB_CURSOR, cell.x, cell.y);
    DrawLcdText(dc, cell.x, cell.y - 1, std::string(1, letter));
  }
  if (sim.state() == EngineState::kMainMenu) DrawClockLine(dc);
}

void ClientWindow::DrawBitmap(HDC dc, int id, int x, int y) {
  const size_t index = static_cast<size_t>(id - kFirstBitmap);
  if (index >= bitmaps_.size() || !bitmaps_[index]) return;
  BITMAP info{};
  GetObjectW(bitmaps_[index].get(), sizeof(info), &info);
  MemoryDc memory(dc, bitmaps_[index].get());
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory.get(), 0, 0, SRCCOPY);
}

void ClientWindow::DrawLcdText(HDC dc, int x, int y, const std::string& text) {
  const std::wstring wide = FromAnsi(text);
  if (wide.empty()) return;
  // One character per LCD cell, whatever the widths of the font the system gave us.
  const std::vector<INT> advances(wide.size(), kCellWidth);
  ExtTextOutW(dc, x, y, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()), advances.data());
}

void ClientWindow::DrawClockLine(HDC dc) {
  DrawBitmap(dc, IDB_CLOCK_BACKGROUND, kClockBackground.x, kClockBackground.y);
  Selection font(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  DrawLcdText(dc, kClockText.x, kClockText.y, simulator_->ClockLine());
}

void ClientWindow::OnLeftDown(int x, int y) {
  SetCapture(hwnd_);
  const int key = HitTestKey(x, y);
  if (key != 0) {
    key_down_ = true;
    pressed_key_ = key;
    const Point at = KeyPicture(key);
    {
      WindowDc dc(hwnd_);
      DrawBitmap(dc.get(), IDB_KEY_PRESSED_FIRST + key - 1, at.x, at.y);
    }
    if (simulator_ != nullptr) {
      const bool was_alpha = simulator_->alpha_mode();
      simulator_->PressKey(key);
      if (was_alpha != simulator_->alpha_mode() && simulator_->state() == EngineState::kForm) {
        WindowDc dc(hwnd_);
        DrawBitmap(dc.get(), was_alpha ? IDB_ALPHA_OFF : IDB_ALPHA_ON, kAlphaIndicator.x,
                   kAlphaIndicator.y);
      }
    }
    return;
  }
  HWND main = GetParent(hwnd_);
  GetWindowRect(main, &window_at_start_);
  drag_start_ = {x, y};
  ClientToScreen(hwnd_, &drag_start_);
  frame_ = window_at_start_;
  dragging_ = true;
  DrawDragFrame();
}

void ClientWindow::OnMouseMove(int x, int y) {
  if (!dragging_ || key_down_) return;
  POINT at = {x, y};
  ClientToScreen(hwnd_, &at);
  DrawDragFrame();
  frame_ = window_at_start_;
  OffsetRect(&frame_, at.x - drag_start_.x, at.y - drag_start_.y);
  DrawDragFrame();
}

void ClientWindow::OnLeftUp() {
  const int key = key_down_ ? pressed_key_ : 0;
  if (key != 0) {
    const Point at = KeyPicture(key);
    WindowDc dc(hwnd_);
    DrawBitmap(dc.get(), IDB_KEY_FIRST + key - 1, at.x, at.y);
  } else if (dragging_) {
    DrawDragFrame();
    HWND main = GetParent(hwnd_);
    MoveWindow(main, frame_.left, frame_.top, frame_.right - frame_.left,
               frame_.bottom - frame_.top, TRUE);
    ShowWindow(main, SW_SHOW);
  }
  key_down_ = false;
  dragging_ = false;
  pressed_key_ = 0;
  if (GetCapture() == hwnd_) ReleaseCapture();
  if (key == kKeyMenu) {
    const Point corner = KeyPicture(kKeyMenu);
    POINT at = {corner.x, corner.y};
    ClientToScreen(hwnd_, &at);
    OpenPopupMenu(at);
  }
}

void ClientWindow::OnCaptureLost() {
  // Another window took the mouse in the middle of a press or a drag (a message box, the task
  // switcher): put the key up and take the frame off the screen.
  if (key_down_) {
    const Point at = KeyPicture(pressed_key_);
    WindowDc dc(hwnd_);
    DrawBitmap(dc.get(), IDB_KEY_FIRST + pressed_key_ - 1, at.x, at.y);
  } else if (dragging_) {
    DrawDragFrame();
  }
  key_down_ = false;
  dragging_ = false;
  pressed_key_ = 0;
}

void ClientWindow::OpenPopupMenu(POINT screen) {
  if (popup_ == nullptr) return;
  HWND main = GetParent(hwnd_);
  // The menu closes properly on a click elsewhere only when its owner is in the foreground.
  SetForegroundWindow(main);
  TrackPopupMenu(popup_, TPM_LEFTALIGN | TPM_LEFTBUTTON, screen.x, screen.y, 0, main, nullptr);
  PostMessageW(main, WM_NULL, 0, 0);
}

void ClientWindow::OnTimer() {
  if (simulator_ == nullptr) return;
  simulator_->Tick();
  if (simulator_->state() != EngineState::kMainMenu) return;
  WindowDc dc(hwnd_);
  DrawClockLine(dc.get());
}

void ClientWindow::DrawDragFrame() {
  WindowDc screen(nullptr);
  HDC dc = screen.get();
  const int old_mode = SetROP2(dc, R2_NOT);
  POINT old_position;
  MoveToEx(dc, frame_.left - 1, frame_.top - 1, &old_position);
  LineTo(dc, frame_.left - 1, frame_.bottom);
  LineTo(dc, frame_.right, frame_.bottom);
  LineTo(dc, frame_.right, frame_.top - 1);
  LineTo(dc, frame_.left - 1, frame_.top - 1);
  MoveToEx(dc, old_position.x, old_position.y, nullptr);
  SetROP2(dc, old_mode);
}

void ClientWindow::RedrawLcd() {
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, &kLcdRect, FALSE);
}

void ClientWindow::RedrawLcdLine(int row) {
  if (hwnd_ == nullptr) return;
  const RECT line = {28, 42 + 12 * row, 182, 59 + 12 * row};
  InvalidateRect(hwnd_, &line, FALSE);
}

void ClientWindow::RedrawMainMenuArea() {
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, &kMainMenuRect, FALSE);
}

void ClientWindow::DrawPendingLetter(int column, int row, char letter) {
  if (hwnd_ == nullptr) return;
  WindowDc dc(hwnd_);
  const POINT cell = CursorCell(column, row);
  DrawBitmap(dc.get(), IDB_CURSOR, cell.x, cell.y);
  Selection font(dc.get(), font_.get());
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), RGB(0, 0, 0));
  DrawLcdText(dc.get(), cell.x, cell.y - 1, std::string(1, letter));
}

void ClientWindow::ShowMessage(const Message& message) { ShowMessageBox(hwnd_, texts_, message); }

void ClientWindow::PostNewCommand() {
  if (hwnd_ == nullptr) return;
  PostMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(IDM_NEW, 0), 0);
  if (key_down_) {
    const Point at = KeyPicture(pressed_key_);
    const RECT key = {at.x, at.y, at.x + 60, at.y + 40};
    InvalidateRect(hwnd_, &key, FALSE);
  }
  key_down_ = false;
  pressed_key_ = 0;
  if (GetCapture() == hwnd_) ReleaseCapture();
}

}  // namespace q700::win32
