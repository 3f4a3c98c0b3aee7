// The dialog templates as the program loads them show the texts the build read from the resource
// scripts, and the detail dialogs relabel from an active language.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "editor/label_texts.h"
#include "editor/win32/grid_control.h"
#include "gui_test_support.h"
#include "model/form_record.h"
#include "resources/dialog_texts.h"
#include "resources/dialogs/form_ids.h"
#include "ui/win32/dialog_handler.h"
#include "ui/win32/text_convert.h"

namespace q700::gui_test {
namespace {

INT_PTR CALLBACK InertDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

// The English labels that the tool lists and the tests compare with are the ones the program's
// own templates show.
TEST(DialogTemplates, ShowTheTextsTheBuildReadFromThem) {
  INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&init);
  win32::RegisterGridClass();
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
  for (const LabelTable* table : editor::EditorLabelTables()) {
    const std::string name(table->dialog);
    HWND dialog = CreateDialogParamW(win32::ResourceModule(), win32::FromUtf8(name).c_str(), parent,
                                     InertDialogProc, 0);
    ASSERT_NE(dialog, nullptr) << name;
    EXPECT_EQ(WindowText(dialog), win32::FromUtf8(TemplateTitle(name))) << name;
    for (const LabelRow& row : table->rows) {
      EXPECT_EQ(Text(dialog, row.control), win32::FromUtf8(TemplateText(name, row.control)))
          << "control " << row.control << " of " << name;
    }
    for (int button : {IDOK, IDCANCEL}) {
      if (GetDlgItem(dialog, button) != nullptr) {
        EXPECT_EQ(Text(dialog, button), win32::FromUtf8(TemplateText(name, button))) << name;
      }
    }
    DestroyWindow(dialog);
  }
  DestroyWindow(parent);
}

class DetailRelabelTest : public EditorTest {};

TEST_F(DetailRelabelTest, DetailDialogsTakeTheLanguageTexts) {
  texts_.language().Set(71, "Eigenschaften");
  texts_.language().Set(72, "Formular ");
  texts_.language().Set(74, "Feste Laenge");
  texts_.language().Set(1218, "Gut");
  texts_.language().Set(1219, "Abbruch");
  texts_.language().Set(123, "Datum : ");
  texts_.language().Set(133, "Leeren");
  texts_.set_language_active(true);
  FormAt(design_, 0).type(0) = kTypeText;
  RunSheet([&](HWND sheet, HWND page) {
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Eigenschaften");
      EXPECT_EQ(Text(dialog, IDC_FIELD_FORM_NUMBER), L"Formular 1");
      EXPECT_EQ(Text(dialog, IDC_FIELD_LINE_NUMBER), L"Line #1");
      EXPECT_EQ(Text(dialog, IDC_FIELD_FIXED_LENGTH), L"Feste Laenge");
      EXPECT_EQ(Text(dialog, IDC_FIELD_INITIAL), L"Initial value or text");
      EXPECT_EQ(Text(dialog, IDOK), L"Gut");
      EXPECT_EQ(Text(dialog, IDCANCEL), L"Abbruch");
      Click(dialog, IDC_FIELD_PREFIX);
      driver_.Expect([&](HWND picker) {
        EXPECT_EQ(Text(picker, IDC_GRID_CLEAR), L"Leeren");
        EXPECT_EQ(Text(picker, IDC_GRID_RESULT_LABEL), L"Resulting text :");
        Click(picker, IDCANCEL);
      });
      ClickAt(GetDlgItem(dialog, IDC_FIELD_PREFIX_BOX), 2, 2);
      Click(dialog, IDCANCEL);
    });
    Click(page, IDC_LINE_MORE + 1);
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(Text(dialog, IDC_STAMP_DATE_GROUP), L"Datum : YYYY/MM/DD");
      EXPECT_EQ(Text(dialog, IDC_STAMP_TIME_GROUP), L"Time Format : HH:MM:SS");
      Click(dialog, IDCANCEL);
    });
    Click(page, IDC_FORM_TIME_STAMP);
    PressCancel(sheet);
  });
}

}  // namespace
}  // namespace q700::gui_test
