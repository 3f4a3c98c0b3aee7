// Start-up and message loop of the Windows program.
#include "shell/win32/program.h"

#include "resources/resource.h"

namespace q700::win32 {
namespace {

constexpr wchar_t kMainClass[] = L"TPQ700";

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      HBITMAP body = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BODY));
      HDC mem = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(mem, body);
      BitBlt(dc, 0, 0, 210, 464, mem, 0, 0, SRCCOPY);
      SelectObject(mem, old);
      DeleteDC(mem);
      DeleteObject(body);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_RBUTTONUP:
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

int RunProgram(HINSTANCE instance, int show) {
  WNDCLASSEXW wc = {sizeof(wc)};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = MainWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, L"TPQ700");
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kMainClass;
  if (!RegisterClassExW(&wc)) return 0;
  HWND hwnd = CreateWindowExW(0, kMainClass, L"Генератор Приложений",
                              WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, 300, 50, 210, 464, nullptr,
                              nullptr, instance, nullptr);
  if (hwnd == nullptr) return 0;
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

}  // namespace q700::win32
