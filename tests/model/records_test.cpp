// Derived bytes of the records: menu item counts, the delimited lookup layout and the
// normalisation of forms when the editor commits them.
#include <gtest/gtest.h>

#include <string>

#include "model/defaults.h"
#include "model/form_record.h"
#include "model/lookup_record.h"
#include "model/menu_record.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

Design NewDesign() {
  TextLoader loader;
  DefaultTerminalTexts texts;
  RefillTerminalTexts(loader, texts);
  Design d;
  ResetDesign(d, texts);
  return d;
}

TEST(MenuItemCount, CountsItemsWithAVisibleCharacterWithinTheLineWidth) {
  Design d = NewDesign();
  MenuRecord menu = MenuAt(d, 0);
  SetSlotText(menu.item_text(0), "Stock");
  SetSlotText(menu.item_text(1), "     ");  // blanks only
  SetSlotText(menu.item_text(2), "Orders");
  EXPECT_EQ(CountMenuItems(menu), 2);

  SetSlotText(menu.item_text(3), "\xC4pfel");  // a letter of the upper half of the code page
  EXPECT_EQ(CountMenuItems(menu), 3);

  // Thirteen blanks then a letter: visible with 16 columns, not within 12.
  SetSlotText(menu.item_text(4), "             X");
  EXPECT_EQ(CountMenuItems(menu), 4);
  menu.font_size() = 1;
  EXPECT_EQ(CountMenuItems(menu), 3);

  UpdateMenuItemCounts(d.menus);
  EXPECT_EQ(MenuAt(d, 0).item_count(), 3);
  EXPECT_EQ(MenuAt(d, 1).item_count(), 0);
}

TEST(DelimitedLayout, OffsetsFollowTheFieldLengthsAndOneDelimiter) {
  Design d = NewDesign();
  LookupRecord lookup = LookupAt(d, 1);
  lookup.field_count() = 3;
  lookup.field_length(0) = 5;
  lookup.field_length(1) = 10;
  lookup.field_length(2) = 3;
  lookup.field_offset(5) = 77;  // beyond the field count: left alone
  ApplyDelimitedLayout(lookup);
  EXPECT_EQ(lookup.member_length(), 20);
  EXPECT_EQ(lookup.field_offset(0), 1);
  EXPECT_EQ(lookup.field_offset(1), 7);
  EXPECT_EQ(lookup.field_offset(2), 18);
  EXPECT_EQ(lookup.field_offset(5), 77);
  EXPECT_TRUE(lookup.defined());
  EXPECT_TRUE(AnyLookupDefined(d.lookups));
}

TEST(DelimitedLayout, NoFieldsGiveMemberLength255AndStayUndefined) {
  Design d = NewDesign();
  LookupRecord lookup = LookupAt(d, 0);
  lookup.field_offset(0) = 9;
  ApplyDelimitedLayout(lookup);
  EXPECT_EQ(lookup.member_length(), 255);
  EXPECT_EQ(lookup.field_offset(0), 1);
  EXPECT_FALSE(lookup.defined());
  EXPECT_FALSE(AnyLookupDefined(d.lookups));
}

class FormCommitTest : public ::testing::Test {
 protected:
  Design d_ = NewDesign();
  FormRecord form_ = FormAt(d_, 0);
};

TEST_F(FormCommitTest, LargeFontTurnsLines5To8IntoNilLinesKeepingTheirBytes) {
  form_.font_size() = 1;
  for (int i = 0; i < 6; ++i) {
    form_.type(i) = kTypeText;
    SetSlotText(form_.prompt(i), "Quantity on hand");
    form_.max_length(i) = 20;
  }
  form_.line(form_offset::kPrefixFlag, 4) = 1;
  NormaliseCommittedForms(d_.forms);
  EXPECT_EQ(form_.type(4), kTypeNil);
  EXPECT_EQ(form_.type(5), kTypeNil);
  EXPECT_EQ(SlotText(form_.prompt(4)), "Quantity on hand");
  EXPECT_EQ(form_.line(form_offset::kPrefixFlag, 4), 1);
  EXPECT_EQ(form_.type(3), kTypeText);
  // Lines 1 to 4 are cut to the 12 columns of the large font.
  EXPECT_EQ(SlotText(form_.prompt(0)), "Quantity on ");
}

TEST_F(FormCommitTest, LengthsAreCappedAndTheMinimumKeptAtMostTheMaximum) {
  form_.type(0) = kTypeText;
  form_.min_length(0) = 30;
  form_.max_length(0) = 20;
  form_.type(1) = kTypeInteger;
  form_.min_length(1) = 100;
  form_.max_length(1) = 120;
  NormaliseCommittedForms(d_.forms);
  EXPECT_EQ(form_.min_length(0), 20);
  EXPECT_EQ(form_.max_length(0), 20);
  EXPECT_EQ(form_.min_length(1), 80);
  EXPECT_EQ(form_.max_length(1), 80);
}

TEST_F(FormCommitTest, ExtensionLinesContinueTheFieldAbove) {
  form_.type(0) = kTypeText;
  SetSlotText(form_.prompt(0), "Descrip.  ");  // 10 characters
  form_.max_length(0) = 20;
  form_.auto_enter(0) = 3;
  form_.input_mark(0) = '_';
  form_.type(1) = kTypeExtension;
  form_.type(2) = kTypeExtension;
  SetSlotText(form_.prompt(2), "old");
  form_.lookup_column(2) = 4;
  NormaliseCommittedForms(d_.forms);
  EXPECT_EQ(form_.max_length(1), 14);
  EXPECT_EQ(form_.max_length(2), 0);
  EXPECT_EQ(form_.auto_enter(1), 3);
  EXPECT_EQ(form_.input_mark(2), '_');
  // Extension lines are cleared but keep the chained values.
  EXPECT_EQ(SlotText(form_.prompt(2)), "");
  EXPECT_EQ(form_.lookup_column(2), 0);
  EXPECT_EQ(form_.input_source(2), 2);
  EXPECT_EQ(form_.line(form_offset::kPartialLength, 2), 20);
}

TEST_F(FormCommitTest, NilLinesAreClearedToTheirDefaults) {
  form_.type(6) = kTypeNil;
  SetSlotText(form_.prompt(6), "left over");
  form_.max_length(6) = 12;
  form_.auto_enter(6) = 0;
  form_.input_mark(6) = '*';
  form_.line(form_offset::kSuffixFlag, 6) = 1;
  SetSlotText(form_.suffix(6), "\r\n");
  NormaliseCommittedForms(d_.forms);
  EXPECT_EQ(form_.prompt(6)[0], 0);
  EXPECT_EQ(form_.max_length(6), 80);
  EXPECT_EQ(form_.auto_enter(6), 1);
  EXPECT_EQ(form_.input_mark(6), 0);
  EXPECT_EQ(form_.line(form_offset::kSuffixFlag, 6), 0);
  EXPECT_EQ(form_.suffix(6)[1], 0);
}

TEST_F(FormCommitTest, LinesWithoutDataLoseTheirDetailsBeforeTheCopy) {
  const auto give_details = [&](int i, uint8_t type) {
    form_.type(i) = type;
    form_.line(form_offset::kPrefixFlag, i) = 1;
    SetSlotText(form_.prefix(i), "P");
    form_.line(form_offset::kFixedLengthFlag, i) = 1;
    form_.line(form_offset::kFixedLength, i) = 6;
    form_.input_mark(i) = '.';
  };
  give_details(0, kTypeText);
  give_details(1, kTypePrompt);
  give_details(2, kTypeLookup);  // without "Save field data"
  give_details(3, kTypeLookup);
  form_.line(form_offset::kInitialFlag, 3) = 1;  // "Save field data"
  give_details(4, kTypeFixedData);
  ClearUnusedDetails(d_.forms);
  for (int i : {0, 3, 4}) {
    EXPECT_EQ(form_.line(form_offset::kPrefixFlag, i), 1) << "line " << i;
    EXPECT_EQ(form_.line(form_offset::kFixedLength, i), 6) << "line " << i;
  }
  for (int i : {1, 2}) {
    EXPECT_EQ(form_.line(form_offset::kPrefixFlag, i), 0) << "line " << i;
    EXPECT_EQ(form_.prefix(i)[0], 0) << "line " << i;
    EXPECT_EQ(form_.line(form_offset::kFixedLengthFlag, i), 0) << "line " << i;
    EXPECT_EQ(form_.input_mark(i), 0) << "line " << i;
  }
}

TEST_F(FormCommitTest, LinesThatCannotLookAnythingUpLoseTheirLookupColumn) {
  form_.type(0) = kTypeInteger;
  form_.lookup_column(0) = 19;  // "+field 3"
  form_.type(1) = kTypeCounter;
  form_.lookup_column(1) = 2;
  form_.type(2) = kTypeLookup;
  form_.lookup_column(2) = 2;
  NormaliseCommittedForms(d_.forms);
  EXPECT_EQ(form_.lookup_column(0), 19);
  EXPECT_EQ(form_.lookup_column(1), 0);
  EXPECT_EQ(form_.lookup_column(2), 2);
}

}  // namespace
}  // namespace q700
