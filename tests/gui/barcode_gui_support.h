// What the tests of the Barcode page and its dialogs share: opening the sheet on the Barcode
// page, finding pages by their tab title, and reading bit fields of the design's bytes.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gui_test_support.h"

namespace q700::gui_test {

inline unsigned Bits(uint8_t byte, int low, int width) {
  return (byte >> low) & ((1u << width) - 1u);
}

inline std::vector<std::wstring> TabTitles(HWND sheet) {
  std::vector<std::wstring> titles;
  HWND tabs = PropSheet_GetTabControl(sheet);
  const int count = TabCtrl_GetItemCount(tabs);
  for (int i = 0; i < count; ++i) {
    wchar_t text[64] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    TabCtrl_GetItem(tabs, i, &item);
    titles.push_back(text);
  }
  return titles;
}

// Selects the page with the tab title `title` as a click on its tab would, and returns it.
inline HWND ShowPage(HWND sheet, const std::wstring& title) {
  const std::vector<std::wstring> titles = TabTitles(sheet);
  for (size_t i = 0; i < titles.size(); ++i) {
    if (titles[i] == title) {
      PropSheet_SetCurSel(sheet, nullptr, static_cast<int>(i));
      return PropSheet_GetCurrentPageHwnd(sheet);
    }
  }
  ADD_FAILURE() << "no page " << testing::PrintToString(title);
  return nullptr;
}

class BarcodeTest : public EditorTest {
 protected:
  // Opens the sheet on the Barcode page and runs `script` in it.
  bool RunBarcodePage(const std::function<void(HWND sheet, HWND page)>& script) {
    return RunSheet([&](HWND sheet, HWND) {
      HWND page = ShowPage(sheet, L"Barcode");
      if (page == nullptr) return PressCancel(sheet);
      script(sheet, page);
    });
  }
};

}  // namespace q700::gui_test
