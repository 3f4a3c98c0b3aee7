// The link's front end in the Windows program.
#include "app/win32/exchange_windows.h"

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "link/link_texts.h"
#include "resources/resource.h"
#include "texts/string_table.h"
#include "ui/win32/message_box.h"
#include "ui/win32/relabel.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {
namespace {

constexpr size_t kPathMax = 255;
constexpr COLORREF kBoxColour = RGB(255, 255, 100);
constexpr int kBoxHeight = 40;

// A text of the built-in string table: the filters of these dialogs do not follow the language.
std::wstring BuiltInText(int id) {
  const char* text = FindStringTableText(id);
  return text != nullptr ? FromAnsi(text) : std::wstring();
}

// Filter pairs joined with NULs and ended by two.
std::wstring Filter(std::initializer_list<int> ids) {
  std::wstring filter;
  for (int id : ids) {
    filter += BuiltInText(id);
    filter.push_back(L'\0');
  }
  filter.push_back(L'\0');
  return filter;
}

INT_PTR CALLBACK ProgressProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

std::wstring ReceiveCountText(TextLoader& texts, int count) {
  if (texts.language_active()) {
    return FromAnsi(texts.Load(kLanguageDataReceived, Slot::kMessage)) + L" " +
           std::to_wstring(count);
  }
  return L"Data received : " + std::to_wstring(count);
}

Win32LinkUi::~Win32LinkUi() {
  CloseProgress();
  ShowReceiveCount(2, 0);
}

Answer Win32LinkUi::Show(const Message& message) {
  return ShowMessageBox(nullptr, texts_, message);
}

std::optional<std::filesystem::path> Win32LinkUi::ChooseFile(FileChoice kind,
                                                             const std::filesystem::path& initial) {
  std::vector<wchar_t> name(kPathMax + 1, L'\0');
  if (kind == FileChoice::kLookupFile) {
    const std::wstring start = initial.wstring().substr(0, kPathMax);
    std::copy(start.begin(), start.end(), name.begin());
  }
  const bool lookup = kind == FileChoice::kLookupFile;
  const std::wstring filter = Filter(
      {lookup ? kFilterLookupFiles : kFilterDataFiles, kPatternText, kFilterAllFiles, kPatternAll});
  OPENFILENAMEW ofn = {sizeof(ofn)};
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrDefExt = L"TXT";
  ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;
  BOOL chosen;
  if (lookup) {
    ofn.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    chosen = GetOpenFileNameW(&ofn);
  } else {
    ofn.Flags |= OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    chosen = GetSaveFileNameW(&ofn);
  }
  if (!chosen) return std::nullopt;
  return std::filesystem::path(name.data());
}

void Win32LinkUi::OpenProgress() {
  CloseProgress();
  progress_ = CreateDialogParamW(instance_, L"ProgressDlg", GetActiveWindow(), ProgressProc, 0);
  if (progress_ == nullptr) return;
  RelabelWindow(progress_, texts_, kLanguageProgressTitle);
  RelabelWindow(GetDlgItem(progress_, IDC_PROGRESS_LABEL), texts_, kLanguageProgressLabel);
  SetWindowPos(progress_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  HWND bar = GetDlgItem(progress_, IDC_PROGRESS_BAR);
  SendMessageW(bar, PBM_SETPOS, 0, 0);
  SendMessageW(bar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  UpdateWindow(progress_);
}

void Win32LinkUi::SetProgress(int position) {
  if (progress_ == nullptr) return;
  HWND bar = GetDlgItem(progress_, IDC_PROGRESS_BAR);
  SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(position > 100 ? 100 : position), 0);
  // The exchange blocks the message loop; paint the bar now.
  UpdateWindow(bar);
}

void Win32LinkUi::CloseProgress() {
  if (progress_ == nullptr) return;
  DestroyWindow(progress_);
  progress_ = nullptr;
}

void Win32LinkUi::ShowReceiveCount(int stage, int count) {
  WindowDc screen(nullptr);
  HDC dc = screen.get();
  switch (stage) {
    case 0: {
      ShowReceiveCount(2, 0);
      const std::wstring widest =
          texts_.language_active()
              ? FromAnsi(texts_.Load(kLanguageDataReceived, Slot::kMessage)) + L" 0   "
              : std::wstring(L"Data received : 0   ");
      SIZE text{};
      GetTextExtentPoint32W(dc, widest.c_str(), static_cast<int>(widest.size()), &text);
      const int width = text.cx + 20;
      const int cx = GetSystemMetrics(SM_CXSCREEN) / 2;
      const int cy = GetSystemMetrics(SM_CYSCREEN) / 2;
      box_ = {cx - width / 2, cy - kBoxHeight / 2, cx - width / 2 + width,
              cy - kBoxHeight / 2 + kBoxHeight};
      saved_screen_.Reset(CreateCompatibleBitmap(dc, width, kBoxHeight));
      MemoryDc saved(dc, saved_screen_.get());
      BitBlt(saved.get(), 0, 0, width, kBoxHeight, dc, box_.left, box_.top, SRCCOPY);
      return;
    }
    case 1: {
      if (!saved_screen_) return;
      Brush yellow(CreateSolidBrush(kBoxColour));
      Selection brush(dc, yellow.get());
      Selection pen(dc, GetStockObject(BLACK_PEN));
      Rectangle(dc, box_.left, box_.top, box_.right, box_.bottom);
      std::wstring text = ReceiveCountText(texts_, count);
      if (text.size() > 80) text.resize(80);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(0, 0, 0));
      RECT inside = box_;
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inside,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      return;
    }
    default: {
      if (!saved_screen_) return;
      {
        MemoryDc saved(dc, saved_screen_.get());
        BitBlt(dc, box_.left, box_.top, box_.right - box_.left, box_.bottom - box_.top, saved.get(),
               0, 0, SRCCOPY);
      }
      saved_screen_.Reset();
      box_ = {};
      return;
    }
  }
}

void Win32LinkUi::ViewReceivedFile(const std::filesystem::path& path) {
  std::wstring command = L"notepad.exe " + path.wstring();
  STARTUPINFOW startup = {sizeof(startup)};
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

}  // namespace q700::win32
