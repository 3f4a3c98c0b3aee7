// The message groups of the terminal's screen texts and the refill on a change of system font.
#include <gtest/gtest.h>

#include <string>

#include "model/defaults.h"
#include "model/message_groups.h"
#include "model/settings_block.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

class MessageGroupsTest : public ::testing::Test {
 protected:
  MessageGroupsTest() {
    RefillTerminalTexts(loader_, defaults_);
    ResetDesign(design_, defaults_);
    FillStagingFromDesign(design_, staging_);
  }

  std::string Row(int group, int row) const {
    return SlotText(ConstBytes(staging_[group][row].data(), kStagingRowSize));
  }

  TextLoader loader_;
  DefaultTerminalTexts defaults_;
  Design design_;
  StagingTable staging_{};
};

TEST_F(MessageGroupsTest, RowsMapToTheirSlotsIncludingTheExtraMenuTexts) {
  EXPECT_EQ(Row(0, 0), "1.Collect   ");
  EXPECT_EQ(Row(6, 0), "1.Upload Port   ");  // set 13 line 1: the title line is not a row
  EXPECT_EQ(Row(6, 6), "7.Buzzer        ");  // settings byte 171
  EXPECT_EQ(Row(6, 7), "8.View Settings ");
  EXPECT_EQ(Row(25, 2), "[ ESC ]: Cancel ");
  EXPECT_EQ(Row(25, 3), "8.Calculator    ");
  EXPECT_EQ(Row(25, 4), "1.Key Click     ");  // byte 192: the buzzer text is skipped
  EXPECT_EQ(Row(25, 6), "3.Warning Beep  ");
  EXPECT_TRUE(GroupRowSlot(design_, 0, 3).empty());  // the main menu's fourth line is no row
}

TEST_F(MessageGroupsTest, RowsAndWidthsFollowTheFont) {
  EXPECT_EQ(GroupRows(7, false), 6);
  EXPECT_EQ(GroupRows(7, true), 5);
  EXPECT_EQ(GroupRows(3, false), 4);
  EXPECT_EQ(GroupWidth(1, false), 16);
  EXPECT_EQ(GroupWidth(1, true), 12);
  EXPECT_EQ(GroupWidth(2, false), 12);
  EXPECT_EQ(GroupCaption(loader_, 1, true), "Utilities (8x12)");
  EXPECT_EQ(GroupCaption(loader_, 3, false), "Confirm (3x12)");  // the tag is a label only
  EXPECT_EQ(GroupCaption(loader_, 7, true), "Upload Port (4x12)");
  EXPECT_EQ(GroupCaption(loader_, 25, false), "Misc - continuous (7x16)");
}

TEST_F(MessageGroupsTest, LargeFontRefillsOnlyTheFontDependentGroups) {
  SetSlotText(Bytes(staging_[2][0]), "Edited!!    ");  // a fixed-width group
  RefillFontGroups(staging_, true, 0, defaults_, loader_);
  EXPECT_EQ(Row(1, 0), "1.Settings  ");
  EXPECT_EQ(Row(1, 1), "2.BrowseData");
  EXPECT_EQ(Row(6, 6), "7.Buzzer    ");
  EXPECT_EQ(Row(6, 0), "1.Upload    ");
  EXPECT_EQ(Row(7, 3), "3. Modem    ");
  EXPECT_EQ(Row(25, 3), "8.Calculator");
  EXPECT_EQ(Row(2, 0), "Edited!!    ");
}

TEST_F(MessageGroupsTest, PortLinesFollowThePortTextFlags) {
  const uint8_t both = settings_offset::kUploadIsBluetooth | settings_offset::kDownloadIsBluetooth;
  RefillFontGroups(staging_, false, both, defaults_, loader_);
  EXPECT_EQ(Row(7, 4), "3. Bluetooth SPP");
  EXPECT_EQ(Row(8, 5), "3. Bluetooth SPP");
  RefillFontGroups(staging_, true, settings_offset::kDownloadIsBluetooth, defaults_, loader_);
  EXPECT_EQ(Row(7, 3), "3. Modem    ");
  EXPECT_EQ(Row(8, 3), "3. BT SPP   ");

  SetPortLines(design_.texts, false, settings_offset::kUploadIsBluetooth, loader_);
  EXPECT_EQ(SlotText(TextSlot(design_, 14, 4)), "3. Bluetooth SPP");
  EXPECT_EQ(SlotText(TextSlot(design_, 15, 5)), "3. Modem        ");
}

TEST_F(MessageGroupsTest, WritingTheStagingTableBackFillsTheSlots) {
  SetSlotText(Bytes(staging_[6][6]), "7.Beeper");
  SetSlotText(Bytes(staging_[14][2]), "Call us!    ");
  WriteStagingToDesign(staging_, design_);
  EXPECT_EQ(SlotText(ExtraMenuText(design_.settings, 1)), "7.Beeper");
  EXPECT_EQ(SlotText(TextSlot(design_, 21, 2)), "Call us!    ");
  EXPECT_EQ(SlotText(TextSlot(design_, 13, 0)), "   [SETTINGS]   ");  // title untouched
}

}  // namespace
}  // namespace q700
