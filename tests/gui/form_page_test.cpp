// The editor sheet with its Form page, opened for real and driven through its controls.
#include "gui_test_support.h"

#include <commctrl.h>
#include <prsht.h>

#include "model/form_record.h"
#include "resources/dialogs/form_ids.h"

namespace q700::gui_test {
namespace {

using namespace form_offset;

class FormPageTest : public EditorTest {};

TEST_F(FormPageTest, SheetShowsItsCaptionTitleAndOnlyOkAndCancel) {
  std::wstring caption;
  std::wstring tab;
  bool apply_button = true;
  bool cancel_button = false;
  const bool ok = RunSheet([&](HWND sheet, HWND page) {
    caption = WindowText(sheet);
    TCITEMW item = {};
    wchar_t text[64] = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    TabCtrl_GetItem(PropSheet_GetTabControl(sheet), 0, &item);
    tab = text;
    HWND apply = GetDlgItem(sheet, 0x3021);  // the Apply button of a property sheet
    apply_button = apply != nullptr && IsWindowVisible(apply);
    cancel_button = IsWindowVisible(GetDlgItem(sheet, IDCANCEL)) != FALSE;
    EXPECT_EQ(Selection(page, IDC_FORM_NAME), 0);
    EXPECT_EQ(ItemAt(page, IDC_FORM_NAME, 9), L"form  10");
    PressCancel(sheet);
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(caption, L"Генератор Приложений - [ New file ]");
  EXPECT_EQ(tab, L"Form");
  EXPECT_FALSE(apply_button);
  EXPECT_TRUE(cancel_button);

  context_.file_name = L"C:\\Designs\\stock.TPX";
  RunSheet([&](HWND sheet, HWND) {
    caption = WindowText(sheet);
    PressCancel(sheet);
  });
  EXPECT_EQ(caption, L"Генератор Приложений - [ C:\\Designs\\stock.TPX ]");

  context_.file_name = L"Unknow";  // the name a design never saved may carry
  RunSheet([&](HWND sheet, HWND) {
    caption = WindowText(sheet);
    PressCancel(sheet);
  });
  EXPECT_EQ(caption, L"Генератор Приложений - [ New file ]");
}

TEST_F(FormPageTest, SheetIsModalOverItsOwner) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                               nullptr, nullptr, nullptr, nullptr);
  bool ran = false;
  win32::OpenEditor(owner, context_, [&](HWND sheet) {
    driver_.Drive(sheet, [&](HWND s) {
      ran = true;
      EXPECT_EQ(GetWindow(s, GW_OWNER), owner);
      EXPECT_FALSE(IsWindowEnabled(owner));
      PressOk(s);
    });
  });
  EXPECT_TRUE(ran);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(commits_, 1);
  DestroyWindow(owner);
}

TEST_F(FormPageTest, TypedValuesAreCorrectedAndCommittedOnOk) {
  const bool ok = RunSheet([&](HWND sheet, HWND page) {
    Choose(page, IDC_LINE_TYPE + 1, kTypeText);
    Type(page, IDC_LINE_PROMPT + 1, L"ABCDEFGHIJKLMNOPQ");
    EXPECT_EQ(Text(page, IDC_LINE_PROMPT + 1), L"ABCDEFGHIJKLMNOP");
    Type(page, IDC_LINE_MAX + 1, L"90");
    EXPECT_EQ(Text(page, IDC_LINE_MAX + 1), L"80");
    Type(page, IDC_LINE_MIN + 1, L"abc");
    EXPECT_EQ(Text(page, IDC_LINE_MIN + 1), L"0");
    Type(page, IDC_LINE_MIN + 1, L"5");
    Choose(page, IDC_LINE_SOURCE + 1, 0);  // reader
    Choose(page, IDC_FORM_NEXT, 21);       // "Beck to the error form"
    EXPECT_EQ(ItemAt(page, IDC_FORM_NEXT, 21), L"Beck to the error form");
    Choose(page, IDC_FORM_ERROR, 0);
    Choose(page, IDC_FORM_RECORD, 3);  // pass down
    Choose(page, IDC_FORM_LOOKUP, 2);
    Choose(page, IDC_FORM_ESCAPE, 13);  // menu 3
    PressOk(sheet);
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(commits_, 1);
  FormRecord form = FormAt(design_, 0);
  EXPECT_EQ(form.type(0), kTypeText);
  EXPECT_EQ(SlotText(form.prompt(0)), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(form.max_length(0), 80);
  EXPECT_EQ(form.min_length(0), 5);
  EXPECT_EQ(form.input_source(0), 0);
  EXPECT_EQ(form.next_target(), 21);
  EXPECT_EQ(form.at(kErrorTarget), 0);
  EXPECT_EQ(form.record_action(), 3);
  EXPECT_EQ(form.at(kLookupFile), 2);
  EXPECT_EQ(form.escape_target(), 13);
}

TEST_F(FormPageTest, CancelLeavesTheDesignAsItWas) {
  const Design before = design_;
  const bool ok = RunSheet([&](HWND sheet, HWND page) {
    Choose(page, IDC_LINE_TYPE + 2, kTypeInteger);
    Type(page, IDC_LINE_PROMPT + 2, L"Qty");
    Choose(page, IDC_FORM_FONT, 1);
    Choose(page, IDC_FORM_NAME, 4);
    Choose(page, IDC_LINE_TYPE + 1, kTypeLetter);
    PressCancel(sheet);
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(commits_, 0);
  EXPECT_TRUE(design_ == before);
}

TEST_F(FormPageTest, CloseBoxCancelsToo) {
  const Design before = design_;
  const bool ok = RunSheet([&](HWND sheet, HWND page) {
    Choose(page, IDC_LINE_TYPE + 1, kTypeText);
    SendMessageW(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(commits_, 0);
  EXPECT_TRUE(design_ == before);
}

TEST_F(FormPageTest, OkWithoutChangesStillCommits) {
  EXPECT_TRUE(RunSheet([](HWND sheet, HWND) { PressOk(sheet); }));
  EXPECT_EQ(commits_, 1);
}

TEST_F(FormPageTest, EachFormIsShownAndEditedOnItsOwn) {
  FormAt(design_, 2).type(0) = kTypeLetter;
  SetSlotText(FormAt(design_, 2).prompt(0), "Name");
  RunSheet([&](HWND sheet, HWND page) {
    Choose(page, IDC_FORM_NAME, 2);
    EXPECT_EQ(Selection(page, IDC_LINE_TYPE + 1), kTypeLetter);
    EXPECT_EQ(Text(page, IDC_LINE_PROMPT + 1), L"Name");
    EXPECT_EQ(Selection(page, IDC_FORM_NEXT), 3);  // a new design's form 3 goes on to form 3
    Type(page, IDC_LINE_PROMPT + 1, L"Article");
    Choose(page, IDC_FORM_NAME, 0);
    EXPECT_EQ(Selection(page, IDC_LINE_TYPE + 1), kTypeNil);
    EXPECT_EQ(Text(page, IDC_LINE_PROMPT + 1), L"");
    EXPECT_FALSE(Enabled(page, IDC_LINE_PROMPT + 1));
    PressOk(sheet);
  });
  EXPECT_EQ(SlotText(FormAt(design_, 2).prompt(0)), "Article");
}

TEST_F(FormPageTest, LineControlsFollowTheTypeAndTheFont) {
  FormRecord form = FormAt(design_, 0);
  form.type(0) = kTypeInteger;
  form.lookup_column(0) = 19;  // "+field 3"
  form.type(5) = kTypeText;
  SetSlotText(form.prompt(5), "Sixth");
  RunSheet([&](HWND sheet, HWND page) {
    EXPECT_EQ(ItemCount(page, IDC_LINE_LOOKUP + 1), 25);
    EXPECT_EQ(ItemAt(page, IDC_LINE_LOOKUP + 1, 19), L"+field 3");
    Choose(page, IDC_LINE_TYPE + 1, kTypeText);
    EXPECT_EQ(ItemCount(page, IDC_LINE_LOOKUP + 1), 9);
    EXPECT_EQ(Selection(page, IDC_LINE_LOOKUP + 1), 3);

    Choose(page, IDC_LINE_SOURCE + 2, 0);
    Choose(page, IDC_LINE_TYPE + 2, kTypePause);
    EXPECT_EQ(Selection(page, IDC_LINE_SOURCE + 2), 1);  // keypad
    EXPECT_TRUE(Enabled(page, IDC_LINE_SOURCE + 2));
    EXPECT_TRUE(Enabled(page, IDC_LINE_PROMPT + 2));
    EXPECT_FALSE(Enabled(page, IDC_LINE_MORE + 2));
    EXPECT_FALSE(Enabled(page, IDC_LINE_MAX + 2));

    Choose(page, IDC_FORM_FONT, 1);
    for (int column : {IDC_LINE_TYPE, IDC_LINE_PROMPT, IDC_LINE_SOURCE, IDC_LINE_MIN, IDC_LINE_MAX,
                       IDC_LINE_LOOKUP, IDC_LINE_MORE}) {
      EXPECT_FALSE(Enabled(page, column + 6)) << column;
      EXPECT_TRUE(Enabled(page, column + 1) || column == IDC_LINE_MORE) << column;
    }
    EXPECT_EQ(Text(page, IDC_LINE_PROMPT + 6), L"Sixth");
    Type(page, IDC_LINE_PROMPT + 1, L"ABCDEFGHIJKLM");
    EXPECT_EQ(Text(page, IDC_LINE_PROMPT + 1), L"ABCDEFGHIJKL");
    PressOk(sheet);
  });
  form = FormAt(design_, 0);
  EXPECT_EQ(form.font_size(), 1);
  EXPECT_EQ(form.lookup_column(0), 3);
  EXPECT_EQ(form.type(1), kTypePause);
  EXPECT_EQ(form.input_source(1), 1);
  EXPECT_EQ(form.type(5), kTypeNil);  // the large font has four lines
  EXPECT_EQ(SlotText(form.prompt(0)), "ABCDEFGHIJKL");
}

TEST_F(FormPageTest, ActiveLanguageRelabelsThePageAndTheCaption) {
  texts_.language().Set(2, "Designer");
  texts_.language().Set(3, "Untitled");
  texts_.language().Set(51, "Formular");
  texts_.language().Set(52, "Nom :");
  texts_.language().Set(69, "plus...");
  texts_.language().Set(1214, "Formular ");
  texts_.language().Set(1218, "Gut");
  texts_.set_language_active(true);
  std::wstring caption;
  RunSheet([&](HWND sheet, HWND page) {
    caption = WindowText(sheet);
    EXPECT_EQ(Text(page, IDC_FORM_NAME_LABEL), L"Nom :");
    EXPECT_EQ(Text(page, IDC_LINE_MORE + 8), L"plus...");
    EXPECT_EQ(Text(page, IDC_FORM_FONT_LABEL), L"Font :");  // no entry: the built-in text
    EXPECT_EQ(ItemAt(page, IDC_FORM_NAME, 1), L"Formular 2");
    EXPECT_EQ(Text(sheet, IDOK), L"Gut");
    EXPECT_EQ(Text(sheet, IDCANCEL), L"Cancel");  // no entry: the built-in text
    PressCancel(sheet);
  });
  EXPECT_EQ(caption, L"Designer - [ Untitled ]");
}

}  // namespace
}  // namespace q700::gui_test
