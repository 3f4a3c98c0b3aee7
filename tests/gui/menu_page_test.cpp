// The Menu page driven through its controls: texts cut to the menu's font, the pass-down rule,
// Reset, and what reaches the design after OK and after Cancel.
#include "gui_test_support.h"
#include "model/menu_record.h"
#include "model/settings_block.h"
#include "resources/dialogs/pages_ids.h"
#include "sheet_pages.h"

namespace q700::gui_test {
namespace {

class MenuPageTest : public EditorTest {};

TEST_F(MenuPageTest, EditsReachTheDesignOnOk) {
  RunSheet([&](HWND sheet, HWND) {
    // The pages in tab order; the Barcode page sits between Lookup and Settings where it is built.
    std::vector<std::wstring> titles = TabTitles(sheet);
    std::erase(titles, L"Barcode");
    EXPECT_EQ(titles,
              (std::vector<std::wstring>{L"Form", L"Menu", L"Lookup", L"Settings", L"Startup"}));
    HWND page = ShowPage(sheet, L"Menu");
    EXPECT_EQ(Selection(page, IDC_MENU_NAME), 0);
    EXPECT_EQ(ItemAt(page, IDC_MENU_NAME, 9), L"menu  10");
    EXPECT_EQ(ItemCount(page, IDC_MENU_ESCAPE), 21);
    EXPECT_EQ(ItemAt(page, IDC_MENU_TARGET + 2, 13), L"menu  3");

    Choose(page, IDC_MENU_NAME, 1);
    Choose(page, IDC_MENU_FONT, 1);  // large: 12 characters a line
    Type(page, IDC_MENU_ITEM + 1, L"ABCDEFGHIJKLMN");
    EXPECT_EQ(Text(page, IDC_MENU_ITEM + 1), L"ABCDEFGHIJKL");
    Choose(page, IDC_MENU_TARGET + 2, 13);
    Choose(page, IDC_MENU_ESCAPE, 11);
    EXPECT_FALSE(Enabled(page, IDC_MENU_CAPTION));
    Click(page, IDC_MENU_CAPTION_FLAG);
    EXPECT_TRUE(Checked(page, IDC_MENU_CAPTION_FLAG));
    EXPECT_TRUE(Enabled(page, IDC_MENU_CAPTION));
    Type(page, IDC_MENU_CAPTION, L"Goods in");

    // Pass down follows what is saved and where.
    EXPECT_FALSE(Enabled(page, IDC_MENU_PASS_DOWN));
    Click(page, IDC_MENU_SAVE_ITEM);
    EXPECT_TRUE(Enabled(page, IDC_MENU_PASS_DOWN));
    EXPECT_FALSE(Checked(page, IDC_MENU_PASS_DOWN));
    Click(page, IDC_MENU_SEPARATE_FILES);
    EXPECT_TRUE(Checked(page, IDC_MENU_PASS_DOWN));
    EXPECT_FALSE(Enabled(page, IDC_MENU_PASS_DOWN));
    Click(page, IDC_MENU_SAVE_ITEM);
    EXPECT_FALSE(Checked(page, IDC_MENU_PASS_DOWN));
    Click(page, IDC_MENU_SAVE_CAPTION);
    EXPECT_TRUE(Checked(page, IDC_MENU_PASS_DOWN));
    EXPECT_FALSE(Enabled(page, IDC_MENU_PASS_DOWN));

    // Each menu keeps its own edits.
    Choose(page, IDC_MENU_NAME, 0);
    EXPECT_EQ(Text(page, IDC_MENU_ITEM + 1), L"");
    EXPECT_EQ(Selection(page, IDC_MENU_FONT), 0);
    EXPECT_TRUE(Checked(page, IDC_MENU_SEPARATE_FILES));
    Choose(page, IDC_MENU_NAME, 1);
    EXPECT_EQ(Text(page, IDC_MENU_ITEM + 1), L"ABCDEFGHIJKL");
    EXPECT_EQ(Selection(page, IDC_MENU_TARGET + 2), 13);
    PressOk(sheet);
  });
  MenuRecord menu = MenuAt(design_, 1);
  EXPECT_EQ(menu.font_size(), 1);
  EXPECT_EQ(SlotText(menu.item_text(0)), "ABCDEFGHIJKL");
  EXPECT_EQ(menu.item_target(1), 13);
  EXPECT_EQ(menu.escape_target(), 11);
  EXPECT_EQ(menu.caption_flag(), 1);
  EXPECT_EQ(SlotText(menu.caption()), "Goods in");
  EXPECT_EQ(menu.save_caption(), 1);
  EXPECT_EQ(menu.save_item(), 0);
  EXPECT_EQ(menu.pass_down(), 1);
  EXPECT_EQ(design_.settings[settings_offset::kSeparateFiles], 1);
  EXPECT_EQ(commits_, 1);
}

TEST_F(MenuPageTest, LargeFontCutsOnlyTextsEditedAfterwards) {
  MenuRecord menu = MenuAt(design_, 2);
  menu.caption_flag() = 1;
  SetSlotText(menu.caption(), "Sixteen chars ok");
  SetSlotText(menu.item_text(0), "Item one: 16 chr");
  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Menu");
    Choose(page, IDC_MENU_NAME, 2);
    Choose(page, IDC_MENU_FONT, 1);
    EXPECT_EQ(Text(page, IDC_MENU_CAPTION), L"Sixteen chars ok");
    Type(page, IDC_MENU_ITEM + 1, L"Item one: 16 chr");
    EXPECT_EQ(Text(page, IDC_MENU_ITEM + 1), L"Item one: 16");
    PressOk(sheet);
  });
  EXPECT_EQ(SlotText(menu.caption()), "Sixteen chars ok");
  EXPECT_EQ(SlotText(menu.item_text(0)), "Item one: 16");
}

TEST_F(MenuPageTest, ResetClearsEveryMenuButOnlyOk) {
  MenuRecord third = MenuAt(design_, 2);
  SetSlotText(third.item_text(4), "5.Inventory");
  third.item_target(4) = 5;
  third.spare_cursor() = 7;
  design_.menus[3 * kMenuRecordSize - 1] = 0x5A;  // spare bytes of menu 3
  design_.settings[settings_offset::kSeparateFiles] = 1;
  const Design before = design_;
  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Menu");
    Choose(page, IDC_MENU_NAME, 2);
    Click(page, IDC_MENU_RESET);
    EXPECT_EQ(Selection(page, IDC_MENU_NAME), 0);
    EXPECT_FALSE(Checked(page, IDC_MENU_SEPARATE_FILES));
    Choose(page, IDC_MENU_NAME, 2);
    EXPECT_EQ(Text(page, IDC_MENU_ITEM + 5), L"");
    PressCancel(sheet);
  });
  EXPECT_TRUE(design_ == before);
  EXPECT_EQ(commits_, 0);

  RunSheet([&](HWND sheet, HWND) {
    Click(ShowPage(sheet, L"Menu"), IDC_MENU_RESET);
    PressOk(sheet);
  });
  for (int m = 0; m < kMenuCount; ++m) {
    Bytes bytes = MenuAt(design_, m).bytes();
    for (size_t i = 0; i < menu_offset::kSpare; ++i) ASSERT_EQ(bytes[i], 0) << m << " " << i;
  }
  EXPECT_EQ(design_.menus[3 * kMenuRecordSize - 1], 0x5A);
  EXPECT_EQ(design_.settings[settings_offset::kSeparateFiles], 0);
}

}  // namespace
}  // namespace q700::gui_test
