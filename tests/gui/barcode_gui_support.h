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
#include "sheet_pages.h"

namespace q700::gui_test {

inline unsigned Bits(uint8_t byte, int low, int width) {
  return (byte >> low) & ((1u << width) - 1u);
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
