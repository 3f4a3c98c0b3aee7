// The properties dialogs of a form line: corrections of typed values, enabling, OK and Cancel.
#include <gtest/gtest.h>

#include "editor/field_properties_logic.h"
#include "editor/lookup_properties_logic.h"
#include "editor/pickers.h"
#include "model/defaults.h"
#include "texts/terminal_texts.h"

namespace q700::editor {
namespace {

using namespace form_offset;

class FieldPropertiesTest : public testing::Test {
 protected:
  FieldPropertiesTest() { ResetDesign(design_, DefaultTerminalTexts()); }

  FormRecord form() { return FormAt(design_, 1); }
  FieldPropertiesDialog Dialog(uint8_t type, int line = 2) {
    form().type(line) = type;
    return FieldPropertiesDialog(form(), 1, line, show_mark_, texts_);
  }

  Design design_;
  TextLoader texts_;
  bool show_mark_ = false;
};

TEST_F(FieldPropertiesTest, InitialValueKeepsWhatTheTypeAccepts) {
  EXPECT_EQ(FitInitialValue(kTypeReal, "12.5.3"), "1253");
  EXPECT_EQ(FitInitialValue(kTypeReal, "12.5"), "12.5");
  EXPECT_EQ(FitInitialValue(kTypeAuto, "1.2.3"), "123");
  EXPECT_EQ(FitInitialValue(kTypeInteger, "1.5a2"), "152");
  EXPECT_EQ(FitInitialValue(kTypeBoolean, "x"), "");
  EXPECT_EQ(FitInitialValue(kTypeBoolean, "Y"), "Y");
  EXPECT_EQ(FitInitialValue(kTypeBoolean, "0"), "0");
  EXPECT_EQ(FitInitialValue(kTypeAlphameric, "AB12-CD"), "AB12");
  EXPECT_EQ(FitInitialValue(kTypeAlphameric, "-AB"), "");
  EXPECT_EQ(FitInitialValue(kTypeText, "twelve chars"), "twelve ch");
  EXPECT_EQ(FitInitialValue(kTypeLetter, "a.b"), "a.b");

  FieldPropertiesDialog real = Dialog(kTypeReal);
  real.Open();
  EXPECT_EQ(real.ChangeInitialValue("12.5.3"), "1253");
  EXPECT_EQ(SlotText(form().initial_value(2)), "1253");
  EXPECT_EQ(real.ChangeInitialValue("12.5"), std::nullopt);
  EXPECT_EQ(SlotText(form().initial_value(2)), "12.5");

  FieldPropertiesDialog boolean = Dialog(kTypeBoolean, 3);
  boolean.Open();
  EXPECT_EQ(boolean.ChangeInitialValue("x"), "");
  EXPECT_EQ(SlotText(form().initial_value(3)), "");
}

TEST_F(FieldPropertiesTest, ShortGs1CodeKeepsTheDialogOpen) {
  form().line(kPartialMode, 2) = 2;
  FieldPropertiesDialog dialog = Dialog(kTypeText);
  const FieldPropertiesView view = dialog.Open();
  EXPECT_TRUE(view.gs1_part.checked);
  EXPECT_TRUE(view.gs1_code_edit);

  dialog.ChangeGs1Code("9");
  const DialogOk refused = dialog.Ok();
  EXPECT_FALSE(refused.close);
  ASSERT_TRUE(refused.message);
  EXPECT_EQ(refused.message->caption_utf8, "Предупреждение");
  EXPECT_EQ(refused.message->text_utf8, "Слишком короткий код GS1 (минимум 2 символа)");
  EXPECT_EQ(refused.message->icon, Icon::kWarning);
  EXPECT_EQ(form().gs1_code(2)[0], 0);

  EXPECT_EQ(dialog.ChangeGs1Code("91"), std::nullopt);
  const DialogOk accepted = dialog.Ok();
  EXPECT_TRUE(accepted.close);
  EXPECT_FALSE(accepted.message);
  const Bytes gs1 = form().gs1_code(2);
  EXPECT_EQ(gs1[0], '9');
  EXPECT_EQ(gs1[1], '1');
  EXPECT_EQ(gs1[2], 0);
  EXPECT_EQ(gs1[3], 0);
  // Outside the GS1 part the code is not checked.
  form().line(kPartialMode, 4) = 1;
  FieldPropertiesDialog barcode = Dialog(kTypeText, 4);
  barcode.Open();
  EXPECT_TRUE(barcode.Ok().close);
}

TEST_F(FieldPropertiesTest, PartialBarcodeModesEnableTheirControls) {
  form().line(kPartialStart, 2) = 0;
  form().line(kPartialLength, 2) = 81;
  FieldPropertiesDialog dialog = Dialog(kTypeText);
  FieldPropertiesView v = dialog.Open();
  EXPECT_EQ(form().line(kPartialStart, 2), 1);
  EXPECT_EQ(form().line(kPartialLength, 2), 80);
  EXPECT_EQ(dialog.Texts().max_length, "80");
  EXPECT_FALSE(v.partial.checked);
  EXPECT_FALSE(v.barcode_part.enabled || v.gs1_part.enabled || v.save_full.enabled);
  EXPECT_FALSE(v.start_position_edit || v.max_length_edit);

  // The radio buttons do nothing while partial reading is off.
  v = dialog.ClickGs1Part();
  EXPECT_EQ(form().line(kPartialMode, 2), 0);

  v = dialog.ClickPartial();
  EXPECT_EQ(form().line(kPartialMode, 2), 1);
  EXPECT_TRUE(v.barcode_part.checked);
  EXPECT_TRUE(v.start_position_edit && v.max_length_edit && v.save_full.enabled);
  EXPECT_FALSE(v.gs1_code_edit || v.cut_gs1.enabled);

  v = dialog.ClickGs1Part();
  EXPECT_EQ(form().line(kPartialMode, 2), 2);
  EXPECT_TRUE(v.gs1_code_edit && v.cut_gs1.enabled);
  EXPECT_FALSE(v.start_position_edit || v.max_length_edit);
  v = dialog.ClickCutGs1();
  EXPECT_EQ(form().line(kPartialMode, 2), 3);
  EXPECT_TRUE(v.cut_gs1.checked);

  v = dialog.ClickPartial();
  EXPECT_EQ(form().line(kPartialMode, 2), 0);
  EXPECT_FALSE(v.gs1_code_edit || v.barcode_part.enabled);
}

TEST_F(FieldPropertiesTest, StartPositionAndSaveFullBarcode) {
  form().line(kPartialMode, 2) = 1;
  FieldPropertiesDialog dialog = Dialog(kTypeText);
  dialog.Open();
  EXPECT_EQ(dialog.ChangeStartPosition("abc"), "1");
  EXPECT_EQ(form().line(kPartialStart, 2), 1);
  EXPECT_EQ(dialog.ChangeStartPosition(""), std::nullopt);
  EXPECT_EQ(form().line(kPartialStart, 2), 0);
  EXPECT_EQ(dialog.ChangeMaxLength("95"), "80");
  dialog.ClickSaveFull();
  ASSERT_TRUE(dialog.Ok().close);
  EXPECT_EQ(form().line(kPartialStart, 2), 0x81);  // start 1, full barcode saved

  FieldPropertiesDialog again = Dialog(kTypeText);
  EXPECT_TRUE(again.Open().save_full.checked);
  EXPECT_EQ(again.Texts().start_position, "1");
  EXPECT_EQ(again.ChangeStartPosition("12"), std::nullopt);
  again.ClickSaveFull();
  again.Ok();
  EXPECT_EQ(form().line(kPartialStart, 2), 12);
}

TEST_F(FieldPropertiesTest, UntickedInputMarkIsDroppedAtOk) {
  form().input_mark(2) = '*';
  FieldPropertiesDialog dialog = Dialog(kTypeText);
  EXPECT_TRUE(dialog.Open().input_mark.checked);
  EXPECT_TRUE(show_mark_);
  EXPECT_EQ(dialog.Texts().input_mark, "*");
  EXPECT_EQ(dialog.ChangeInputMark("#"), std::nullopt);
  EXPECT_EQ(form().input_mark(2), '#');
  EXPECT_EQ(dialog.ChangeInputMark("abc"), "a");
  EXPECT_EQ(form().input_mark(2), 'a');
  EXPECT_FALSE(dialog.ClickInputMark().input_mark_edit);
  dialog.Ok();
  EXPECT_EQ(form().input_mark(2), 0);
  EXPECT_FALSE(show_mark_);
}

TEST_F(FieldPropertiesTest, CancelPutsTheLineBack) {
  form().line(kPartialLength, 2) = 0;
  form().input_mark(2) = '-';
  form().type(2) = kTypeText;
  const Design before = design_;
  FieldPropertiesDialog dialog = Dialog(kTypeText);
  dialog.Open();
  dialog.ClickFixedLength();
  dialog.ChangeFixedLength("300");
  dialog.ClickPrefix();
  dialog.ClickInputMark();
  dialog.ClickCheckDigit();
  dialog.ChangeLeadingCode("LEAD");
  dialog.Cancel();
  EXPECT_EQ(design_, before);
  EXPECT_TRUE(show_mark_);
}

TEST_F(FieldPropertiesTest, BoxesOfNumbersAndCodes) {
  FieldPropertiesDialog dialog = Dialog(kTypeText);
  dialog.Open();
  EXPECT_EQ(dialog.ChangeFixedLength("300"), "255");
  EXPECT_EQ(form().line(kFixedLength, 2), 255);
  EXPECT_EQ(dialog.ChangeFixedLength("x"), "0");
  EXPECT_EQ(form().line(kFixedLength, 2), 0);

  EXPECT_EQ(dialog.ChangeLeadingCode("ABCDEFGH"), "ABCDEF");
  const Bytes lead = form().leading_code(2);
  EXPECT_EQ(std::string(lead.begin(), lead.end()), "ABCDEF");  // no room for a terminator
  EXPECT_EQ(form().line(kLeadingCode, 3), 0);
  EXPECT_EQ(dialog.ChangeGs1Code("12345"), "1234");
}

TEST_F(FieldPropertiesTest, CheckDigitListFollowsItsCheckBox) {
  FieldPropertiesDialog dialog = Dialog(kTypeInteger);
  FieldPropertiesView v = dialog.Open();
  EXPECT_FALSE(v.check_digit.checked);
  EXPECT_FALSE(v.check_digit_list);
  EXPECT_EQ(v.check_digit_method, 0);
  v = dialog.ClickCheckDigit();
  EXPECT_EQ(form().line(kCheckDigit, 2), 1);
  EXPECT_TRUE(v.check_digit_list);
  v = dialog.SelectCheckDigit(7);
  EXPECT_EQ(form().line(kCheckDigit, 2), 8);
  EXPECT_EQ(v.check_digit_method, 7);
  dialog.ClickCheckDigit();
  EXPECT_EQ(form().line(kCheckDigit, 2), 0);
}

TEST_F(FieldPropertiesTest, ControlsThatDependOnTheType) {
  FieldPropertiesDialog fixed = Dialog(kTypeFixedData);
  form().line(kInitialFlag, 2) = 1;
  const FieldPropertiesView f = fixed.Open();
  EXPECT_FALSE(f.initial_value.enabled || f.initial_value_edit);
  EXPECT_FALSE(f.input_mark.enabled || f.input_mark_edit);
  EXPECT_FALSE(f.decimal_places_enabled);

  FieldPropertiesDialog real = Dialog(kTypeReal, 5);
  const FieldPropertiesView r = real.Open();
  EXPECT_TRUE(r.decimal_places_enabled);
  EXPECT_TRUE(r.initial_value.enabled);
  EXPECT_EQ(real.SelectDecimalPlaces(6).decimal_places, 6);
  EXPECT_EQ(LoadFieldPropertiesLists(texts_).decimal_places.size(), 7u);
}

TEST_F(FieldPropertiesTest, PrefixAndSuffixComeFromTheirPickerBoxesAtOk) {
  SetSlotText(form().suffix(2), "Z");
  FieldPropertiesDialog dialog = Dialog(kTypeText);
  dialog.Open();
  EXPECT_EQ(dialog.Texts().suffix, " Z");
  KeySequencePicker picker(dialog.prefix_box(), kCodeSequenceCapacity, texts_);
  picker.Open();
  picker.Click('A');
  picker.Click(13);  // Enter cannot be chosen
  picker.Click(15);  // F1
  EXPECT_EQ(picker.Ok(), " A F1");
  EXPECT_EQ(form().prefix(2)[0], 0);  // not before OK
  dialog.Ok();
  EXPECT_EQ(form().prefix(2)[0], 'A');
  EXPECT_EQ(form().prefix(2)[1], 15);
  EXPECT_EQ(form().prefix(2)[2], 0);
  EXPECT_EQ(SlotText(form().suffix(2)), "Z");
}

TEST_F(FieldPropertiesTest, LookupLineSavesItsDataOrNothing) {
  form().type(1) = kTypeLookup;
  form().input_mark(1) = '.';
  LookupPropertiesDialog dialog(form(), 1, texts_);
  LookupPropertiesView v = dialog.Open();
  EXPECT_FALSE(v.save_field_data.checked);
  EXPECT_FALSE(v.fixed_length.enabled || v.prefix.enabled || v.suffix.enabled);

  v = dialog.ClickSaveFieldData();
  EXPECT_EQ(form().line(kInitialFlag, 1), 1);
  EXPECT_TRUE(v.fixed_length.enabled && v.prefix.enabled && v.suffix.enabled);
  v = dialog.ClickPrefix();
  EXPECT_TRUE(v.prefix_box);
  EXPECT_EQ(dialog.ChangeFixedLength("256"), "255");
  dialog.Ok();
  EXPECT_EQ(form().input_mark(1), 0);
  EXPECT_EQ(form().line(kFixedLength, 1), 255);

  const Design before = design_;
  LookupPropertiesDialog cancelled(form(), 1, texts_);
  cancelled.Open();
  cancelled.ClickSaveFieldData();
  cancelled.ChangeFixedLength("7");
  cancelled.Cancel();
  EXPECT_EQ(design_, before);
}

}  // namespace
}  // namespace q700::editor
