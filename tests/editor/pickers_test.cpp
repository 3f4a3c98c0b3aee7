// The character and key sequence pickers and their grids.
#include "editor/pickers.h"

#include <gtest/gtest.h>

#include <array>

namespace q700::editor {
namespace {

TEST(Pickers, NamesOfCharactersAndKeys) {
  EXPECT_EQ(CharacterName(0), "NUL");
  EXPECT_EQ(CharacterName(2), "STX");
  EXPECT_EQ(CharacterName(31), "US");
  EXPECT_EQ(CharacterName(32), "SP");
  EXPECT_EQ(CharacterName(120), "x");
  EXPECT_EQ(CharacterName(127), "DEL");

  EXPECT_EQ(KeyName(0), "");
  EXPECT_EQ(KeyName(1), "Ins");
  EXPECT_EQ(KeyName(7), "Left");
  EXPECT_EQ(KeyName(10), "LF");
  EXPECT_EQ(KeyName(11), "Right");
  EXPECT_EQ(KeyName(13), "Enter");
  EXPECT_EQ(KeyName(15), "F1");
  EXPECT_EQ(KeyName(26), "F12");
  EXPECT_EQ(KeyName(28), "Exec");
  EXPECT_EQ(KeyName(30), "Var2");
  EXPECT_EQ(KeyName(32), "SP");
  EXPECT_EQ(KeyName(65), "A");
  EXPECT_EQ(KeyName(127), "DEL");
  EXPECT_EQ(KeyName(128), "128");
  EXPECT_EQ(KeyName(255), "255");
}

TEST(Pickers, RefusedAndRedCells) {
  EXPECT_FALSE(IsChoosable(PickerKind::kCharacter, 127));
  EXPECT_FALSE(IsChoosable(PickerKind::kCharacter, 128));
  EXPECT_TRUE(IsChoosable(PickerKind::kCharacter, 0));
  for (int code : {0, 10, 13}) EXPECT_FALSE(IsChoosable(PickerKind::kKeySequence, code)) << code;
  EXPECT_TRUE(IsChoosable(PickerKind::kKeySequence, 255));
  EXPECT_TRUE(IsChoosable(PickerKind::kKeySequence, 127));

  EXPECT_EQ(CellLookOf(PickerKind::kKeySequence, 30, false).text, (Rgb{255, 0, 0}));
  EXPECT_EQ(CellLookOf(PickerKind::kKeySequence, 30, true).text, (Rgb{255, 0, 0}));
  EXPECT_EQ(CellLookOf(PickerKind::kKeySequence, 30, true).fill, (Rgb{0, 0, 255}));
  EXPECT_EQ(CellLookOf(PickerKind::kKeySequence, 65, true).text, (Rgb{255, 255, 255}));
  EXPECT_EQ(CellLookOf(PickerKind::kKeySequence, 65, false).text, (Rgb{0, 0, 0}));
  EXPECT_EQ(CellLookOf(PickerKind::kKeySequence, 13, false).text, kGridRefusedText);
  EXPECT_EQ(CellLookOf(PickerKind::kCharacter, 29, false).text, (Rgb{255, 0, 0}));
}

TEST(Pickers, GridGeometryAndHits) {
  // 17 x 17 cells of 10 x 10 pixels; the remainder of the client area is outside the grid.
  EXPECT_EQ(CellSize(PickerKind::kKeySequence, 175, 179).width, 10);
  EXPECT_EQ(CellSize(PickerKind::kKeySequence, 175, 179).height, 10);
  auto hit = [](int x, int y) { return HitTest(PickerKind::kKeySequence, 175, 179, x, y); };
  EXPECT_FALSE(hit(5, 5));    // corner header
  EXPECT_FALSE(hit(55, 5));   // column header
  EXPECT_FALSE(hit(5, 55));   // row header
  EXPECT_FALSE(hit(15, 15));  // code 0, refused
  EXPECT_EQ(hit(15, 25), 1);
  EXPECT_EQ(hit(25, 15), 16);
  EXPECT_FALSE(hit(15, 145));  // code 13, "Enter"
  EXPECT_EQ(hit(169, 169), 255);
  EXPECT_FALSE(hit(172, 100));  // right of the last column
  EXPECT_FALSE(hit(100, 175));
  EXPECT_FALSE(hit(-1, 50));

  // The character picker has 8 data columns.
  auto char_hit = [](int x, int y) { return HitTest(PickerKind::kCharacter, 90, 170, x, y); };
  EXPECT_EQ(char_hit(85, 35), 7 * 16 + 2);
  EXPECT_FALSE(char_hit(85, 165));                            // DEL
  EXPECT_FALSE(HitTest(PickerKind::kCharacter, 5, 5, 1, 1));  // too small to hold a cell

  const GridRect rect = CodeRect({10, 12}, 0x2F);
  EXPECT_EQ(rect.left, 30);
  EXPECT_EQ(rect.top, 16 * 12);
  EXPECT_EQ(rect.right, 40);
  EXPECT_EQ(ColumnHeader(0), "00");
  EXPECT_EQ(ColumnHeader(15), "F0");
  EXPECT_EQ(RowHeader(10), "0A");
}

TEST(Pickers, CharacterPickerOkAndCancel) {
  uint8_t stx = 2;
  CharacterPicker picker(stx);
  picker.Open();
  EXPECT_EQ(picker.selected(), 2);
  EXPECT_FALSE(picker.Click(127).selected);
  EXPECT_EQ(picker.selected(), 2);
  const PickerClick click = picker.Click(120);
  EXPECT_TRUE(click.selected);
  EXPECT_EQ(click.previous, 2);
  EXPECT_EQ(picker.Cancel(), "STX");
  EXPECT_EQ(stx, 2);
  EXPECT_EQ(picker.Ok(), "x");
  EXPECT_EQ(stx, 120);
}

bool IsTooMany(const PickerClick& click) {
  return click.message && click.message->caption_id == 1121 && click.message->text_id == 1143 &&
         click.message->icon == Icon::kWarning;
}

TEST(Pickers, SequenceCapacity) {
  TextLoader texts;
  std::array<uint8_t, 2> code_id{};
  KeySequencePicker picker(code_id, kCodeIdCapacity, texts);
  picker.Open();
  EXPECT_EQ(picker.selected(), 32);
  EXPECT_FALSE(picker.Click('A').message);
  EXPECT_FALSE(picker.Click(3).message);
  const PickerClick third = picker.Click('C');
  EXPECT_TRUE(IsTooMany(third));
  EXPECT_TRUE(third.selected);  // the cell is still selected
  EXPECT_EQ(picker.result_text(), " A Home");
  EXPECT_EQ(picker.Ok(), " A Home");
  EXPECT_EQ(code_id[0], 'A');
  EXPECT_EQ(code_id[1], 3);
}

TEST(Pickers, VariableFillsTheSequence) {
  TextLoader texts;
  std::array<uint8_t, 10> prefix{};
  KeySequencePicker picker(prefix, kCodeSequenceCapacity, texts);
  picker.Open();
  EXPECT_FALSE(picker.Click(30).message);
  EXPECT_EQ(picker.result_text(), " variable2");
  EXPECT_TRUE(picker.full());
  EXPECT_TRUE(IsTooMany(picker.Click('1')));
  EXPECT_EQ(picker.result_text(), " variable2");

  picker.Clear();
  EXPECT_EQ(picker.result_text(), "");
  picker.Click('1');
  EXPECT_TRUE(IsTooMany(picker.Click(29)));  // a variable only comes first
  EXPECT_EQ(picker.sequence(), std::vector<uint8_t>{'1'});
  EXPECT_EQ(picker.result_text(), " 1");
}

TEST(Pickers, RefusedKeysDoNothing) {
  TextLoader texts;
  std::array<uint8_t, 10> suffix{};
  KeySequencePicker picker(suffix, kCodeSequenceCapacity, texts);
  picker.Open();
  for (int code : {0, 10, 13}) {
    const PickerClick click = picker.Click(code);
    EXPECT_FALSE(click.selected);
    EXPECT_FALSE(click.message);
  }
  EXPECT_EQ(picker.selected(), 32);
  EXPECT_TRUE(picker.sequence().empty());
}

TEST(Pickers, StoredSequencesAndCancel) {
  TextLoader texts;
  std::array<uint8_t, 10> stored = {'A', 30, 'B', 0, 0, 0, 0, 0, 0, 0};
  const SequenceText read = ReadSequenceText(stored, 10, texts);
  EXPECT_EQ(read.text, " A variable2");
  EXPECT_EQ(read.length, 10);

  std::array<uint8_t, 10> full = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(ReadSequenceText(full, 10, texts).text, " 0 1 2 3 4 5 6 7 8 9");
  EXPECT_EQ(ReadSequenceText(full, 2, texts).text, " 0 1");

  const std::array<uint8_t, 10> before = full;
  KeySequencePicker picker(full, 10, texts);
  picker.Open();
  EXPECT_TRUE(IsTooMany(picker.Click('X')));
  picker.Clear();
  picker.Click('X');
  picker.Click(27);
  EXPECT_EQ(picker.Cancel(), " 0 1 2 3 4 5 6 7 8 9");
  EXPECT_EQ(full, before);
  EXPECT_EQ(picker.Ok(), " X ESC");
  EXPECT_EQ(full, (std::array<uint8_t, 10>{'X', 27, 0, 0, 0, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace q700::editor
