// The field and lookup properties dialogs, opened from "more..." on the real Form page, with their
// picker boxes and the key sequence picker.
#include <array>

#include "editor/win32/picker_box.h"
#include "gui_test_support.h"
#include "model/form_record.h"
#include "resources/dialogs/form_ids.h"

namespace q700::gui_test {
namespace {

using namespace form_offset;

constexpr int kKeyColumns = 16;

class FieldPropertiesTest : public EditorTest {
 protected:
  FormRecord form() { return FormAt(design_, 0); }

  // Opens the sheet, presses "more..." of `line` (1 to 8) with `script` in the dialog that
  // opens, then closes the sheet with OK.
  void WithDialog(int line, Script script) {
    RunSheet([&](HWND sheet, HWND page) {
      driver_.Expect(script);
      Click(page, IDC_LINE_MORE + line);
      PressOk(sheet);
    });
  }
};

TEST_F(FieldPropertiesTest, EditsOfATextLineReachTheDesignOnOk) {
  form().type(0) = kTypeText;
  WithDialog(1, [&](HWND dialog) {
    EXPECT_EQ(WindowText(dialog), L"Properties");
    EXPECT_EQ(Text(dialog, IDC_FIELD_FORM_NUMBER), L"Form #1");
    EXPECT_EQ(Text(dialog, IDC_FIELD_LINE_NUMBER), L"Line #1");
    EXPECT_FALSE(Enabled(dialog, IDC_FIELD_FIXED_LENGTH_EDIT));
    Click(dialog, IDC_FIELD_FIXED_LENGTH);
    EXPECT_TRUE(Checked(dialog, IDC_FIELD_FIXED_LENGTH));
    EXPECT_TRUE(Enabled(dialog, IDC_FIELD_FIXED_LENGTH_EDIT));
    EXPECT_TRUE(Enabled(dialog, IDC_FIELD_ALIGNMENT));
    Type(dialog, IDC_FIELD_FIXED_LENGTH_EDIT, L"300");
    EXPECT_EQ(Text(dialog, IDC_FIELD_FIXED_LENGTH_EDIT), L"255");
    Choose(dialog, IDC_FIELD_ALIGNMENT, 3);
    EXPECT_FALSE(Enabled(dialog, IDC_FIELD_DECIMALS));  // only a real line has decimals

    Click(dialog, IDC_FIELD_LEADING);
    Type(dialog, IDC_FIELD_LEADING_EDIT, L"ABCDEFGH");
    EXPECT_EQ(Text(dialog, IDC_FIELD_LEADING_EDIT), L"ABCDEF");
    Click(dialog, IDC_FIELD_CHECK_DIGIT);
    EXPECT_TRUE(Enabled(dialog, IDC_FIELD_CHECK_DIGIT_LIST));
    EXPECT_EQ(Selection(dialog, IDC_FIELD_CHECK_DIGIT_LIST), 0);
    Choose(dialog, IDC_FIELD_CHECK_DIGIT_LIST, 4);
    Choose(dialog, IDC_FIELD_AUTO_ENTER, 3);

    Click(dialog, IDC_FIELD_INPUT_MARK);
    Type(dialog, IDC_FIELD_INPUT_MARK_EDIT, L"*#+");
    EXPECT_EQ(Text(dialog, IDC_FIELD_INPUT_MARK_EDIT), L"*");

    // The prefix comes from the key sequence picker: "A", then "Enter" (refused), then "F1".
    Click(dialog, IDC_FIELD_PREFIX);
    driver_.Expect([&](HWND picker) {
      EXPECT_EQ(WindowText(picker), L"The Grid Control");
      EXPECT_EQ(Text(picker, IDC_GRID_RESULT), L"");
      HWND grid = GetDlgItem(picker, IDC_GRID);
      ClickCode(grid, kKeyColumns, 'A');
      ClickCode(grid, kKeyColumns, 13);
      ClickCode(grid, kKeyColumns, 15);
      EXPECT_EQ(Text(picker, IDC_GRID_RESULT), L" A F1");
      Click(picker, IDOK);
    });
    ClickAt(GetDlgItem(dialog, IDC_FIELD_PREFIX_BOX), 3, 3);
    EXPECT_EQ(Text(dialog, IDC_FIELD_PREFIX_BOX), L" A F1");
    Click(dialog, IDOK);
  });
  FormRecord f = form();
  EXPECT_EQ(f.line(kFixedLengthFlag, 0), 1);
  EXPECT_EQ(f.line(kFixedLength, 0), 255);
  EXPECT_EQ(f.line(kAlignment, 0), 3);
  EXPECT_EQ(f.line(kLeadingFlag, 0), 1);
  EXPECT_EQ(SlotText(f.leading_code(0)), "ABCDEF");
  EXPECT_EQ(f.line(kCheckDigit, 0), 5);
  EXPECT_EQ(f.auto_enter(0), 3);
  EXPECT_EQ(f.input_mark(0), '*');
  EXPECT_EQ(f.line(kPrefixFlag, 0), 1);
  const std::array<uint8_t, 10> prefix = {'A', 15, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), f.prefix(0).begin()));
}

TEST_F(FieldPropertiesTest, ShortGs1CodeKeepsTheDialogOpenWithItsWarning) {
  form().type(0) = kTypeText;
  WithDialog(1, [&](HWND dialog) {
    EXPECT_FALSE(Enabled(dialog, IDC_FIELD_BARCODE_PART));
    Click(dialog, IDC_FIELD_PARTIAL);
    EXPECT_TRUE(Checked(dialog, IDC_FIELD_BARCODE_PART));
    EXPECT_TRUE(Enabled(dialog, IDC_FIELD_START));
    EXPECT_FALSE(Enabled(dialog, IDC_FIELD_GS1_CODE));
    Click(dialog, IDC_FIELD_GS1_PART);
    EXPECT_TRUE(Checked(dialog, IDC_FIELD_GS1_PART));
    EXPECT_FALSE(Checked(dialog, IDC_FIELD_BARCODE_PART));
    EXPECT_FALSE(Enabled(dialog, IDC_FIELD_START));
    EXPECT_TRUE(Enabled(dialog, IDC_FIELD_CUT_GS1));
    Click(dialog, IDC_FIELD_CUT_GS1);
    Click(dialog, IDC_FIELD_SAVE_FULL);
    Type(dialog, IDC_FIELD_GS1_CODE, L"9");
    std::wstring caption;
    std::wstring text;
    driver_.Expect([&](HWND box) {
      caption = WindowText(box);
      text = MessageBoxText(box);
      Click(box, IDOK);
    });
    Click(dialog, IDOK);
    EXPECT_EQ(caption, L"Предупреждение");
    EXPECT_EQ(text, L"Слишком короткий код GS1 (минимум 2 символа)");
    EXPECT_TRUE(IsWindowEnabled(dialog));
    Type(dialog, IDC_FIELD_GS1_CODE, L"91");
    Click(dialog, IDOK);
  });
  FormRecord f = form();
  EXPECT_EQ(f.line(kPartialMode, 0), 3);
  EXPECT_EQ(f.gs1_code(0)[0], '9');
  EXPECT_EQ(f.gs1_code(0)[1], '1');
  EXPECT_EQ(f.gs1_code(0)[2], 0);
  EXPECT_EQ(f.line(kPartialStart, 0), 0x81);  // position 1 with "Save full barcode"
}

TEST_F(FieldPropertiesTest, InitialValueAndDecimalsReachTheDesign) {
  form().type(1) = kTypeReal;
  RunSheet([&](HWND sheet, HWND page) {
    driver_.Expect([&](HWND dialog) {
      EXPECT_TRUE(Enabled(dialog, IDC_FIELD_DECIMALS));
      Click(dialog, IDC_FIELD_INITIAL);
      Type(dialog, IDC_FIELD_INITIAL_EDIT, L"12.5.3");
      EXPECT_EQ(Text(dialog, IDC_FIELD_INITIAL_EDIT), L"1253");
      Choose(dialog, IDC_FIELD_DECIMALS, 2);
      Click(dialog, IDOK);
    });
    Click(page, IDC_LINE_MORE + 2);
    PressOk(sheet);
  });
  EXPECT_EQ(SlotText(form().initial_value(1)), "1253");
  EXPECT_EQ(form().line(kDecimalPlaces, 1), 2);
}

TEST_F(FieldPropertiesTest, UntickedInputMarkAndCancelLeaveNoTrace) {
  form().type(0) = kTypeText;
  form().input_mark(0) = '*';
  form().type(1) = kTypeInteger;
  RunSheet([&](HWND sheet, HWND page) {
    driver_.Expect([&](HWND dialog) {
      EXPECT_TRUE(Checked(dialog, IDC_FIELD_INPUT_MARK));
      EXPECT_EQ(Text(dialog, IDC_FIELD_INPUT_MARK_EDIT), L"*");
      Click(dialog, IDC_FIELD_INPUT_MARK);
      EXPECT_FALSE(Enabled(dialog, IDC_FIELD_INPUT_MARK_EDIT));
      EXPECT_EQ(Text(dialog, IDC_FIELD_INPUT_MARK_EDIT), L"*");
      Click(dialog, IDOK);
    });
    Click(page, IDC_LINE_MORE + 1);
    driver_.Expect([&](HWND dialog) {
      Click(dialog, IDC_FIELD_FIXED_LENGTH);
      Type(dialog, IDC_FIELD_FIXED_LENGTH_EDIT, L"12");
      Click(dialog, IDC_FIELD_SUFFIX);
      driver_.Expect([&](HWND picker) {
        ClickCode(GetDlgItem(picker, IDC_GRID), kKeyColumns, 'Z');
        Click(picker, IDOK);
      });
      ClickAt(GetDlgItem(dialog, IDC_FIELD_SUFFIX_BOX), 3, 3);
      Click(dialog, IDCANCEL);
    });
    Click(page, IDC_LINE_MORE + 2);
    PressOk(sheet);
  });
  EXPECT_EQ(form().input_mark(0), 0);
  // Line 2's dialog was cancelled: what it stored, and what it settled on opening, is undone.
  FormRecord f = form();
  EXPECT_EQ(f.line(kFixedLengthFlag, 1), 0);
  EXPECT_EQ(f.line(kFixedLength, 1), 0);
  EXPECT_EQ(f.line(kSuffixFlag, 1), 0);
  EXPECT_EQ(f.suffix(1)[0], 0);
  EXPECT_EQ(f.line(kPartialStart, 1), 0);
  EXPECT_EQ(f.line(kPartialLength, 1), 20);
}

TEST_F(FieldPropertiesTest, LookupLineKeepsOneVariableAsItsPrefix) {
  form().type(0) = kTypeLookup;
  form().input_mark(0) = '#';
  std::wstring message;
  WithDialog(1, [&](HWND dialog) {
    EXPECT_EQ(Text(dialog, IDC_LOOKUP_SAVE), L"Save field data");
    EXPECT_FALSE(Enabled(dialog, IDC_LOOKUP_PREFIX));
    Click(dialog, IDC_LOOKUP_SAVE);
    EXPECT_TRUE(Enabled(dialog, IDC_LOOKUP_PREFIX));
    EXPECT_FALSE(Enabled(dialog, IDC_LOOKUP_PREFIX_BOX));
    Click(dialog, IDC_LOOKUP_PREFIX);
    EXPECT_TRUE(Enabled(dialog, IDC_LOOKUP_PREFIX_BOX));
    Click(dialog, IDC_LOOKUP_FIXED_LENGTH);
    Type(dialog, IDC_LOOKUP_FIXED_LENGTH_EDIT, L"x1");
    EXPECT_EQ(Text(dialog, IDC_LOOKUP_FIXED_LENGTH_EDIT), L"0");
    HWND box = GetDlgItem(dialog, IDC_LOOKUP_PREFIX_BOX);
    driver_.Expect([&](HWND picker) {
      EXPECT_TRUE(win32::IsPickerOpen(box));
      HWND grid = GetDlgItem(picker, IDC_GRID);
      ClickCode(grid, kKeyColumns, 30);  // Var2
      EXPECT_EQ(Text(picker, IDC_GRID_RESULT), L" variable2");
      driver_.Expect([&](HWND message_box) {
        message = MessageBoxText(message_box);
        Click(message_box, IDOK);
      });
      ClickCode(grid, kKeyColumns, '1');
      EXPECT_EQ(Text(picker, IDC_GRID_RESULT), L" variable2");
      Click(picker, IDOK);
    });
    ClickAt(box, 3, 3);
    EXPECT_FALSE(win32::IsPickerOpen(box));
    EXPECT_EQ(Text(dialog, IDC_LOOKUP_PREFIX_BOX), L" variable2");
    Click(dialog, IDOK);
  });
  EXPECT_EQ(message, L"Too many characters !!!");
  FormRecord f = form();
  EXPECT_EQ(f.line(kInitialFlag, 0), 1);  // "Save field data"
  EXPECT_EQ(f.line(kPrefixFlag, 0), 1);
  EXPECT_EQ(f.prefix(0)[0], 30);
  EXPECT_EQ(f.prefix(0)[1], 0);
  EXPECT_EQ(f.input_mark(0), 0);
}

}  // namespace
}  // namespace q700::gui_test
