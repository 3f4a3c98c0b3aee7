// Pictures of windows as 24-bit bitmap files (scripts/screenshots.sh turns them into PNG files).
#include "capture.h"

#include <cstdio>
#include <string>
#include <vector>

namespace q700::pictures {
namespace {

std::filesystem::path& Folder() {
  static std::filesystem::path folder;
  return folder;
}

// Lets the window and its children paint themselves on the screen.
void PaintNow(HWND window) {
  ShowWindow(window, SW_SHOWNORMAL);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const DWORD until = GetTickCount() + 400;
  while (GetTickCount() < until) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(20);
  }
}

bool WriteBitmap(const std::filesystem::path& path, HDC dc, HBITMAP bitmap, int width, int height) {
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<unsigned char> pixels(static_cast<size_t>(stride) * static_cast<size_t>(height));
  if (GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == 0) {
    return false;
  }
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (out == nullptr) return false;
  std::fwrite(&file, sizeof(file), 1, out);
  std::fwrite(&info, sizeof(info), 1, out);
  std::fwrite(pixels.data(), 1, pixels.size(), out);
  return std::fclose(out) == 0;
}

}  // namespace

void SetPictureFolder(const std::filesystem::path& folder) { Folder() = folder; }

bool SaveScreenshot(HWND window, const char* name) {
  PaintNow(window);
  RECT rect;
  GetWindowRect(window, &rect);
  return SaveScreenArea(rect, name);
}

bool SaveScreenArea(const RECT& rect, const char* name) {
  if (Folder().empty()) return false;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY | CAPTUREBLT);
  SelectObject(memory, old);
  const bool written =
      WriteBitmap(Folder() / (std::string(name) + ".bmp"), memory, bitmap, width, height);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return written;
}

}  // namespace q700::pictures
