// The Menu, Lookup, Settings and Startup pages and the Settings dialogs relabelled from an active
// language.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "gui_test_support.h"
#include "resources/dialogs/pages_ids.h"
#include "resources/dialogs/settings_ids.h"
#include "sheet_pages.h"
#include "ui/win32/dialog_handler.h"
#include "ui/win32/text_convert.h"

namespace q700::gui_test {
namespace {

class PageRelabelTest : public EditorTest {
 protected:
  PageRelabelTest() {
    const std::pair<int, const char*> labels[] = {{201, "Menue"},
                                                  {202, "Name des Menues :"},
                                                  {251, "Nachschlagen"},
                                                  {264, "Max. Laenge"},
                                                  {269, "Nur Trennzeichen!"},
                                                  {1795, "Loeschen wenn leer"},
                                                  {601, "Einstellungen"},
                                                  {603, "1.  Sendeport"},
                                                  {633, "8.  Tastenklick"},
                                                  {636, "Sicherheit ..."},
                                                  {615, "Sicherheitspruefung"},
                                                  {638, "Tastenklick"},
                                                  {641, "Akustikkoppler"},
                                                  {651, "Blockweise senden"},
                                                  {681, "Funktionstasten"},
                                                  {683, "Funktion 1 :"},
                                                  {701, "Start"},
                                                  {707, "Grosse Schrift"},
                                                  {1218, "Gut"},
                                                  {1219, "Abbruch"}};
    for (const auto& [id, text] : labels) texts_.language().Set(id, text);
    texts_.set_language_active(true);
  }
};

TEST_F(PageRelabelTest, PagesAndDialogsTakeTheLanguageTexts) {
  RunSheet([&](HWND sheet, HWND) {
    const std::vector<std::wstring> titles = TabTitles(sheet);
    EXPECT_EQ(titles[1], L"Menue");
    EXPECT_EQ(titles[2], L"Nachschlagen");
    EXPECT_EQ(titles[titles.size() - 2], L"Einstellungen");
    EXPECT_EQ(titles.back(), L"Start");

    HWND menu = ShowPage(sheet, L"Menue");
    EXPECT_EQ(Text(menu, IDC_MENU_NAME_LABEL), L"Name des Menues :");
    EXPECT_EQ(Text(menu, IDC_MENU_FONT_LABEL), L"Font :");

    HWND lookup = ShowPage(sheet, L"Nachschlagen");
    EXPECT_EQ(Text(lookup, IDC_LOOKUPS_NOTE), L"Nur Trennzeichen!");
    EXPECT_EQ(Text(lookup, IDC_LOOKUPS_DELETE_EMPTY), L"Loeschen wenn leer");
    EXPECT_EQ(Text(lookup, IDC_LOOKUPS_LENGTH_HEADING), L"Max. Laenge");  // a tab-delimited file

    HWND settings = ShowPage(sheet, L"Einstellungen");
    EXPECT_EQ(Text(settings, IDC_SETTINGS_UPLOAD_LABEL), L"1.  Sendeport");
    EXPECT_EQ(Text(settings, IDC_SETTINGS_KEY_CLICK_LABEL), L"8.  Tastenklick");
    // Labels that are texts too fall back to the string table, which caches them.
    EXPECT_EQ(Text(settings, IDC_SETTINGS_GOOD_READ_LABEL), L"9.  Barcode Good Read");
    EXPECT_EQ(texts_.language().Get(634), "9.  Barcode Good Read");
    EXPECT_EQ(Text(settings, IDC_SETTINGS_SECURITY), L"Sicherheit ...");

    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Sicherheit ...");  // the Security button's text
      EXPECT_EQ(Text(dialog, IDC_SECURITY_GROUP), L"Sicherheitspruefung");
      EXPECT_EQ(Text(dialog, IDC_SECURITY_FLAG + 13), L"Tastenklick");
      EXPECT_EQ(Text(dialog, IDC_SECURITY_FLAG + 14), L"Barcode Good Read");
      EXPECT_EQ(Text(dialog, IDOK), L"Gut");
      Click(dialog, IDCANCEL);
    });
    Click(settings, IDC_SETTINGS_SECURITY);
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Akustikkoppler");
      EXPECT_EQ(Text(dialog, IDC_AC_BLOCK), L"Blockweise senden");
      EXPECT_EQ(Text(dialog, IDCANCEL), L"Abbruch");
      Click(dialog, IDCANCEL);
    });
    Click(settings, IDC_SETTINGS_COUPLER);
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Funktionstasten");
      EXPECT_EQ(Text(dialog, IDC_FNKEY_LABEL + 1), L"Funktion 1 :");
      EXPECT_EQ(Text(dialog, IDC_FNKEY_LABEL + 2), L"Function 2 (FN+2)  :");
      Click(dialog, IDCANCEL);
    });
    Click(settings, IDC_SETTINGS_FUNCTION_KEYS);

    HWND startup = ShowPage(sheet, L"Start");
    EXPECT_EQ(Text(startup, IDC_STARTUP_LARGE_FONT), L"Grosse Schrift");
    PressCancel(sheet);
  });
}

}  // namespace
}  // namespace q700::gui_test
