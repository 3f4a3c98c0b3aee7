// The stamp, branch, summation and remains dialogs of a form.
#include <gtest/gtest.h>

#include "editor/branch_logic.h"
#include "editor/stamp_logic.h"
#include "model/defaults.h"
#include "texts/terminal_texts.h"

namespace q700::editor {
namespace {

using namespace form_offset;

class FormDialogsTest : public testing::Test {
 protected:
  FormDialogsTest() { ResetDesign(design_, DefaultTerminalTexts()); }
  FormRecord form() { return FormAt(design_, 4); }

  Design design_;
  TextLoader texts_;
};

TEST_F(FormDialogsTest, StampCaptionsFollowTheChosenFormat) {
  StampDialog dialog(form());
  StampView v = dialog.Open();
  EXPECT_EQ(v.date_caption, "Date Format : YYYY/MM/DD");
  EXPECT_EQ(v.time_caption, "Time Format : HH:MM:SS");
  EXPECT_EQ(dialog.Texts().date_separator, "/");

  dialog.SelectDateStyle(1);
  v = dialog.SelectYearDigits(1);
  EXPECT_EQ(v.date_caption, "Date Format : MM/DD/YY");

  dialog.SelectDateStyle(2);
  v = dialog.ClickDay();
  EXPECT_EQ(v.date_caption, "Date Format : MM/YY");
  v = dialog.ClickDateSeparator();
  EXPECT_EQ(v.date_caption, "Date Format : MMYY");

  v = dialog.ClickHour();
  EXPECT_EQ(v.time_caption, "Time Format : MM:SS");
  const StampEdit edit = dialog.ChangeTimeSeparator("-x");
  EXPECT_EQ(edit.rewrite, "-");
  EXPECT_EQ(edit.view.time_caption, "Time Format : MM-SS");
  EXPECT_EQ(form().at(kTimeSeparator), '-');
  EXPECT_EQ(form().at(kTimeSeparator + 1), 0);
  EXPECT_EQ(dialog.ChangeDateSeparator(".").rewrite, std::nullopt);
}

TEST_F(FormDialogsTest, StampCancelPutsTheRecordBack) {
  const Design before = design_;
  StampDialog dialog(form());
  dialog.Open();
  dialog.SelectPosition(2);
  dialog.ClickSplit();
  dialog.ChangeDateSeparator("-");
  dialog.Cancel();
  EXPECT_EQ(design_, before);
}

TEST_F(FormDialogsTest, BranchByteAbove13ReadsAsDisable) {
  form().line(kBranch, 1) = 20;
  form().line(kBranch, 2) = 13;
  BranchDialog dialog(form());
  const BranchView v = dialog.Open();
  EXPECT_EQ(v.targets[1], 0);
  EXPECT_EQ(form().line(kBranch, 1), 0);
  EXPECT_EQ(v.targets[2], 13);
  const std::vector<std::string> items = BranchTexts(texts_);
  ASSERT_EQ(items.size(), 14u);
  EXPECT_EQ(items[0], "disable");
  EXPECT_EQ(items[10], "form  10");
  EXPECT_EQ(items[13], "Delete last from DataFile");
}

TEST_F(FormDialogsTest, MoreButtonsServeRemainsAndSummation) {
  form().line(kBranch, 0) = kBranchRemains;
  form().line(kBranch, 3) = kBranchSummation;
  BranchDialog dialog(form());
  BranchView v = dialog.Open();
  EXPECT_TRUE(v.more[0]);
  EXPECT_FALSE(v.more[1]);
  EXPECT_TRUE(v.more[3]);
  EXPECT_EQ(dialog.PressMore(0), BranchDetail::kRemains);
  EXPECT_EQ(dialog.PressMore(3), BranchDetail::kSummation);

  v = dialog.SelectTarget(1, 12);
  EXPECT_TRUE(v.more[1]);
  EXPECT_EQ(dialog.PressMore(1), BranchDetail::kSummation);
  v = dialog.SelectTarget(0, 5);
  EXPECT_FALSE(v.more[0]);
  EXPECT_EQ(dialog.PressMore(0), BranchDetail::kNone);
  EXPECT_EQ(form().line(kBranch, 0), 5);
}

TEST_F(FormDialogsTest, SummationBytes) {
  SummationDialog dialog(form(), 2);
  SummationView v = dialog.Open();
  EXPECT_FALSE(v.multiply);
  EXPECT_FALSE(v.multiply_field_enabled);
  dialog.SelectSource(3);
  dialog.SelectField(2);  // field 3
  v = dialog.ClickMultiply();
  EXPECT_TRUE(v.multiply_field_enabled);
  dialog.SelectMultiplyField(4);                   // field 5
  EXPECT_EQ(form().line(kSummationFields, 2), 0);  // nothing before OK
  dialog.Ok();
  EXPECT_EQ(form().line(kSummationSource, 2), 3);
  EXPECT_EQ(form().line(kSummationFields, 2), 2 + 5 * 16);

  SummationDialog again(form(), 2);
  v = again.Open();
  EXPECT_EQ(v.source, 3);
  EXPECT_EQ(v.field, 2);
  EXPECT_TRUE(v.multiply);
  EXPECT_EQ(v.multiply_field, 4);
  again.ClickMultiply();
  again.SelectField(7);
  again.Cancel();
  EXPECT_EQ(form().line(kSummationFields, 2), 82);
  again.Ok();
  EXPECT_EQ(form().line(kSummationFields, 2), 7);
}

TEST_F(FormDialogsTest, RemainsBytesAreRebuiltFromScratch) {
  form().line(kRemainsOptions, 1) = 0xEE;  // stray bits are not kept
  RemainsDialog dialog(form(), 1);
  RemainsView v = dialog.Open();
  EXPECT_FALSE(v.enable);
  EXPECT_FALSE(v.lists_enabled || v.suffix.enabled);
  v = dialog.ClickEnable();
  EXPECT_TRUE(v.lists_enabled && v.suffix.enabled);
  dialog.SelectFilterFor(2);  // variable3
  dialog.SelectField(5);      // field 6
  dialog.ClickSuffix();
  dialog.Ok();
  EXPECT_EQ(form().line(kRemainsFilter, 1), 16 + 5);
  EXPECT_EQ(form().line(kRemainsOptions, 1), 1 + 16 * 2);

  RemainsDialog again(form(), 1);
  v = again.Open();
  EXPECT_TRUE(v.enable);
  EXPECT_EQ(v.filter_for, 2);
  EXPECT_EQ(v.field, 5);
  EXPECT_TRUE(v.suffix.checked);
  EXPECT_EQ(LoadRemainsLists(texts_).filters[2], "variable3");
}

TEST_F(FormDialogsTest, BranchCancelAlsoUndoesSummationAndRemains) {
  const Design before = design_;
  BranchDialog branch(form());
  branch.Open();
  branch.SelectTarget(0, kBranchSummation);
  SummationDialog summation(form(), 0);
  summation.Open();
  summation.SelectField(6);
  summation.ClickMultiply();
  summation.Ok();
  branch.SelectTarget(1, kBranchRemains);
  RemainsDialog remains(form(), 1);
  remains.Open();
  remains.ClickEnable();
  remains.Ok();
  EXPECT_EQ(form().line(kSummationFields, 0), 6 + 16);
  branch.Cancel();
  EXPECT_EQ(design_, before);
}

}  // namespace
}  // namespace q700::editor
