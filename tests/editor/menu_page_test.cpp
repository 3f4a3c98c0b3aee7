// The Menu page: text lengths by font, the pass-down rule, Reset, Cancel and the commit.
#include "editor/menu_page.h"

#include <gtest/gtest.h>

#include "model/settings_block.h"
#include "page_test_support.h"

namespace q700::editor {
namespace {

class MenuPageTest : public test::PageTest {
 protected:
  MenuPage page_{texts_};
};

TEST_F(MenuPageTest, ListsFollowTheTargetOrder) {
  const MenuPageLists lists = page_.Lists();
  ASSERT_EQ(lists.menus.size(), 10u);
  EXPECT_EQ(lists.menus[0], "menu  1");
  EXPECT_EQ(lists.menus[9], "menu  10");
  EXPECT_EQ(lists.fonts, (std::vector<std::string>{"small", "large"}));
  ASSERT_EQ(lists.targets.size(), 21u);
  EXPECT_EQ(lists.targets[0], "main");
  EXPECT_EQ(lists.targets[1], "form  1");
  EXPECT_EQ(lists.targets[13], "menu  3");
}

TEST_F(MenuPageTest, TextsAreCutToTheLineWidthOnlyWhenEdited) {
  page_.Open(design_);
  EXPECT_EQ(page_.ChangeCaption("ABCDEFGHIJKLMNOP"), std::nullopt);  // 16 characters
  page_.SelectFont(1);
  // Switching to the large font keeps the caption until it is edited.
  EXPECT_EQ(SlotText(page_.record().caption()), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(page_.View().caption, "ABCDEFGHIJKLMNOP");

  EXPECT_EQ(page_.ChangeItem(0, "ABCDEFGHIJKLMN"), "ABCDEFGHIJKL");
  EXPECT_EQ(SlotText(page_.record().item_text(0)), "ABCDEFGHIJKL");
  EXPECT_EQ(page_.ChangeCaption("ABCDEFGHIJKLM"), "ABCDEFGHIJKL");
  EXPECT_EQ(SlotText(page_.record().caption()), "ABCDEFGHIJKL");
}

TEST_F(MenuPageTest, CaptionFlagEnablesTheCaptionBox) {
  EXPECT_FALSE(page_.Open(design_).caption_state.edit_enabled);
  const MenuCaptionState on = page_.ClickCaptionFlag();
  EXPECT_TRUE(on.flag.checked);
  EXPECT_TRUE(on.edit_enabled);
  EXPECT_EQ(page_.record().caption_flag(), 1);
  EXPECT_FALSE(page_.ClickCaptionFlag().edit_enabled);
}

TEST_F(MenuPageTest, SeparateFilesTieThePassDownFlagToTheSaveFlags) {
  page_.Open(design_);
  page_.ClickSeparateFiles();
  MenuDataFlags flags = page_.ClickSaveCaption();
  EXPECT_TRUE(flags.pass_down.checked);
  EXPECT_FALSE(flags.pass_down.enabled);
  EXPECT_EQ(page_.record().pass_down(), 1);

  flags = page_.ClickSaveItem();
  flags = page_.ClickSaveCaption();
  EXPECT_TRUE(flags.pass_down.checked);  // the item is still saved
  flags = page_.ClickSaveItem();
  EXPECT_FALSE(flags.pass_down.checked);
  EXPECT_FALSE(flags.pass_down.enabled);
  EXPECT_EQ(page_.record().pass_down(), 0);
}

TEST_F(MenuPageTest, WithoutSeparateFilesSavingEnablesPassDownWithoutTickingIt) {
  page_.Open(design_);
  MenuDataFlags flags = page_.ClickSaveItem();
  EXPECT_TRUE(flags.pass_down.enabled);
  EXPECT_FALSE(flags.pass_down.checked);
  flags = page_.ClickPassDown();
  EXPECT_TRUE(flags.pass_down.checked);
  // Ticking separate files keeps it ticked (something is saved) but locks it.
  flags = page_.ClickSeparateFiles();
  EXPECT_TRUE(flags.pass_down.checked);
  EXPECT_FALSE(flags.pass_down.enabled);
  EXPECT_TRUE(flags.separate_files.checked);
  // Saving nothing clears it again.
  page_.ClickSeparateFiles();
  flags = page_.ClickSaveItem();
  EXPECT_FALSE(flags.pass_down.checked);
  EXPECT_FALSE(flags.pass_down.enabled);
}

TEST_F(MenuPageTest, ShowingAMenuAppliesThePassDownRuleToIt) {
  MenuRecord menu2 = MenuAt(design_, 1);
  menu2.save_caption() = 1;
  menu2.pass_down() = 0;
  design_.settings[settings_offset::kSeparateFiles] = 1;
  MenuAt(design_, 2).pass_down() = 1;  // nothing saved: the flag cannot stand

  page_.Open(design_);
  MenuView view = page_.SelectMenu(1);
  EXPECT_EQ(view.menu, 1);
  EXPECT_TRUE(view.flags.pass_down.checked);
  EXPECT_TRUE(view.flags.separate_files.checked);
  view = page_.SelectMenu(2);
  EXPECT_FALSE(view.flags.pass_down.checked);
}

TEST_F(MenuPageTest, TargetsAreStoredAsTargetCodes) {
  page_.Open(design_);
  page_.SelectMenu(4);
  page_.SelectItemTarget(1, 13);  // "menu  3" in the Next list of item 2
  page_.SelectEscapeTarget(5);    // "form  5"
  page_.SelectItemTarget(1, 21);  // no such entry
  page_.Apply(design_);
  EXPECT_EQ(MenuAt(design_, 4).item_target(1), 13);
  EXPECT_EQ(MenuAt(design_, 4).escape_target(), 5);
}

TEST_F(MenuPageTest, ApplyCopiesWholeRecordsAndTheSeparateFilesOption) {
  MenuAt(design_, 9).bytes()[menu_offset::kSpare] = 0x5A;  // spare bytes travel with the record
  page_.Open(design_);
  page_.SelectMenu(9);
  page_.ChangeItem(3, "Stock");
  page_.ClickSeparateFiles();
  page_.Apply(design_);
  EXPECT_EQ(SlotText(MenuAt(design_, 9).item_text(3)), "Stock");
  EXPECT_EQ(MenuAt(design_, 9).bytes()[menu_offset::kSpare], 0x5A);
  EXPECT_EQ(design_.settings[settings_offset::kSeparateFiles], 1);
}

TEST_F(MenuPageTest, ResetClearsEveryMenuAndCancelKeepsTheDesign) {
  for (int m = 0; m < kMenuCount; ++m) {
    MenuRecord menu = MenuAt(design_, m);
    SetSlotText(menu.item_text(0), "Item");
    menu.font_size() = 1;
    menu.item_target(0) = 12;
  }
  design_.settings[settings_offset::kSeparateFiles] = 1;
  const Design before = design_;

  page_.Open(design_);
  page_.SelectMenu(6);
  const MenuView view = page_.Reset();
  EXPECT_EQ(view.menu, 0);
  EXPECT_EQ(view.items[0], "");
  EXPECT_FALSE(view.flags.separate_files.checked);
  for (int m = 0; m < kMenuCount; ++m) {
    MenuRecord menu = page_.working_menu(m);
    EXPECT_EQ(SlotText(menu.item_text(0)), "") << m;
    EXPECT_EQ(menu.font_size(), 0) << m;
    EXPECT_EQ(menu.item_target(0), 0) << m;
  }
  page_.Cancel();
  EXPECT_EQ(design_, before);

  page_.Open(design_);
  page_.Reset();
  page_.Apply(design_);
  EXPECT_EQ(SlotText(MenuAt(design_, 7).item_text(0)), "");
  EXPECT_EQ(design_.settings[settings_offset::kSeparateFiles], 0);
}

}  // namespace
}  // namespace q700::editor
