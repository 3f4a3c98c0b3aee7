// The Lookup page: format choice and delimiter box, number boxes, the no-match list in its two
// forms, Reset, and the apply with the delimited layout and the calculator number.
#include "editor/lookup_page.h"

#include <gtest/gtest.h>

#include "editor/startup_page.h"
#include "page_test_support.h"

namespace q700::editor {
namespace {

class LookupPageTest : public test::PageTest {
 protected:
  LookupPageTest() {
    // Lookup 1 fixed-length, lookup 2 delimited by commas.
    LookupAt(design_, 0).delimiter() = 0;
    LookupAt(design_, 1).delimiter() = 44;
  }

  LookupPage page_{session_};
};

TEST_F(LookupPageTest, ListsOfThePage) {
  const LookupPageLists lists = page_.Lists();
  EXPECT_EQ(lists.lookups,
            (std::vector<std::string>{"1st lookup file", "2nd lookup file", "3rd lookup file"}));
  ASSERT_EQ(lists.field_counts.size(), 9u);
  EXPECT_EQ(lists.field_counts[0], " 0");
  EXPECT_EQ(lists.field_counts[8], " 8");
  EXPECT_EQ(lists.bad_format.size(), 3u);
}

TEST_F(LookupPageTest, FormatChoiceSetsTheControlsAndTheNote) {
  LookupView view = page_.Open(design_);
  EXPECT_FALSE(view.delimited);
  EXPECT_EQ(view.length_label, "   Length");
  EXPECT_EQ(view.note, NoteColour::kRed);
  EXPECT_TRUE(view.member_length_enabled);
  EXPECT_FALSE(view.delimiter_enabled);
  EXPECT_EQ(view.delimiter, "0");

  page_.SelectFieldCount(3);
  view = page_.View();
  EXPECT_TRUE(view.rows[2].offset);
  EXPECT_TRUE(view.rows[2].length);
  EXPECT_TRUE(view.rows[2].key);
  EXPECT_FALSE(view.rows[3].offset);
  EXPECT_FALSE(view.rows[3].length);
  EXPECT_FALSE(view.rows[3].key);

  // Delimiter for a fixed-length lookup: the box showed 0, so tab.
  view = page_.ChooseDelimiter();
  EXPECT_TRUE(view.delimited);
  EXPECT_EQ(view.delimiter, "9");
  EXPECT_EQ(page_.record().delimiter(), 9);
  EXPECT_EQ(view.length_label, "Max Length");
  EXPECT_EQ(view.note, NoteColour::kGreyText);
  EXPECT_FALSE(view.member_length_enabled);
  EXPECT_TRUE(view.delimiter_enabled);
  EXPECT_FALSE(view.rows[0].offset);
  EXPECT_TRUE(view.rows[0].length);
}

// The offset boxes of the rows in use are off while the lookup is delimited: in delimiter mode
// even when the delimiter box was typed back to 0, and whenever a delimiter is stored.
TEST_F(LookupPageTest, OffsetBoxesStayOffWhileDelimited) {
  page_.Open(design_);
  page_.ChooseDelimiter();
  EXPECT_EQ(page_.ChangeDelimiter("0").rewrite, std::nullopt);
  EXPECT_EQ(page_.record().delimiter(), 0);
  auto rows = page_.SelectFieldCount(4);
  for (int k = 0; k < 4; ++k) {
    EXPECT_FALSE(rows[k].offset) << k;
    EXPECT_TRUE(rows[k].length) << k;
    EXPECT_TRUE(rows[k].key) << k;
  }
  EXPECT_FALSE(rows[4].length);
  EXPECT_FALSE(page_.View().rows[0].offset);

  // Fixed-length mode with a stored delimiter.
  page_.ChooseFixedLength();
  EXPECT_TRUE(page_.SelectFieldCount(4)[0].offset);
  page_.ChangeDelimiter("44");
  rows = page_.SelectFieldCount(2);
  EXPECT_FALSE(rows[0].offset);
  EXPECT_FALSE(rows[1].offset);
  EXPECT_TRUE(rows[1].length);
}

TEST_F(LookupPageTest, FixedThenDelimiterGivesBackTheCodeShown) {
  page_.Open(design_);
  EXPECT_EQ(page_.SelectLookup(1).delimiter, "44");
  LookupView view = page_.ChooseFixedLength();
  EXPECT_EQ(page_.record().delimiter(), 0);
  EXPECT_EQ(view.delimiter, "44");  // the disabled box keeps its text
  view = page_.ChooseDelimiter();
  EXPECT_EQ(view.delimiter, "44");
  EXPECT_EQ(page_.record().delimiter(), 44);

  EXPECT_EQ(page_.ChangeDelimiter("124").rewrite, std::nullopt);
  page_.ChooseFixedLength();
  page_.ChooseDelimiter();
  EXPECT_EQ(page_.record().delimiter(), 124);
}

TEST_F(LookupPageTest, DelimiterBoxRefusesCarriageReturnAndLimitsTo255) {
  page_.Open(design_);
  page_.SelectLookup(1);
  DelimiterEntry entry = page_.ChangeDelimiter("13");
  ASSERT_TRUE(entry.message);
  EXPECT_EQ(entry.message->text_id, 1148);
  EXPECT_EQ(entry.message->caption_id, 1122);
  EXPECT_EQ(entry.message->icon, Icon::kWarning);
  EXPECT_EQ(entry.rewrite, "44");
  EXPECT_EQ(page_.record().delimiter(), 44);

  entry = page_.ChangeDelimiter("300");
  EXPECT_FALSE(entry.message);
  EXPECT_EQ(entry.rewrite, "255");
  EXPECT_EQ(page_.record().delimiter(), 255);

  entry = page_.ChangeDelimiter("x");
  EXPECT_EQ(entry.rewrite, "0");
  EXPECT_EQ(page_.record().delimiter(), 0);
  entry = page_.ChangeDelimiter("");
  EXPECT_EQ(entry.rewrite, std::nullopt);
  EXPECT_EQ(page_.record().delimiter(), 0);
}

TEST_F(LookupPageTest, NumberBoxes) {
  page_.Open(design_);
  EXPECT_EQ(page_.ChangeLength(2, "300"), "255");
  EXPECT_EQ(page_.record().field_length(2), 255);
  EXPECT_EQ(page_.ChangeLength(2, ""), std::nullopt);  // cleared: stays empty, stores 0
  EXPECT_EQ(page_.record().field_length(2), 0);
  EXPECT_EQ(page_.ChangeOffset(7, "a"), "0");
  EXPECT_EQ(page_.ChangeOffset(7, "12"), std::nullopt);
  EXPECT_EQ(page_.record().field_offset(7), 12);

  EXPECT_EQ(page_.ChangeMemberLength(""), "0");  // cleared: shows "0"
  EXPECT_EQ(page_.record().member_length(), 0);
  EXPECT_EQ(page_.ChangeMemberLength("007"), "7");
  EXPECT_EQ(page_.record().member_length(), 7);
  EXPECT_EQ(page_.ChangeMemberLength("0"), std::nullopt);
  EXPECT_EQ(page_.ChangeMemberLength("256"), "255");
  EXPECT_EQ(page_.record().member_length(), 255);
}

TEST_F(LookupPageTest, ReadOnceActionKeepsItsStoredFormThroughApplies) {
  LookupRecord stored = LookupAt(design_, 2);
  stored.read_once() = 1;
  stored.no_match_action() = 5;  // "Show warning message & Insert" with read-once
  LookupView view = page_.Open(design_);
  view = page_.SelectLookup(2);
  EXPECT_EQ(view.no_match_items,
            (std::vector<std::string>{"Insert to lookup file", "Show warning message & Insert"}));
  EXPECT_EQ(view.no_match, 1);
  EXPECT_EQ(page_.record().no_match_action(), 3);
  page_.Apply(design_);
  EXPECT_EQ(LookupAt(design_, 2).no_match_action(), 5);

  // A second sheet that never shows lookup 3.
  LookupPage again(session_);
  again.Open(design_);
  again.Apply(design_);
  EXPECT_EQ(LookupAt(design_, 2).no_match_action(), 5);
}

TEST_F(LookupPageTest, ReadOnceBoxSwitchesTheNoMatchList) {
  page_.Open(design_);
  page_.SelectNoMatch(3);  // "Show warning message & Insert"
  LookupView view = page_.ClickReadOnce();
  EXPECT_EQ(view.no_match_items.size(), 2u);
  EXPECT_EQ(view.no_match, 1);
  EXPECT_EQ(page_.record().no_match_action(), 3);
  page_.SelectNoMatch(0);
  EXPECT_EQ(page_.record().no_match_action(), 2);
  view = page_.ClickReadOnce();
  EXPECT_EQ(view.no_match_items.size(), 6u);
  EXPECT_EQ(view.no_match, 2);

  // "Clear the screen" cannot be shown with read-once: the entry shown is what is stored.
  page_.SelectNoMatch(4);
  view = page_.ClickReadOnce();
  EXPECT_EQ(view.no_match, 0);
  EXPECT_EQ(page_.record().no_match_action(), 2);
  page_.Apply(design_);
  EXPECT_EQ(LookupAt(design_, 0).no_match_action(), 4);
}

TEST_F(LookupPageTest, SelectingTheSameLookupNeverChangesIt) {
  LookupAt(design_, 1).field_count() = 2;
  page_.Open(design_);
  page_.SelectLookup(1);
  const std::vector<uint8_t> before(page_.record().bytes().begin(), page_.record().bytes().end());
  for (int i = 0; i < 3; ++i) page_.SelectLookup(1);
  EXPECT_EQ(std::vector<uint8_t>(page_.record().bytes().begin(), page_.record().bytes().end()),
            before);
}

TEST_F(LookupPageTest, ApplyComputesTheDelimitedLayout) {
  page_.Open(design_);
  page_.SelectLookup(1);
  page_.SelectFieldCount(3);
  page_.ChangeLength(0, "5");
  page_.ChangeLength(1, "10");
  page_.ChangeLength(2, "3");
  page_.ChangeOffset(3, "99");  // beyond the field count: left alone
  page_.SelectLookup(0);
  page_.SelectFieldCount(2);
  page_.ChangeMemberLength("30");
  page_.ChangeOffset(1, "20");
  page_.Apply(design_);

  LookupRecord delimited = LookupAt(design_, 1);
  EXPECT_EQ(delimited.member_length(), 20);
  EXPECT_EQ(delimited.field_offset(0), 1);
  EXPECT_EQ(delimited.field_offset(1), 7);
  EXPECT_EQ(delimited.field_offset(2), 18);
  EXPECT_EQ(delimited.field_offset(3), 99);
  LookupRecord fixed = LookupAt(design_, 0);
  EXPECT_EQ(fixed.member_length(), 30);  // what the user entered
  EXPECT_EQ(fixed.field_offset(1), 20);
}

TEST_F(LookupPageTest, ApplyNumbersTheCalculatorItem) {
  StartupPage startup(session_, design_);
  startup.Open();
  EXPECT_EQ(Row(startup.staging_row(25, 3)), "8.Calculator    ");

  page_.Open(design_);
  page_.SelectLookup(1);
  page_.ChangeMemberLength("20");  // ignored for a delimited file: the layout decides
  page_.SelectFieldCount(2);
  page_.Apply(design_);
  EXPECT_EQ(defaults_.Get(kCalculatorSmall), "9.Calculator    ");
  EXPECT_EQ(defaults_.Get(kCalculatorLarge), "9.Calculator");
  EXPECT_EQ(Row(startup.staging_row(25, 3)), "9.Calculator    ");

  // Undefining it again gives "8".
  LookupPage again(session_);
  again.Open(design_);
  again.SelectLookup(1);
  again.SelectFieldCount(0);
  again.Apply(design_);
  EXPECT_EQ(defaults_.Get(kCalculatorSmall), "8.Calculator    ");
  EXPECT_EQ(Row(startup.staging_row(25, 3)), "8.Calculator    ");
}

TEST_F(LookupPageTest, CancelLeavesTheDesignAndTheDefaults) {
  const Design before = design_;
  page_.Open(design_);
  page_.SelectLookup(1);
  page_.SelectFieldCount(2);
  page_.ChangeLength(0, "4");
  page_.Cancel();
  EXPECT_EQ(design_, before);
  EXPECT_EQ(defaults_.Get(kCalculatorSmall), "8.Calculator    ");
}

TEST_F(LookupPageTest, ResetKeepsOnlyTheDeleteIfEmptyFlag) {
  LookupRecord stored = LookupAt(design_, 2);
  stored.delete_if_empty() = 1;
  stored.read_once() = 1;
  stored.field_count() = 4;
  stored.field_length(1) = 8;
  stored.field_offset(1) = 9;
  stored.upload_flag() = 0;
  stored.negative_remains() = 1;
  stored.bad_format_action() = 2;
  page_.Open(design_);
  page_.SelectLookup(2);
  const LookupView view = page_.Reset();
  EXPECT_EQ(view.lookup, 0);
  EXPECT_FALSE(view.delimited);
  EXPECT_EQ(view.delimiter, "0");
  page_.Apply(design_);
  for (int i = 0; i < kLookupCount; ++i) {
    LookupRecord lookup = LookupAt(design_, i);
    EXPECT_EQ(lookup.delimiter(), 0) << i;
    EXPECT_EQ(lookup.field_count(), 0) << i;
    EXPECT_EQ(lookup.field_offset(1), 1) << i;
    EXPECT_EQ(lookup.field_length(1), 0) << i;
    EXPECT_EQ(lookup.upload_flag(), 1) << i;
    EXPECT_EQ(lookup.read_once(), 0) << i;
    EXPECT_EQ(lookup.negative_remains(), 0) << i;
    EXPECT_EQ(lookup.bad_format_action(), 0) << i;
  }
  EXPECT_EQ(LookupAt(design_, 2).delete_if_empty(), 1);
}

}  // namespace
}  // namespace q700::editor
