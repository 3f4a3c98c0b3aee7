// Helpers of the in-process GUI tests.
#include "gui/gui_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace q700::test {
namespace {

ModalScript* g_script = nullptr;

std::string ToNarrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow.push_back(c < 128 ? static_cast<char>(c) : '?');
  return narrow;
}

std::wstring WindowClass(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

struct Search {
  const std::vector<HWND>* handled;
  HWND found = nullptr;
};

BOOL CALLBACK FindModal(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  const std::wstring name = WindowClass(window);
  if (name != L"#32770" && name != L"#32768") return TRUE;
  if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
  if (std::find(search->handled->begin(), search->handled->end(), window) !=
      search->handled->end()) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

}  // namespace

void ModalScript::Run(const std::function<void()>& action) {
  ModalScript* outer = g_script;
  g_script = this;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, OnTimer);
  action();
  KillTimer(nullptr, timer);
  g_script = outer;
  EXPECT_EQ(steps_.size(), 0u) << "modal windows expected but not shown";
}

void CALLBACK ModalScript::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_script != nullptr) g_script->Poll();
}

void ModalScript::Poll() {
  handled_.erase(
      std::remove_if(handled_.begin(), handled_.end(), [](HWND w) { return !IsWindow(w); }),
      handled_.end());
  Search search{&handled_};
  EnumThreadWindows(GetCurrentThreadId(), FindModal, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return;
  handled_.push_back(search.found);
  if (steps_.empty()) {
    // Nobody expected it: close it so that a failing test does not hang.
    ADD_FAILURE() << "unexpected modal window \"" << ToNarrow(WindowText(search.found)) << "\"";
    Cancel()(search.found);
    return;
  }
  Step step = std::move(steps_.front());
  steps_.pop_front();
  step(search.found);
}

std::wstring WindowText(HWND window) {
  const int n = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  GetWindowTextW(window, text.data(), n + 1);
  text.resize(static_cast<size_t>(n));
  return text;
}

std::wstring StaticTexts(HWND window) {
  std::wstring all;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (WindowClass(child) == L"Static") all += WindowText(child);
  }
  return all;
}

ModalScript::Step ClickButton(int id, SeenBox* seen) {
  return [id, seen](HWND box) {
    if (seen != nullptr) *seen = {WindowText(box), StaticTexts(box)};
    HWND button = GetDlgItem(box, id);
    EXPECT_NE(button, nullptr) << "no button " << id;
    if (button != nullptr) {
      SendMessageW(button, BM_CLICK, 0, 0);
    } else {
      SendMessageW(box, WM_COMMAND, IDCANCEL, 0);
    }
  };
}

ModalScript::Step TypeFileName(const std::wstring& name) {
  return [name](HWND dialog) {
    // The file name box of the explorer-style dialogs: an edit or a combo box.
    for (int id : {0x47c, 0x480}) {
      if (HWND box = GetDlgItem(dialog, id); box != nullptr) SetWindowTextW(box, name.c_str());
    }
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  };
}

ModalScript::Step Cancel() {
  return [](HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == L"#32768") {
      EndMenu();
    } else {
      PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    }
  };
}

std::wstring MenuItemText(HMENU menu, int position) {
  wchar_t text[300] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 300, MF_BYPOSITION);
  return text;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace q700::test
