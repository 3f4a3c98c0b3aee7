// Pictures of the editor's pages and dialogs with a small design of their own: the Form page and
// the key sequence picker, the Menu, Lookup and Startup pages, the Settings page's dialogs and the
// Code ID dialog.
#include "gui/gui_test_support.h"
#include "gui/sheet_pages.h"
#include "model/form_record.h"
#include "model/lookup_record.h"
#include "model/menu_record.h"
#include "model/settings_block.h"
#include "resources/dialogs/barcode_ids.h"
#include "resources/dialogs/form_ids.h"
#include "resources/dialogs/pages_ids.h"
#include "resources/dialogs/settings_ids.h"
#include "scenes.h"

namespace q700::pictures {
namespace {

using namespace gui_test;
using namespace settings_offset;

class EditorPictures : public EditorTest {
 protected:
  EditorPictures() {
    FormRecord form = FormAt(design_, 0);
    const struct {
      FieldType type;
      const char* prompt;
      uint8_t source;
      uint8_t min;
      uint8_t max;
      uint8_t lookup;
    } lines[] = {
        {kTypeText, "Article:", 0, 1, 13, 1},        {kTypeInteger, "Quantity:", 1, 1, 5, 0},
        {kTypeReal, "Price:", 1, 1, 8, 0},           {kTypeLookup, "Description", 0, 0, 0, 2},
        {kTypeBoolean, "Damaged (Y/N)", 1, 1, 1, 0},
    };
    for (int i = 0; i < 5; ++i) {
      form.type(i) = lines[i].type;
      SetSlotText(form.prompt(i), lines[i].prompt);
      form.input_source(i) = lines[i].source;
      form.min_length(i) = lines[i].min;
      form.max_length(i) = lines[i].max;
      form.lookup_column(i) = lines[i].lookup;
    }
    form.at(form_offset::kLookupFile) = 1;
    form.record_action() = 6;  // save & output record
    form.next_target() = 21;   // back to the error form
    form.at(form_offset::kErrorTarget) = 3;
    form.line(form_offset::kPrefixFlag, 0) = 1;
    form.prefix(0)[0] = 'A';
    form.prefix(0)[1] = 15;  // F1

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

    design_.settings[kCodeIdFlag] = 1;
  }
};

TEST_F(EditorPictures, FormPageAndKeySequencePicker) {
  RunSheet([&](HWND sheet, HWND page) {
    Take(sheet, "form-page");
    driver_.Expect([&](HWND properties) {
      driver_.Expect([&](HWND picker) {
        HWND grid = GetDlgItem(picker, IDC_GRID);
        // "Enter" is refused; "F2" is added to the stored "A F1".
        ClickCode(grid, 16, 13);
        ClickCode(grid, 16, 16);
        Take(picker, "key-sequence-picker");
        Click(picker, IDCANCEL);
      });
      ClickAt(GetDlgItem(properties, IDC_FIELD_PREFIX_BOX), 4, 4);
      Click(properties, IDCANCEL);
    });
    Click(page, IDC_LINE_MORE + 1);
    PressCancel(sheet);
  });
}

TEST_F(EditorPictures, PagesAndDialogs) {
  RunSheet([&](HWND sheet, HWND) {
    ShowPage(sheet, L"Menu");
    Take(sheet, "menu-page");
    ShowPage(sheet, L"Lookup");
    Take(sheet, "lookup-page");
    HWND settings = ShowPage(sheet, L"Settings");
    driver_.Expect([&](HWND dialog) {
      Take(dialog, "security-dialog");
      Click(dialog, IDCANCEL);
    });
    Click(settings, IDC_SETTINGS_SECURITY);
    driver_.Expect([&](HWND dialog) {
      Click(dialog, IDC_AC_CONTROL_CHARS);
      Take(dialog, "acoustic-coupler-dialog");
      Click(dialog, IDCANCEL);
    });
    Click(settings, IDC_SETTINGS_COUPLER);
    driver_.Expect([&](HWND dialog) {
      Click(dialog, IDC_FNKEY_ENABLE);
      Take(dialog, "function-key-dialog");
      Click(dialog, IDCANCEL);
    });
    Click(settings, IDC_SETTINGS_FUNCTION_KEYS);
    HWND startup = ShowPage(sheet, L"Startup");
    Choose(startup, IDC_STARTUP_GROUP, 1);  // Utilities
    Take(sheet, "startup-page");
    HWND barcode = ShowPage(sheet, L"Barcode");
    driver_.Expect([&](HWND dialog) {
      Click(dialog, IDC_CODE_ID_SET + 4);
      Take(dialog, "code-id-dialog");
      Click(dialog, IDCANCEL);
    });
    Click(barcode, IDC_BARCODE_CODE_ID);
    PressCancel(sheet);
  });
}

}  // namespace
}  // namespace q700::pictures
