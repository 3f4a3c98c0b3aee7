// The Form page: line rules, form and font choices, and the commit into the design.
#include "editor/form_page.h"

#include <gtest/gtest.h>

#include "model/defaults.h"
#include "texts/terminal_texts.h"

namespace q700::editor {
namespace {

using namespace form_offset;

class FormPageTest : public testing::Test {
 protected:
  FormPageTest() {
    ResetDesign(design_, DefaultTerminalTexts());
    page_.Open(design_);
  }

  FormRecord form() { return page_.record(); }

  Design design_;
  TextLoader texts_;
  FormPage page_{texts_};
};

TEST_F(FormPageTest, PromptIsCutToTheLineWidthOfTheFont) {
  EXPECT_EQ(page_.ChangePrompt(0, "ABCDEFGHIJKLMNOP"), std::nullopt);
  EXPECT_EQ(page_.ChangePrompt(0, "ABCDEFGHIJKLMNOPQ"), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(SlotText(form().prompt(0)), "ABCDEFGHIJKLMNOP");

  page_.SelectFont(1);
  EXPECT_EQ(page_.prompt_limit(), 12u);
  EXPECT_EQ(page_.ChangePrompt(1, "ABCDEFGHIJKLM"), "ABCDEFGHIJKL");
  EXPECT_EQ(SlotText(form().prompt(1)), "ABCDEFGHIJKL");
}

TEST_F(FormPageTest, LengthBoxesHoldNumbersUpTo80) {
  page_.SelectType(0, kTypeText);
  EXPECT_EQ(page_.ChangeMaxLength(0, "90"), "80");
  EXPECT_EQ(form().max_length(0), 80);
  EXPECT_EQ(page_.ChangeMaxLength(0, "abc"), "0");
  EXPECT_EQ(form().max_length(0), 0);
  EXPECT_EQ(page_.ChangeMinLength(0, "abc"), "0");
  EXPECT_EQ(form().min_length(0), 0);
  EXPECT_EQ(page_.ChangeMinLength(0, ""), std::nullopt);
  EXPECT_EQ(form().min_length(0), 0);
  EXPECT_EQ(page_.ChangeMinLength(0, "35"), std::nullopt);
  EXPECT_EQ(form().min_length(0), 35);

  // A boolean holds one character whatever is typed.
  page_.SelectType(1, kTypeBoolean);
  page_.ChangeMinLength(1, "5");
  page_.ChangeMaxLength(1, "12");
  EXPECT_EQ(form().min_length(1), 1);
  EXPECT_EQ(form().max_length(1), 1);
}

// Gives line i of the current form every detail a type change may clear.
void FillDetails(FormRecord form, int i) {
  form.line(kCheckDigit, i) = 3;
  form.input_mark(i) = '_';
  form.line(kSuffixFlag, i) = 1;
  SetSlotText(form.suffix(i), "S");
  form.line(kPrefixFlag, i) = 1;
  SetSlotText(form.prefix(i), "P");
  form.line(kAlignment, i) = 2;
  form.line(kFixedLength, i) = 6;
  form.line(kFixedLengthFlag, i) = 1;
  form.line(kInitialFlag, i) = 1;
  SetSlotText(form.initial_value(i), "42");
}

bool DetailsCleared(FormRecord form, int i) {
  return form.line(kCheckDigit, i) == 0 && form.input_mark(i) == 0 &&
         form.line(kSuffixFlag, i) == 0 && form.suffix(i)[0] == 0 &&
         form.line(kPrefixFlag, i) == 0 && form.prefix(i)[0] == 0 &&
         form.line(kAlignment, i) == 0 && form.line(kFixedLength, i) == 0 &&
         form.line(kFixedLengthFlag, i) == 0 && form.line(kInitialFlag, i) == 0 &&
         form.initial_value(i)[0] == 0;
}

bool DetailsKept(FormRecord form, int i) {
  return form.line(kCheckDigit, i) == 3 && form.input_mark(i) == '_' &&
         SlotText(form.suffix(i)) == "S" && SlotText(form.prefix(i)) == "P" &&
         form.line(kFixedLength, i) == 6 && SlotText(form.initial_value(i)) == "42";
}

TEST_F(FormPageTest, TypeChangesBetweenGroupsClearTheDetails) {
  struct Case {
    uint8_t from, to;
    bool clears;
  };
  const Case cases[] = {
      {kTypeText, kTypeFixedData, true},
      {kTypeText, kTypeInteger, false},
      {kTypeText, kTypeNil, true},
      {kTypeLookup, kTypeNil, true},
      {kTypeLookup, kTypeFixedData, false},
      {kTypeAlphameric, kTypePrompt, false},
      {kTypeExtension, kTypeText, true},
      {kTypePause, kTypeLookup, true},
      {kTypeCompare, kTypeText, false},
      {kTypeFixedData, kTypePrompt, true},
      // From lookup to an entry type: every one of text to boolean clears.
      {kTypeLookup, kTypeText, true},
      {kTypeLookup, kTypeInteger, true},
      {kTypeLookup, kTypeReal, true},
      {kTypeLookup, kTypeLetter, true},
      {kTypeLookup, kTypeAuto, true},
      {kTypeLookup, kTypeBoolean, true},
      {kTypeLookup, kTypeAlphameric, false},
      {kTypeCounter, kTypeLookup, true},
      {kTypePause, kTypeBoolean, true},
      {kTypeAlphameric, kTypeText, false},
  };
  for (const Case& c : cases) {
    form().type(0) = c.from;
    FillDetails(form(), 0);
    page_.show_input_mark(0) = true;
    page_.SelectType(0, c.to);
    EXPECT_EQ(form().type(0), c.to);
    EXPECT_EQ(DetailsCleared(form(), 0), c.clears) << int(c.from) << " -> " << int(c.to);
    EXPECT_EQ(DetailsKept(form(), 0), !c.clears) << int(c.from) << " -> " << int(c.to);
    EXPECT_EQ(page_.show_input_mark(0), !c.clears);
  }
}

TEST_F(FormPageTest, PauseReadsTheKeypad) {
  page_.SelectType(2, kTypeText);
  page_.SelectInputSource(2, 0);  // reader
  const LineState state = page_.SelectType(2, kTypePause);
  EXPECT_EQ(form().input_source(2), 1);
  EXPECT_EQ(state.input_source, 1);
  EXPECT_TRUE(state.enabled.prompt);
  EXPECT_TRUE(state.enabled.input_source);
}

TEST_F(FormPageTest, SignedLookupColumnKeepsItsFieldWhenTheTypeLosesTheSign) {
  LineState state = page_.SelectType(0, kTypeInteger);
  ASSERT_EQ(state.lookup_items.size(), 25u);
  EXPECT_EQ(state.lookup_items[0], "nil");
  EXPECT_EQ(state.lookup_items[3], "field 3");
  EXPECT_EQ(state.lookup_items[11], "-field 3");
  EXPECT_EQ(state.lookup_items[19], "+field 3");
  page_.SelectLookupColumn(0, 19);
  EXPECT_EQ(form().lookup_column(0), 19);

  state = page_.SelectType(0, kTypeText);
  ASSERT_EQ(state.lookup_items.size(), 9u);
  EXPECT_EQ(state.lookup, 3);
  EXPECT_EQ(form().lookup_column(0), 3);

  page_.SelectType(1, kTypeReal);
  page_.SelectLookupColumn(1, 16);  // "-field 8"
  EXPECT_EQ(page_.SelectType(1, kTypeBoolean).lookup, 8);
  // The signed entries stay for the types that have them.
  page_.SelectType(2, kTypeVariable2);
  page_.SelectLookupColumn(2, 24);
  EXPECT_EQ(page_.SelectType(2, kTypeAuto).lookup, 24);
}

TEST_F(FormPageTest, LinesTakeInputByTheirType) {
  auto controls = [](uint8_t t) { return LineControlsFor(t); };
  // nil: only the type can change.
  EXPECT_FALSE(controls(kTypeNil).prompt);
  EXPECT_FALSE(controls(kTypeNil).more);
  EXPECT_FALSE(controls(kTypeNil).lookup);
  // boolean: no lengths, but source, lookup and properties.
  EXPECT_TRUE(controls(kTypeBoolean).input_source);
  EXPECT_TRUE(controls(kTypeBoolean).lookup);
  EXPECT_TRUE(controls(kTypeBoolean).more);
  EXPECT_FALSE(controls(kTypeBoolean).min_length);
  // lookup: a lookup column, no input source.
  EXPECT_TRUE(controls(kTypeLookup).lookup);
  EXPECT_FALSE(controls(kTypeLookup).input_source);
  EXPECT_TRUE(controls(kTypeLookup).more);
  // fixed data: its prompt and properties only.
  EXPECT_TRUE(controls(kTypeFixedData).prompt);
  EXPECT_TRUE(controls(kTypeFixedData).more);
  EXPECT_FALSE(controls(kTypeFixedData).max_length);
  // extension: nothing but the type.
  EXPECT_FALSE(controls(kTypeExtension).prompt);
  // pause: prompt and input source, no properties.
  EXPECT_TRUE(controls(kTypePause).input_source);
  EXPECT_FALSE(controls(kTypePause).more);
  EXPECT_FALSE(controls(kTypePause).lookup);
  // compare: everything.
  const LineControls compare = controls(kTypeCompare);
  EXPECT_TRUE(compare.prompt && compare.input_source && compare.min_length && compare.max_length &&
              compare.lookup && compare.more);
}

TEST_F(FormPageTest, LargeFontLocksLinesFiveToEight) {
  for (int i = 0; i < kFormLines; ++i) page_.SelectType(i, kTypeText);
  page_.ChangePrompt(0, "SIXTEEN LETTERS!");
  page_.ChangePrompt(6, "SEVENTH LINE");
  const auto lines = page_.SelectFont(1);
  EXPECT_EQ(form().font_size(), 1);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(lines[i].enabled.prompt) << i;
  for (int i = 4; i < kFormLines; ++i) {
    const LineControls& c = lines[i].enabled;
    EXPECT_FALSE(c.type || c.prompt || c.input_source || c.min_length || c.max_length || c.lookup ||
                 c.more)
        << i;
    EXPECT_EQ(lines[i].type, kTypeText);  // still shown as they were
  }
  // The page does not shorten prompts that are already there.
  EXPECT_EQ(SlotText(form().prompt(0)), "SIXTEEN LETTERS!");

  bool modified = false;
  page_.Apply(design_, modified);
  FormRecord committed = FormAt(design_, 0);
  EXPECT_EQ(SlotText(committed.prompt(0)), "SIXTEEN LETT");
  for (int i = 4; i < kFormLines; ++i) EXPECT_EQ(committed.type(i), kTypeNil) << i;

  // Back to the small font, lines 5 to 8 follow their types again.
  page_.Open(design_);
  const auto small = page_.SelectFont(0);
  EXPECT_TRUE(small[4].enabled.type);
  EXPECT_FALSE(small[4].enabled.prompt);  // now a nil line
}

TEST_F(FormPageTest, ShowingAFormSelectsItsRecord) {
  FormRecord third = FormAt(design_, 2);
  third.font_size() = 1;
  third.escape_target() = 12;
  third.next_target() = 21;
  third.type(0) = kTypeReal;
  SetSlotText(third.prompt(0), "Qty");
  third.max_length(0) = 7;
  page_.Open(design_);

  const FormPageView view = page_.SelectForm(2);
  EXPECT_EQ(view.form, 2);
  EXPECT_EQ(view.font, 1);
  EXPECT_EQ(view.escape_target, 12);
  EXPECT_EQ(view.next_target, 21);
  EXPECT_EQ(view.lines[0].type, kTypeReal);
  EXPECT_EQ(view.lines[0].lookup_items.size(), 25u);
  EXPECT_EQ(view.texts[0].prompt, "Qty");
  EXPECT_EQ(view.texts[0].max_length, "7");
  EXPECT_FALSE(view.lines[5].enabled.type);
  EXPECT_EQ(page_.prompt_limit(), 12u);

  page_.SelectErrorTarget(5);
  page_.SelectRecordAction(3);
  page_.SelectLookupFile(2);
  EXPECT_EQ(FormAt(design_, 2).at(kErrorTarget), 0);  // the design waits for OK
  EXPECT_EQ(form().at(kErrorTarget), 5);
  EXPECT_EQ(form().record_action(), 3);
  EXPECT_EQ(form().at(kLookupFile), 2);
}

TEST_F(FormPageTest, ListsFollowTheTextLoader) {
  const FormPageLists lists = page_.Lists();
  ASSERT_EQ(lists.forms.size(), 10u);
  EXPECT_EQ(lists.forms[9], "form  10");
  ASSERT_EQ(lists.escape_targets.size(), 21u);
  EXPECT_EQ(lists.escape_targets[0], "main");
  EXPECT_EQ(lists.escape_targets[11], "menu  1");
  ASSERT_EQ(lists.next_targets.size(), 22u);
  EXPECT_EQ(lists.next_targets[21], "Beck to the error form");
  ASSERT_EQ(lists.error_targets.size(), 22u);
  EXPECT_EQ(lists.error_targets[0], "Skip error");
  EXPECT_EQ(lists.error_targets[2], "form  1");
  EXPECT_EQ(lists.lookup_files.size(), 4u);
  EXPECT_EQ(lists.record_actions[8], "nothing");
  EXPECT_EQ(lists.types[18], "compare");
  EXPECT_EQ(lists.input_sources[5], "variable3");
}

TEST_F(FormPageTest, MoreOpensTheDialogOfTheLinesType) {
  page_.SelectType(3, kTypeLookup);
  EXPECT_EQ(page_.PressMore(3), FieldDialog::kLookupProperties);
  EXPECT_EQ(page_.detail_line(), 3);
  page_.SelectType(5, kTypeCompare);
  EXPECT_EQ(page_.PressMore(5), FieldDialog::kFieldProperties);
  EXPECT_EQ(page_.detail_line(), 5);
}

TEST_F(FormPageTest, CancelLeavesTheDesignAsItWas) {
  const Design before = design_;
  page_.SelectType(0, kTypeText);
  page_.ChangePrompt(0, "Code");
  page_.SelectFont(1);
  page_.SelectForm(4);
  page_.SelectEscapeTarget(3);
  page_.Cancel();
  EXPECT_EQ(design_, before);
  EXPECT_FALSE(page_.opened());
}

TEST_F(FormPageTest, OkMarksTheDesignModifiedEvenWithoutChanges) {
  bool modified = false;
  const FormCommit commit = page_.Apply(design_, modified);
  EXPECT_TRUE(modified);
  EXPECT_TRUE(commit.restart_simulator);
  EXPECT_TRUE(commit.recount_utilities);
}

TEST_F(FormPageTest, OkChainsExtensionLinesBehindTheirField) {
  page_.SelectType(0, kTypeText);
  page_.ChangePrompt(0, "0123456789");
  page_.ChangeMaxLength(0, "20");
  page_.SelectType(1, kTypeExtension);
  page_.SelectType(2, kTypeExtension);
  bool modified = false;
  page_.Apply(design_, modified);
  FormRecord committed = FormAt(design_, 0);
  EXPECT_EQ(committed.max_length(1), 14);
  EXPECT_EQ(committed.max_length(2), 0);
}

TEST_F(FormPageTest, OkDropsTheDetailsOfLinesWithoutData) {
  page_.SelectType(0, kTypePrompt);
  FillDetails(form(), 0);
  page_.show_input_mark(0) = true;
  bool modified = false;
  page_.Apply(design_, modified);
  FormRecord committed = FormAt(design_, 0);
  EXPECT_EQ(committed.input_mark(0), 0);
  EXPECT_EQ(committed.prefix(0)[0], 0);
  EXPECT_EQ(committed.line(kFixedLength, 0), 0);
  EXPECT_FALSE(page_.show_input_mark(0));
}

}  // namespace
}  // namespace q700::editor
