// The Code ID and Weight Code dialogs.
#include <gtest/gtest.h>

#include <string>

#include "editor/code_id_logic.h"
#include "editor/weight_code_logic.h"
#include "model/defaults.h"
#include "texts/terminal_texts.h"

namespace q700::editor {
namespace {

class CodeIdWeightTest : public testing::Test {
 protected:
  CodeIdWeightTest() { ResetDesign(design_, DefaultTerminalTexts()); }

  uint16_t Word(size_t offset) const { return ReadU16Le(design_.weight, offset); }

  Design design_;
  TextLoader texts_;
};

TEST_F(CodeIdWeightTest, Set4GivesEan8TwoCharacters) {
  CodeIdDialog dialog(design_, texts_);
  CodeIdView v = dialog.Open();
  EXPECT_FALSE(v.enable);
  EXPECT_FALSE(v.controls_enabled);
  EXPECT_EQ(v.fields[10], "");

  v = dialog.PressSet(3);
  EXPECT_EQ(v.fields[10], " F F");
  EXPECT_EQ(v.fields[0], " M");
  EXPECT_EQ(v.fields[14], " Q");
  // The working copy is not the design.
  EXPECT_EQ(design_.settings[105], 0);

  const CodeIdCommit commit = dialog.Ok();
  EXPECT_TRUE(commit.mark_modified);
  EXPECT_EQ(design_.settings[105], 'F');
  EXPECT_EQ(design_.settings[106], 'F');
  EXPECT_EQ(design_.settings[85], 'M');
  EXPECT_EQ(design_.settings[86], 0);
  EXPECT_EQ(design_.settings[113], 'Q');
  EXPECT_EQ(design_.settings[114], 0);
  EXPECT_EQ(design_.settings[84], 0);  // written even while the option is off
}

TEST_F(CodeIdWeightTest, PresetsAndClearReplaceEveryCodeId) {
  CodeIdDialog dialog(design_, texts_);
  dialog.Open();
  CodeIdView v = dialog.PressSet(0);
  EXPECT_EQ(v.fields[3], " C");   // Industrial 25, Set 1
  EXPECT_EQ(v.fields[12], " J");  // UPCA
  v = dialog.PressSet(4);
  EXPECT_EQ(v.fields[10], " E");  // a one-character Code ID after "FF" keeps no second byte
  EXPECT_EQ(dialog.code_id(10)[1], 0);
  v = dialog.PressClear();
  for (const std::string& field : v.fields) EXPECT_EQ(field, "");
  dialog.ClickEnable();
  dialog.Ok();
  EXPECT_EQ(design_.settings[84], 1);
  for (size_t i = 85; i <= 114; ++i) EXPECT_EQ(design_.settings[i], 0) << i;
}

// Every cell of the five preset sets reaches its two bytes of the settings block at OK.
TEST_F(CodeIdWeightTest, EveryPresetCellReachesItsBytes) {
  // Rows Code 39 to Plessey (settings bytes 85 + 2 x row), columns Set 1 to Set 5.
  const char* const presets[15][5] = {
      {"A", "C", "Y", "M", "A"}, {"A", "C", "Y", "M", "A"},  {"A", "C", "Y", "M", "A"},
      {"C", "H", "H", "H", "S"}, {"D", "I", "Z", "I", "S"},  {"E", "G", "G", "G", "S"},
      {"F", "N", "X", "N", "F"}, {"I", "L", "L", "L", "G"},  {"H", "K", "K", "K", "C"},
      {"S", "E", "C", "E", "E"}, {"P", "B", "B", "FF", "E"}, {"M", "A", "A", "F", "E"},
      {"J", "A", "A", "A", "E"}, {"V", "V", "D", "P", "M"},  {"W", "W", "E", "Q", "P"},
  };
  for (int set = 0; set < 5; ++set) {
    CodeIdDialog dialog(design_, texts_);
    dialog.Open();
    dialog.PressSet(set);
    dialog.Ok();
    for (size_t row = 0; row < 15; ++row) {
      const std::string cell = presets[row][set];
      const size_t at = 85 + 2 * row;
      EXPECT_EQ(design_.settings[at], static_cast<uint8_t>(cell[0]))
          << "set " << set + 1 << " row " << row;
      EXPECT_EQ(design_.settings[at + 1], cell.size() > 1 ? static_cast<uint8_t>(cell[1]) : 0)
          << "set " << set + 1 << " row " << row;
    }
  }
}

TEST_F(CodeIdWeightTest, EnableBoxEnablesTheFields) {
  CodeIdDialog dialog(design_, texts_);
  dialog.Open();
  CodeIdView v = dialog.ClickEnable();
  EXPECT_TRUE(v.enable);
  EXPECT_TRUE(v.controls_enabled);
  v = dialog.ClickEnable();
  EXPECT_FALSE(v.controls_enabled);
}

TEST_F(CodeIdWeightTest, PickerTakesTwoCodesIntoTheWorkingCodeId) {
  CodeIdDialog dialog(design_, texts_);
  dialog.Open();
  dialog.PressSet(3);
  KeySequencePicker picker = dialog.Picker(10);
  picker.Open();
  EXPECT_EQ(picker.result_text(), " F F");
  picker.Clear();
  EXPECT_FALSE(picker.Click('X').message);
  EXPECT_EQ(picker.Ok(), " X");
  // The missing second code is stored as 0.
  EXPECT_EQ(dialog.View().fields[10], " X");

  KeySequencePicker second = dialog.Picker(3);
  second.Open();
  second.Click('1');
  second.Click('2');
  EXPECT_TRUE(second.Click('3').message);  // "Too many characters !!!"
  EXPECT_EQ(second.Cancel(), " H");
  EXPECT_EQ(dialog.View().fields[3], " H");

  dialog.Ok();
  EXPECT_EQ(design_.settings[105], 'X');
  EXPECT_EQ(design_.settings[106], 0);
  EXPECT_EQ(design_.settings[91], 'H');
}

TEST_F(CodeIdWeightTest, CodeIdCancelWritesNothing) {
  const Design before = design_;
  CodeIdDialog dialog(design_, texts_);
  dialog.Open();
  dialog.ClickEnable();
  dialog.PressSet(1);
  KeySequencePicker picker = dialog.Picker(0);
  picker.Open();
  picker.Click('Z');
  picker.Ok();
  dialog.Cancel();
  EXPECT_EQ(design_, before);
}

TEST_F(CodeIdWeightTest, WeightCodeOfANewDesign) {
  WeightCodeDialog dialog(design_, texts_);
  const WeightCodeLists lists = dialog.Lists();
  EXPECT_EQ(lists.masks, (std::vector<std::string>{"05", "06", "07", "08", "09"}));
  ASSERT_EQ(lists.fields.size(), 8u);
  EXPECT_EQ(lists.fields[2], "field 3");

  const WeightCodeView v = dialog.Open();
  EXPECT_TRUE(v.enable);
  EXPECT_TRUE(v.controls_enabled);
  EXPECT_FALSE(v.format_1c);
  EXPECT_EQ(lists.masks[v.mask], "07");
  EXPECT_EQ(v.key_field, 1);
  EXPECT_EQ(v.quantity_field, 3);
  EXPECT_EQ(dialog.PrefixText(), "23");
}

TEST_F(CodeIdWeightTest, PrefixIsTakenWhenTheFieldLosesTheFocus) {
  WeightCodeDialog dialog(design_, texts_);
  dialog.Open();
  EXPECT_EQ(dialog.ChangePrefix("7"), std::nullopt);
  EXPECT_EQ(dialog.LeavePrefix("7"), " 7");
  dialog.SelectKeyField(2);
  dialog.Ok();
  EXPECT_EQ(design_.weight[4], ' ');
  EXPECT_EQ(design_.weight[5], '7');
  EXPECT_EQ(Word(8), 3);

  WeightCodeDialog again(design_, texts_);
  again.Open();
  EXPECT_EQ(again.PrefixText(), " 7");
  EXPECT_EQ(again.LeavePrefix(""), "  ");
  EXPECT_EQ(again.LeavePrefix("45"), std::nullopt);
  EXPECT_EQ(again.LeavePrefix("4"), " 4");
  again.Ok();
  EXPECT_EQ(design_.weight[4], ' ');
  EXPECT_EQ(design_.weight[5], '4');
}

TEST_F(CodeIdWeightTest, OkTakesAPrefixStillBeingTyped) {
  WeightCodeDialog dialog(design_, texts_);
  dialog.Open();
  dialog.ChangePrefix("9");
  dialog.Ok();
  EXPECT_EQ(design_.weight[4], ' ');
  EXPECT_EQ(design_.weight[5], '9');

  // An untouched prefix is stored as it was read.
  design_.weight[4] = 0;
  design_.weight[5] = 0;
  WeightCodeDialog untouched(design_, texts_);
  untouched.Open();
  EXPECT_EQ(untouched.PrefixText(), "");
  untouched.Ok();
  EXPECT_EQ(design_.weight[4], 0);
  EXPECT_EQ(design_.weight[5], 0);
}

TEST_F(CodeIdWeightTest, WeightCodeFlagsAndLists) {
  WeightCodeDialog dialog(design_, texts_);
  dialog.Open();
  WeightCodeView v = dialog.ClickEnable();
  EXPECT_FALSE(v.controls_enabled);
  v = dialog.ClickFormat1C();
  EXPECT_TRUE(v.format_1c);
  EXPECT_EQ(dialog.ChangePrefix("123"), "12");
  dialog.SelectMask(4);
  dialog.SelectQuantityField(7);
  dialog.SelectMask(5);  // beyond the list
  dialog.Ok();
  EXPECT_EQ(Word(2), 2);
  EXPECT_EQ(Word(6), 9);
  EXPECT_EQ(Word(10), 8);
  EXPECT_EQ(Word(0), 0xABDA);
  EXPECT_EQ(design_.weight[4], '1');
  EXPECT_EQ(design_.weight[5], '2');
}

TEST_F(CodeIdWeightTest, StoredWeightValuesOutsideTheListsAreKept) {
  WriteU16Le(design_.weight, 6, 12);
  WriteU16Le(design_.weight, 8, 0);
  WeightCodeDialog dialog(design_, texts_);
  const WeightCodeView v = dialog.Open();
  EXPECT_EQ(v.mask, -1);
  EXPECT_EQ(v.key_field, -1);
  dialog.Ok();
  EXPECT_EQ(Word(6), 12);
  EXPECT_EQ(Word(8), 0);
}

}  // namespace
}  // namespace q700::editor
