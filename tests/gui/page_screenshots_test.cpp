// The pictures of the documentation of the Menu, Lookup, Settings and Startup pages and of the
// Settings page's dialogs, with a small sample design. They are saved only when
// Q700_SCREENSHOT_DIR is set (scripts/screenshots.sh).
#include "gui_test_support.h"
#include "model/lookup_record.h"
#include "model/menu_record.h"
#include "model/settings_block.h"
#include "resources/dialogs/pages_ids.h"
#include "resources/dialogs/settings_ids.h"
#include "sheet_pages.h"

namespace q700::gui_test {
namespace {

using namespace settings_offset;

class PageScreenshots : public EditorTest {
 protected:
  PageScreenshots() {
    MenuRecord menu = MenuAt(design_, 0);
    menu.caption_flag() = 1;
    SetSlotText(menu.caption(), "Stock taking");
    const char* items[] = {"1.Receive", "2.Issue", "3.Count", "4.Prices"};
    for (int k = 0; k < 4; ++k) {
      SetSlotText(menu.item_text(k), items[k]);
      menu.item_target(k) = static_cast<uint8_t>(k + 1);
    }
    menu.save_item() = 1;
    menu.pass_down() = 1;

    LookupRecord articles = LookupAt(design_, 0);
    articles.delimiter() = 0;
    articles.member_length() = 30;
    articles.field_count() = 3;
    const uint8_t lengths[] = {13, 15, 2};
    for (int k = 0; k < 3; ++k) articles.field_length(k) = lengths[k];
    articles.field_offset(1) = 14;
    articles.field_offset(2) = 29;

    design_.settings[kUploadPort] = kUploadModem;
    SetSlotText(Bytes(design_.settings).subspan(kUploadPhone, kPhoneSize), "0049301234567");
    design_.settings[kDownloadPort] = 1;  // IrDA
  }
};

TEST_F(PageScreenshots, PagesAndSettingsDialogs) {
  RunSheet([&](HWND sheet, HWND) {
    ShowPage(sheet, L"Menu");
    SaveScreenshot(sheet, "menu-page");
    ShowPage(sheet, L"Lookup");
    SaveScreenshot(sheet, "lookup-page");
    HWND settings = ShowPage(sheet, L"Settings");
    SaveScreenshot(sheet, "settings-page");
    driver_.Expect([&](HWND dialog) {
      SaveScreenshot(dialog, "security-dialog");
      Click(dialog, IDCANCEL);
    });
    Click(settings, IDC_SETTINGS_SECURITY);
    driver_.Expect([&](HWND dialog) {
      Click(dialog, IDC_AC_CONTROL_CHARS);
      SaveScreenshot(dialog, "acoustic-coupler-dialog");
      Click(dialog, IDCANCEL);
    });
    Click(settings, IDC_SETTINGS_COUPLER);
    driver_.Expect([&](HWND dialog) {
      Click(dialog, IDC_FNKEY_ENABLE);
      SaveScreenshot(dialog, "function-key-dialog");
      Click(dialog, IDCANCEL);
    });
    Click(settings, IDC_SETTINGS_FUNCTION_KEYS);
    HWND startup = ShowPage(sheet, L"Startup");
    Choose(startup, IDC_STARTUP_GROUP, 1);  // Utilities
    SaveScreenshot(sheet, "startup-page");
    PressCancel(sheet);
  });
}

}  // namespace
}  // namespace q700::gui_test
