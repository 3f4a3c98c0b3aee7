// Reaching the pages of the open editor sheet by their tab titles, as a user picks a tab.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
// The property sheet macros need the window types first.
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

namespace q700::gui_test {

// The tab titles of the sheet, in tab order.
inline std::vector<std::wstring> TabTitles(HWND sheet) {
  HWND tabs = PropSheet_GetTabControl(sheet);
  std::vector<std::wstring> titles;
  for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
    wchar_t text[64] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    TabCtrl_GetItem(tabs, i, &item);
    titles.emplace_back(text);
  }
  return titles;
}

// Selects the page whose tab reads `title`, as a click on its tab would, and returns its window;
// null (and a failure) when there is none.
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

}  // namespace q700::gui_test
