// Typing into form lines: character classes, multi-tap letters, the maximum length, scrolling
// and extension lines, backspace, initial values, the sign column, input marks and pass-down
// fields.
#include <gtest/gtest.h>

#include "model/form_record.h"
#include "simulator/field_entry.h"
#include "tests/simulator/simulator_fixture.h"

namespace q700 {
namespace {

TEST(CharacterClasses, EachTypeAcceptsItsCharacters) {
  for (char c : std::string("aZ 9.-/*")) {
    EXPECT_TRUE(AcceptsCharacter(kTypeText, c)) << c;
    EXPECT_TRUE(AcceptsCharacter(kTypeExtension, c)) << c;
  }
  for (uint8_t type : {kTypeInteger, kTypeReal}) {
    EXPECT_TRUE(AcceptsCharacter(type, '0'));
    EXPECT_TRUE(AcceptsCharacter(type, '9'));
    EXPECT_FALSE(AcceptsCharacter(type, '.'));  // not even for real
    EXPECT_FALSE(AcceptsCharacter(type, '-'));
    EXPECT_FALSE(AcceptsCharacter(type, 'A'));
  }
  EXPECT_TRUE(AcceptsCharacter(kTypeLetter, 'A'));
  EXPECT_TRUE(AcceptsCharacter(kTypeLetter, 'z'));
  EXPECT_FALSE(AcceptsCharacter(kTypeLetter, '1'));
  EXPECT_FALSE(AcceptsCharacter(kTypeLetter, ' '));
  EXPECT_FALSE(AcceptsCharacter(kTypeLetter, '['));
  EXPECT_TRUE(AcceptsCharacter(kTypeAuto, '.'));
  EXPECT_TRUE(AcceptsCharacter(kTypeAuto, '5'));
  EXPECT_FALSE(AcceptsCharacter(kTypeAuto, '-'));
  for (char c : std::string("01YNynTFtf")) EXPECT_TRUE(AcceptsCharacter(kTypeBoolean, c)) << c;
  for (char c : std::string("2yesXx ")) {
    if (c == 'y') continue;
    EXPECT_FALSE(AcceptsCharacter(kTypeBoolean, c)) << c;
  }
  for (uint8_t type : {kTypeNil, kTypeLookup, kTypeFixedData, kTypePrompt, kTypeCounter,
                       kTypePassDown, kTypePause, kTypeAlphameric, kTypeVariable1, kTypeCompare}) {
    EXPECT_FALSE(AcceptsCharacter(type, '1')) << int(type);
    EXPECT_FALSE(AcceptsCharacter(type, 'A')) << int(type);
  }
}

class FieldEntryTest : public test::SimulatorTest {
 protected:
  void Line(int line, std::string_view type, std::string_view prompt, int max = 80) {
    const std::string p = "form.1.line." + std::to_string(line) + ".";
    Set(p + "type", type);
    Set(p + "prompt", prompt);
    Set(p + "max_length", std::to_string(max));
  }
  // Applies the editor's commit normalisation (extension lengths and marks), then collects.
  void Collect() {
    NormaliseCommittedForms(design.forms);
    Keys({1});
    ASSERT_EQ(sim.state(), EngineState::kForm);
  }
  const std::string& Input(int line) { return sim.line_input(line).text; }
};

TEST_F(FieldEntryTest, MultiTapCommitsByAnotherKeyOrTheSeventhTick) {
  Line(1, "text", "T:");
  Collect();
  Keys({10, 2, 2, 2});
  EXPECT_EQ(sim.pending_letter(), 'C');
  EXPECT_EQ(Input(0), "");
  ASSERT_EQ(host.letters.size(), 3u);
  EXPECT_EQ(host.letters[2].letter, 'C');
  EXPECT_EQ(host.letters[2].column, 2);
  EXPECT_EQ(host.letters[2].row, 0);
  Ticks(6);
  EXPECT_EQ(sim.pending_letter(), 'C');
  Ticks(1);
  EXPECT_EQ(sim.pending_letter(), 0);
  EXPECT_EQ(Input(0), "C");
  EXPECT_EQ(Lcd(0), "T:C");

  Keys({2, 3});
  EXPECT_EQ(Input(0), "CA");
  EXPECT_EQ(sim.pending_letter(), 'D');
  Keys({7, 7, 7, 7, 7});  // P Q R S and round again
  EXPECT_EQ(Input(0), "CAD");
  EXPECT_EQ(sim.pending_letter(), 'P');
  Keys({11, 11, 13, 16, 16, 16, 1, 1});
  EXPECT_EQ(Input(0), "CADP*+%");
  EXPECT_EQ(sim.pending_letter(), ' ');
  Keys({10});  // leaving alpha mode commits the space
  EXPECT_EQ(Input(0), "CADP*+% ");
  Type("5");
  EXPECT_EQ(Input(0), "CADP*+% 5");
}

TEST_F(FieldEntryTest, LetterInAnIntegerFieldIsRejected) {
  Line(1, "integer", "N:");
  Collect();
  Type("42");
  Keys({10, 2});
  Ticks(7);
  EXPECT_EQ(sim.state(), EngineState::kEntryError);
  EXPECT_EQ(Lcd(5), "Wrong data type!");
  EXPECT_FALSE(sim.alpha_mode());
  Keys({18});
  EXPECT_EQ(sim.state(), EngineState::kForm);
  EXPECT_EQ(Input(0), "42");
  EXPECT_EQ(Lcd(0), "N:42");
}

TEST_F(FieldEntryTest, TypingBeyondTheMaximumOverwritesTheLastCharacter) {
  Line(1, "text", "T:", 5);
  Collect();
  Type("123456");
  EXPECT_EQ(Input(0), "12346");
  EXPECT_EQ(Lcd(0), "T:12346");
  Keys({18});
  EXPECT_EQ(Input(0), "1234");
  EXPECT_EQ(Lcd(0), "T:1234");
  Type("9");
  EXPECT_EQ(Lcd(0), "T:12349");
}

TEST_F(FieldEntryTest, ElevenCharactersScrollTheLine) {
  Line(1, "text", "Code:", 20);
  Collect();
  Type("1234567890");
  EXPECT_EQ(Lcd(0), "Code:1234567890");
  EXPECT_EQ(sim.cursor_column(), 15);
  Type("1");
  EXPECT_EQ(Input(0), "12345678901");
  EXPECT_EQ(Lcd(0), "Code:2345678901");
  EXPECT_EQ(sim.line_input(0).scroll, 1);
  EXPECT_EQ(Form(1).current_line(), 0);
  Keys({18});
  EXPECT_EQ(Input(0), "1234567890");
  EXPECT_EQ(Lcd(0), "Code:1234567890");
}

TEST_F(FieldEntryTest, ElevenCharactersContinueOnAnExtensionLine) {
  Line(1, "text", "Code:", 20);
  Line(2, "extension", "");
  Line(3, "text", "X:");
  Collect();
  EXPECT_EQ(Form(1).max_length(1), 9);
  Type("12345678901");
  EXPECT_EQ(Form(1).current_line(), 1);
  EXPECT_EQ(Lcd(0), "Code:12345678901");
  EXPECT_EQ(sim.cursor_row(), 1);
  EXPECT_EQ(sim.cursor_column(), 0);
  // Up from the extension line looks above the field's head line: there is no field there.
  Keys({14});
  EXPECT_EQ(Form(1).current_line(), 1);
  Type("23");
  EXPECT_EQ(Lcd(1), "23");
  // Backspace empties the extension line, then moves back onto the field's own line.
  Keys({18, 18});
  EXPECT_EQ(Lcd(1), "");
  EXPECT_EQ(Form(1).current_line(), 1);
  Keys({18});
  EXPECT_EQ(Form(1).current_line(), 0);
  EXPECT_EQ(Input(0), "1234567890");
  EXPECT_EQ(Lcd(0), "Code:1234567890");
  EXPECT_EQ(sim.cursor_column(), 15);
  EXPECT_EQ(sim.cursor_row(), 0);
}

TEST_F(FieldEntryTest, TypingReplacesAnInitialValue) {
  Line(1, "text", "N:");
  Set("form.1.line.1.initial_value_flag", "1");
  Set("form.1.line.1.initial_value", "OLD");
  Collect();
  EXPECT_EQ(Lcd(0), "N:OLD");
  EXPECT_EQ(sim.cursor_column(), 2);
  Type("7");
  EXPECT_EQ(Input(0), "7");
  EXPECT_EQ(Lcd(0), "N:7");
  EXPECT_EQ(sim.cursor_column(), 3);
}

TEST_F(FieldEntryTest, ReturningToAFieldAndTypingReplacesItsInputAndExtensions) {
  Line(1, "text", "Code:", 20);
  Line(2, "extension", "");
  Line(3, "text", "X:");
  Collect();
  Type("1234567890123");
  Keys({19});
  ASSERT_EQ(Form(1).current_line(), 2);
  Keys({14});
  EXPECT_EQ(Form(1).current_line(), 0);
  EXPECT_EQ(Lcd(1), "23");
  Type("9");
  EXPECT_EQ(Input(0), "9");
  EXPECT_EQ(Input(1), "");
  EXPECT_EQ(Lcd(0), "Code:9");
  EXPECT_EQ(Lcd(1), "");
}

TEST_F(FieldEntryTest, SignColumnOfAnAutoLine) {
  Line(1, "auto(+/-)", "Q:", 5);
  Set("form.1.line.1.lookup_column", "+field 1");
  Line(2, "auto(+/-)", "R:", 5);
  Line(3, "auto(+/-)", "S:", 7);  // no room for a sign column
  Collect();
  EXPECT_EQ(Lcd(0), "Q:     +");
  EXPECT_EQ(Lcd(1), "R:      ");
  EXPECT_EQ(Lcd(2), "S:");
  EXPECT_EQ(sim.cursor_column(), 8);
  Type("1.5");
  EXPECT_EQ(Lcd(0), "Q:     +1.5");
  Keys({60});
  EXPECT_EQ(Lcd(0), "Q:     +");
  EXPECT_EQ(Input(0), "");
  Set("form.1.line.1.lookup_column", "-field 2");
  Keys({51, 1});
  EXPECT_EQ(Lcd(0), "Q:     +");
}

TEST_F(FieldEntryTest, InputMarksFillTheEmptyPartOfTheField) {
  Line(1, "text", "ID:", 6);
  Set("form.1.line.1.input_mark", "_");
  Line(2, "text", "Code:", 20);
  Set("form.1.line.2.input_mark", ".");
  Line(3, "extension", "");
  Collect();
  EXPECT_EQ(Lcd(0), "ID:______");
  Type("12");
  EXPECT_EQ(Lcd(0), "ID:12____");
  Keys({18});
  EXPECT_EQ(Lcd(0), "ID:1_____");
  Keys({19});
  EXPECT_EQ(Lcd(1), "Code:...........");
  EXPECT_EQ(Lcd(2), ".........");
  Type("42");
  EXPECT_EQ(Lcd(1), "Code:42.........");
}

TEST_F(FieldEntryTest, InputMarkFollowsAScrollingLine) {
  Line(1, "text", "Code:", 20);
  Set("form.1.line.1.input_mark", "_");
  Collect();
  Type("12345678901");
  EXPECT_EQ(Lcd(0), "Code:2345678901_");
}

class PassDownTest : public FieldEntryTest {
 protected:
  PassDownTest() {
    Line(1, "text", "A:");
    Set("form.1.record_action", "pass down");
    Set("form.1.stamp.position", "appended to the bottom of a record");
    Set("form.1.next", "form 2");
    Set("settings.delimiter1", "44");  // ","
    Set("form.2.line.1.type", "pass down");
    Set("form.2.line.1.prompt", "P:");
    Set("form.2.line.3.type", "text");
  }
  // "ABC" by multi-tap, leaving alpha mode, then ENTER.
  void EnterAbc() {
    Keys({10, 2});
    Ticks(7);
    Keys({2, 2});
    Ticks(7);
    Keys({2, 2, 2, 10, 19});
  }
};

TEST_F(PassDownTest, CompletedFormPassesItsRecordToTheNextForm) {
  Set("form.2.line.2.type", "extension");
  Collect();
  EnterAbc();
  EXPECT_EQ(sim.record_counter(), 1u);
  EXPECT_EQ(sim.pass_down(), "ABC,2026/03/05,09:07:30");
  ASSERT_EQ(sim.current_id(), 2);
  EXPECT_EQ(Lcd(0), "P:ABC,2026/03/05,09:");
  EXPECT_EQ(Lcd(1), "07:30");
  EXPECT_EQ(Form(2).current_line(), 2);
}

TEST_F(PassDownTest, WithoutAnExtensionLineThePassedTextIsCut) {
  Set("form.1.stamp.split", "0");
  Collect();
  EnterAbc();
  EXPECT_EQ(sim.pass_down(), "ABC,2026/03/0509:07:30");
  EXPECT_EQ(Lcd(0), "P:ABC,2026/03/0509:0");
  EXPECT_EQ(Lcd(1), "");
}

TEST_F(PassDownTest, OtherRecordActionsPassNothingDown) {
  Set("form.1.record_action", "save");
  Collect();
  Type("1");
  Keys({19});
  EXPECT_EQ(sim.pass_down(), "");
  EXPECT_EQ(Lcd(0), "P:");
}

}  // namespace
}  // namespace q700
