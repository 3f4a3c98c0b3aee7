// The date and time stamp, branch, summation and remains dialogs, opened from the real Form page.
#include "gui_test_support.h"
#include "model/form_record.h"
#include "resources/dialogs/form_ids.h"

namespace q700::gui_test {
namespace {

using namespace form_offset;

class StampBranchTest : public EditorTest {
 protected:
  FormRecord form() { return FormAt(design_, 0); }

  // Opens the sheet, presses `button` of the Form page with `script` in the dialog that opens,
  // then closes the sheet with OK.
  void WithDialog(int button, Script script) {
    RunSheet([&](HWND sheet, HWND page) {
      driver_.Expect(script);
      Click(page, button);
      PressOk(sheet);
    });
  }
};

TEST_F(StampBranchTest, StampPatternsFollowEveryChange) {
  WithDialog(IDC_FORM_TIME_STAMP, [&](HWND dialog) {
    EXPECT_EQ(WindowText(dialog), L"Date & Time Stamp settings");
    // A new design stamps year, month and day with "/" and the time with ":".
    EXPECT_EQ(Text(dialog, IDC_STAMP_DATE_GROUP), L"Date Format : YYYY/MM/DD");
    EXPECT_EQ(Text(dialog, IDC_STAMP_TIME_GROUP), L"Time Format : HH:MM:SS");
    Choose(dialog, IDC_STAMP_YEAR_DIGITS, 1);
    EXPECT_EQ(Text(dialog, IDC_STAMP_DATE_GROUP), L"Date Format : YY/MM/DD");
    Choose(dialog, IDC_STAMP_DATE_STYLE, 2);
    EXPECT_EQ(Text(dialog, IDC_STAMP_DATE_GROUP), L"Date Format : DD/MM/YY");
    Type(dialog, IDC_STAMP_DATE_SEPARATOR_EDIT, L"-.");
    EXPECT_EQ(Text(dialog, IDC_STAMP_DATE_SEPARATOR_EDIT), L"-");
    EXPECT_EQ(Text(dialog, IDC_STAMP_DATE_GROUP), L"Date Format : DD-MM-YY");
    Click(dialog, IDC_STAMP_DAY);
    EXPECT_FALSE(Checked(dialog, IDC_STAMP_DAY));
    EXPECT_EQ(Text(dialog, IDC_STAMP_DATE_GROUP), L"Date Format : MM-YY");
    Click(dialog, IDC_STAMP_TIME_SEPARATOR);
    EXPECT_EQ(Text(dialog, IDC_STAMP_TIME_GROUP), L"Time Format : HHMMSS");
    Click(dialog, IDC_STAMP_SECOND);
    EXPECT_EQ(Text(dialog, IDC_STAMP_TIME_GROUP), L"Time Format : HHMM");
    Choose(dialog, IDC_STAMP_POSITION, 2);
    Click(dialog, IDC_STAMP_SPLIT);
    Click(dialog, IDOK);
  });
  FormRecord f = form();
  EXPECT_EQ(f.at(kStampPosition), 2);
  EXPECT_EQ(f.at(kStampSplit), 0);
  EXPECT_EQ(f.at(kYearDigits), 1);
  EXPECT_EQ(f.at(kDateStyle), 2);
  EXPECT_EQ(f.at(kDateSeparator), '-');
  EXPECT_EQ(f.at(kDayFlag), 0);
  EXPECT_EQ(f.at(kTimeSeparatorFlag), 0);
  EXPECT_EQ(f.at(kSecondFlag), 0);
  EXPECT_EQ(f.at(kHourFlag), 1);
}

TEST_F(StampBranchTest, CancelledStampDialogChangesNothing) {
  const Design before = design_;
  WithDialog(IDC_FORM_TIME_STAMP, [&](HWND dialog) {
    Choose(dialog, IDC_STAMP_POSITION, 1);
    Click(dialog, IDC_STAMP_YEAR);
    Type(dialog, IDC_STAMP_TIME_SEPARATOR_EDIT, L".");
    Click(dialog, IDCANCEL);
  });
  EXPECT_TRUE(std::equal(before.forms.begin(), before.forms.begin() + kLookupColumn,
                         design_.forms.begin()));
}

TEST_F(StampBranchTest, SummationAndRemainsAreSetThroughTheBranchDialog) {
  form().line(kBranch, 0) = 20;  // not a branch: read as "disable"
  WithDialog(IDC_FORM_BRANCH, [&](HWND dialog) {
    EXPECT_EQ(WindowText(dialog), L"Branch");
    EXPECT_EQ(Selection(dialog, IDC_BRANCH_TARGET), 0);
    EXPECT_EQ(ItemCount(dialog, IDC_BRANCH_TARGET), 14);
    EXPECT_EQ(ItemAt(dialog, IDC_BRANCH_TARGET + 1, 13), L"Delete last from DataFile");
    for (int key = 0; key < 4; ++key) EXPECT_FALSE(Enabled(dialog, IDC_BRANCH_MORE + key));

    Choose(dialog, IDC_BRANCH_TARGET + 1, 12);  // Summation
    EXPECT_TRUE(Enabled(dialog, IDC_BRANCH_MORE + 1));
    driver_.Expect([&](HWND summation) {
      EXPECT_EQ(WindowText(summation), L"Properties summation");
      EXPECT_FALSE(Checked(summation, IDC_SUM_MULTIPLY));
      EXPECT_FALSE(Enabled(summation, IDC_SUM_MULTIPLY_FIELD));
      Choose(summation, IDC_SUM_SOURCE, 3);  // Data File
      Choose(summation, IDC_SUM_FIELD, 2);
      Click(summation, IDC_SUM_MULTIPLY);
      EXPECT_TRUE(Enabled(summation, IDC_SUM_MULTIPLY_FIELD));
      Choose(summation, IDC_SUM_MULTIPLY_FIELD, 4);
      Click(summation, IDOK);
    });
    Click(dialog, IDC_BRANCH_MORE + 1);

    Choose(dialog, IDC_BRANCH_TARGET + 2, 11);  // Remains
    driver_.Expect([&](HWND remains) {
      EXPECT_EQ(WindowText(remains), L"Properties filter remains");
      EXPECT_FALSE(Enabled(remains, IDC_REMAINS_FIELD));
      Click(remains, IDC_REMAINS_ENABLE);
      EXPECT_TRUE(Enabled(remains, IDC_REMAINS_FIELD));
      Choose(remains, IDC_REMAINS_FILTER_FOR, 2);
      Choose(remains, IDC_REMAINS_FIELD, 5);
      Click(remains, IDC_REMAINS_SUFFIX);
      Click(remains, IDOK);
    });
    Click(dialog, IDC_BRANCH_MORE + 2);
    Click(dialog, IDOK);
  });
  FormRecord f = form();
  EXPECT_EQ(f.line(kBranch, 0), 0);
  EXPECT_EQ(f.line(kBranch, 1), 12);
  EXPECT_EQ(f.line(kSummationSource, 1), 3);
  EXPECT_EQ(f.line(kSummationFields, 1), 2 + 5 * 16);
  EXPECT_EQ(f.line(kBranch, 2), 11);
  EXPECT_EQ(f.line(kRemainsFilter, 2), 16 + 5);
  EXPECT_EQ(f.line(kRemainsOptions, 2), 1 + 16 * 2);
}

TEST_F(StampBranchTest, CancelOfTheBranchDialogUndoesTheSummation) {
  form().line(kBranch, 3) = 12;
  form().line(kSummationFields, 3) = 0x31;  // field 2, multiplied by field 3
  WithDialog(IDC_FORM_BRANCH, [&](HWND dialog) {
    EXPECT_TRUE(Enabled(dialog, IDC_BRANCH_MORE + 3));
    driver_.Expect([&](HWND summation) {
      EXPECT_EQ(Selection(summation, IDC_SUM_FIELD), 1);
      EXPECT_TRUE(Checked(summation, IDC_SUM_MULTIPLY));
      EXPECT_EQ(Selection(summation, IDC_SUM_MULTIPLY_FIELD), 2);
      Click(summation, IDC_SUM_MULTIPLY);
      Choose(summation, IDC_SUM_SOURCE, 1);
      Click(summation, IDOK);
    });
    Click(dialog, IDC_BRANCH_MORE + 3);
    Choose(dialog, IDC_BRANCH_TARGET + 3, 0);
    EXPECT_FALSE(Enabled(dialog, IDC_BRANCH_MORE + 3));
    Click(dialog, IDCANCEL);
  });
  FormRecord f = form();
  EXPECT_EQ(f.line(kBranch, 3), 12);
  EXPECT_EQ(f.line(kSummationFields, 3), 0x31);
  EXPECT_EQ(f.line(kSummationSource, 3), 0);
}

}  // namespace
}  // namespace q700::gui_test
