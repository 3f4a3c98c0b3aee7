// In-process driving of dialogs for the GUI tests.
#include "gui_test_support.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/defaults.h"

namespace q700::gui_test {
namespace {

constexpr UINT kRunScript = WM_APP + 0x3A7;
constexpr UINT_PTR kSubclassId = 0x5C;

ModalDriver* active_driver = nullptr;

LRESULT CALLBACK ScriptSubclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                DWORD_PTR data) {
  if (message == kRunScript) {
    auto* script = reinterpret_cast<Script*>(data);
    RemoveWindowSubclass(window, ScriptSubclass, kSubclassId);
    (*script)(window);
    delete script;
    // A script that left its dialog open failed; closing it keeps the test from hanging.
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return 0;
  }
  if (message == WM_NCDESTROY) {
    delete reinterpret_cast<Script*>(data);
    RemoveWindowSubclass(window, ScriptSubclass, kSubclassId);
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

void RunInside(HWND dialog, Script script) {
  SetWindowSubclass(dialog, ScriptSubclass, kSubclassId,
                    reinterpret_cast<DWORD_PTR>(new Script(std::move(script))));
  PostMessageW(dialog, kRunScript, 0, 0);
}

}  // namespace

ModalDriver::ModalDriver() {
  active_driver = this;
  hook_ = SetWindowsHookExW(WH_CALLWNDPROCRET, HookProc, nullptr, GetCurrentThreadId());
}

ModalDriver::~ModalDriver() {
  UnhookWindowsHookEx(hook_);
  active_driver = nullptr;
  EXPECT_TRUE(scripts_.empty()) << scripts_.size() << " expected dialog(s) never opened";
  EXPECT_EQ(unexpected_, 0) << "dialogs opened that no test expected";
}

void ModalDriver::Expect(Script script) { scripts_.push_back(std::move(script)); }

void ModalDriver::Drive(HWND dialog, Script script) {
  claimed_.push_back(dialog);
  if (claimed_.size() > 16) claimed_.pop_front();
  RunInside(dialog, std::move(script));
}

LRESULT CALLBACK ModalDriver::HookProc(int code, WPARAM wparam, LPARAM lparam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lparam);
  if (code == HC_ACTION && call->message == WM_INITDIALOG && active_driver != nullptr) {
    active_driver->DialogCreated(call->hwnd);
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

void ModalDriver::DialogCreated(HWND dialog) {
  if ((GetWindowLongW(dialog, GWL_STYLE) & WS_CHILD) != 0) return;  // property pages
  for (HWND claimed : claimed_) {
    if (claimed == dialog) return;
  }
  if (scripts_.empty()) {
    ++unexpected_;
    ADD_FAILURE() << "unexpected dialog \"" << testing::PrintToString(WindowText(dialog)) << "\"";
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  Script script = std::move(scripts_.front());
  scripts_.pop_front();
  Drive(dialog, std::move(script));
}

void Type(HWND dialog, int id, const std::wstring& text) {
  SetDlgItemTextW(dialog, id, text.c_str());
}

void KeyIn(HWND dialog, int id, const std::wstring& keys) {
  HWND box = GetDlgItem(dialog, id);
  SendMessageW(box, EM_SETSEL, 0, -1);  // the first key replaces the whole text
  for (wchar_t key : keys) SendMessageW(box, WM_CHAR, key, 1);
}

void Choose(HWND dialog, int id, int position) {
  HWND list = GetDlgItem(dialog, id);
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void Click(HWND dialog, int id) { SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); }

void ClickAt(HWND window, int x, int y) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring Text(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

int Selection(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

int ItemCount(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCOUNT, 0, 0));
}

std::wstring ItemAt(HWND dialog, int id, int position) {
  const auto length = SendDlgItemMessageW(dialog, id, CB_GETLBTEXTLEN, position, 0);
  if (length < 0) return L"<none>";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendDlgItemMessageW(dialog, id, CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

std::wstring MessageBoxText(HWND box) {
  std::wstring longest;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t class_name[32] = {};
    GetClassNameW(child, class_name, 32);
    std::wstring text = WindowText(child);
    if (_wcsicmp(class_name, L"Static") == 0 && text.size() > longest.size()) longest = text;
  }
  return longest;
}

POINT CodeCentre(HWND grid, int columns, int code) {
  RECT client;
  GetClientRect(grid, &client);
  const int width = client.right / (columns + 1);
  const int height = client.bottom / 17;
  return {(code / 16 + 1) * width + width / 2, (code % 16 + 1) * height + height / 2};
}

void ClickCode(HWND grid, int columns, int code) {
  const POINT p = CodeCentre(grid, columns, code);
  ClickAt(grid, p.x, p.y);
}

void ShowNow(HWND dialog) {
  ShowWindow(dialog, SW_SHOWNORMAL);
  RedrawWindow(dialog, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

COLORREF PixelAt(HWND window, int x, int y) {
  UpdateWindow(window);
  HDC dc = GetDC(window);
  const COLORREF color = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return color;
}

EditorTest::EditorTest() {
  RefillTerminalTexts(texts_, defaults_);
  ResetDesign(design_, defaults_);
}

bool EditorTest::RunSheet(const std::function<void(HWND sheet, HWND page)>& script) {
  bool ran = false;
  const bool ok = win32::OpenEditor(nullptr, context_, [&](HWND sheet) {
    driver_.Drive(sheet, [&](HWND s) {
      ran = true;
      script(s, PropSheet_GetCurrentPageHwnd(s));
    });
  });
  EXPECT_TRUE(ran) << "the editor sheet did not run";
  return ok;
}

void EditorTest::PressOk(HWND sheet) { PropSheet_PressButton(sheet, PSBTN_OK); }

void EditorTest::PressCancel(HWND sheet) { PropSheet_PressButton(sheet, PSBTN_CANCEL); }

}  // namespace q700::gui_test
