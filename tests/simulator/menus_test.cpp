// The terminal's main menu, upload, utilities and settings screens, Collect, and the designed
// menus.
#include <gtest/gtest.h>

#include "model/menu_record.h"
#include "tests/simulator/simulator_fixture.h"

namespace q700 {
namespace {

using MainMenuTest = test::SimulatorTest;

const std::string kBlank16(16, ' ');

TEST_F(MainMenuTest, StartsOnTheMainMenuWithCollectSelected) {
  EXPECT_EQ(sim.state(), EngineState::kMainMenu);
  EXPECT_EQ(Lcd(0), "1.Collect   ");
  EXPECT_EQ(Lcd(1), "2.Upload    ");
  EXPECT_EQ(Lcd(2), "3.Utilities ");
  EXPECT_EQ(Lcd(3), std::string(12, ' '));
  for (int row = 4; row < 8; ++row) EXPECT_EQ(Lcd(row), kBlank16);
  EXPECT_TRUE(sim.wide_spacing());
  EXPECT_EQ(sim.selected_line(), 1);
  EXPECT_FALSE(sim.alpha_mode());
}

TEST_F(MainMenuTest, UpAndDownWrapOverTheThreeEntries) {
  Keys({14});
  EXPECT_EQ(sim.selected_line(), 3);
  Keys({15});
  EXPECT_EQ(sim.selected_line(), 1);
  Keys({15, 15});
  EXPECT_EQ(sim.selected_line(), 3);
  Keys({14});
  EXPECT_EQ(sim.selected_line(), 2);
  EXPECT_EQ(host.menu_area_redraws, 5);
}

TEST_F(MainMenuTest, EnterActsOnTheSelectedEntryAndEscReturnsToIt) {
  Keys({15, 19});
  EXPECT_EQ(sim.state(), EngineState::kUpload);
  EXPECT_EQ(sim.selected_line(), 0);
  EXPECT_EQ(Lcd(0), "Connecting..");
  EXPECT_EQ(Lcd(2), "Press ESC to");
  EXPECT_EQ(Lcd(3), "cancel.     ");
  EXPECT_EQ(Lcd(7), kBlank16);
  EXPECT_TRUE(sim.wide_spacing());
  Keys({1, 19, 14});  // only ESC acts on the upload screen
  EXPECT_EQ(sim.state(), EngineState::kUpload);
  Keys({17});
  EXPECT_EQ(sim.state(), EngineState::kMainMenu);
  EXPECT_EQ(sim.selected_line(), 2);
  Keys({15, 20});
  EXPECT_EQ(sim.state(), EngineState::kUtilities);
  EXPECT_EQ(sim.selected_line(), 1);
}

TEST_F(MainMenuTest, CollectWithNothingToRunAsksForANewProgram) {
  Keys({1});
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text_id, 1133);
  EXPECT_EQ(host.messages[0].caption_id, 1125);
  EXPECT_EQ(host.messages[0].icon, Icon::kWarning);
  EXPECT_EQ(host.new_commands, 1);
  EXPECT_EQ(sim.state(), EngineState::kMainMenu);
}

TEST_F(MainMenuTest, FormOfPromptsAndLookupsHasNoLinesAndCannotStart) {
  Set("form.1.line.1.type", "prompt");
  Set("form.1.line.1.prompt", "Hello");
  Set("form.1.line.2.type", "lookup");
  Set("form.1.line.2.lookup_column", "field 2");
  Set("form.1.line_count", "5");
  Keys({1});
  EXPECT_EQ(Form(1).line_count(), 0);
  EXPECT_EQ(Form(1).lookup_column(1), 2);  // a lookup line keeps its column
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(sim.state(), EngineState::kMainMenu);
}

TEST_F(MainMenuTest, CollectCleansTheDesign) {
  Set("form.2.line.1.type", "text");
  Set("form.2.line.2.type", "extension");
  Set("form.2.line.2.prompt", "old");
  Set("form.2.line.3.type", "counter");
  Set("form.2.line.3.lookup_column", "field 3");
  Set("form.2.line.4.type", "pause");
  Set("form.2.line.5.type", "alphameric");
  Set("menu.3.item.1.text", "One");
  Set("menu.3.item.2.text", "   ");
  Set("menu.3.item.3.text", "Three");
  Set("form.1.line.1.type", "text");
  Keys({1});
  EXPECT_EQ(Form(2).line_count(), 5);
  EXPECT_EQ(Form(2).prompt(1)[0], 0);
  EXPECT_EQ(Form(2).lookup_column(2), 0);
  EXPECT_EQ(MenuAt(design, 2).item_count(), 2);
  EXPECT_EQ(Form(1).line_count(), 1);
  EXPECT_EQ(sim.state(), EngineState::kForm);
}

TEST_F(MainMenuTest, MenuStartNeedsItemsInMenuOne) {
  Set("settings.start", "menu 1");
  Set("form.1.line.1.type", "text");
  Keys({1});
  EXPECT_EQ(host.messages.size(), 1u);
  Set("menu.1.item.1.text", "Go");
  Keys({1});
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(sim.state(), EngineState::kUserMenu);
  EXPECT_EQ(sim.current_id(), 11);
}

using UtilitiesTest = test::SimulatorTest;

TEST_F(UtilitiesTest, SevenLinesAndOnlyKeyOneActs) {
  Keys({3});
  EXPECT_EQ(sim.state(), EngineState::kUtilities);
  EXPECT_FALSE(sim.wide_spacing());
  EXPECT_EQ(Lcd(0), "1.Settings      ");
  EXPECT_EQ(Lcd(6), "7.Memory & Power");
  EXPECT_EQ(Lcd(7), kBlank16);
  Keys({2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_EQ(sim.state(), EngineState::kUtilities);
  EXPECT_EQ(sim.selected_line(), 1);
  Keys({14});
  EXPECT_EQ(sim.selected_line(), 7);
  Keys({15});
  EXPECT_EQ(sim.selected_line(), 1);
  Keys({15, 19});  // Enter acts only on line 1
  EXPECT_EQ(sim.state(), EngineState::kUtilities);
  Keys({17});
  EXPECT_EQ(sim.state(), EngineState::kMainMenu);
  EXPECT_EQ(sim.selected_line(), 3);
}

TEST_F(UtilitiesTest, LookupFileOneAddsTheEighthLineWhenTheEditorCommits) {
  Set("lookup.1.member_length", "20");
  Set("lookup.1.field_count", "2");
  Keys({3});
  EXPECT_EQ(Lcd(7), kBlank16);  // counted at program start: 7
  sim.UpdateUtilitiesLineCount();
  Keys({17, 3});
  EXPECT_EQ(Lcd(7), "8.Load Lookup   ");
  Keys({14});
  EXPECT_EQ(sim.selected_line(), 8);
  Set("lookup.1.field_count", "0");
  sim.UpdateUtilitiesLineCount();
  EXPECT_EQ(sim.utilities_line_count(), 7);
}

TEST_F(UtilitiesTest, SettingsMenuWrapsBelowItsTitle) {
  Keys({3, 19});
  EXPECT_EQ(sim.state(), EngineState::kSettings);
  EXPECT_EQ(sim.selected_line(), 2);
  EXPECT_EQ(Lcd(0), "   [SETTINGS]   ");
  EXPECT_EQ(Lcd(7), "8.View Settings ");
  Keys({14});
  EXPECT_EQ(sim.selected_line(), 8);
  Keys({15});
  EXPECT_EQ(sim.selected_line(), 2);
  Keys({8, 9, 11});
  EXPECT_EQ(sim.state(), EngineState::kSettings);
  Keys({5});
  EXPECT_EQ(sim.state(), EngineState::kUtilities);
  EXPECT_EQ(sim.selected_line(), 1);
}

TEST_F(UtilitiesTest, CodesThatActInEveryState) {
  Set("form.1.line.1.type", "text");
  Keys({1});
  ASSERT_EQ(sim.state(), EngineState::kForm);
  Keys({53});
  EXPECT_EQ(sim.state(), EngineState::kUtilities);
  EXPECT_EQ(sim.selected_line(), 1);
  Keys({52});
  EXPECT_EQ(sim.state(), EngineState::kUpload);
  Keys({54, 57});
  EXPECT_EQ(sim.state(), EngineState::kUpload);
  Keys({51});
  EXPECT_EQ(sim.state(), EngineState::kMainMenu);
  EXPECT_EQ(sim.selected_line(), 1);
}

class UserMenuTest : public test::SimulatorTest {
 protected:
  UserMenuTest() {
    Set("settings.start", "menu 1");
    Set("menu.1.caption_flag", "1");
    Set("menu.1.caption", "MAIN");
    for (int k = 1; k <= 9; ++k) {
      const std::string item = "menu.1.item." + std::to_string(k) + ".";
      Set(item + "text", "Item " + std::to_string(k));
      Set(item + "target", "form " + std::to_string(k));
      Set("form." + std::to_string(k) + ".line.1.type", "text");
      Set("form." + std::to_string(k) + ".escape", "menu 1");
    }
  }
};

TEST_F(UserMenuTest, CaptionedMenuShowsSevenItemsButKeysReachTheOthers) {
  Keys({1});
  ASSERT_EQ(sim.state(), EngineState::kUserMenu);
  EXPECT_EQ(Lcd(0), "MAIN");
  EXPECT_EQ(Lcd(1), "Item 1");
  EXPECT_EQ(Lcd(7), "Item 7");
  EXPECT_EQ(sim.selected_line(), 2);
  Keys({9});
  EXPECT_EQ(sim.state(), EngineState::kForm);
  EXPECT_EQ(sim.current_id(), 9);
  EXPECT_EQ(MenuAt(design, 0).current_item(), 8);
  // ESC from the form shows the menu with its current item kept.
  Keys({17});
  EXPECT_EQ(sim.state(), EngineState::kUserMenu);
  EXPECT_EQ(sim.selected_line(), 10);
  Keys({11});  // item 10 does not exist
  EXPECT_EQ(sim.state(), EngineState::kUserMenu);
}

TEST_F(UserMenuTest, UpAndDownStayWithinTheFirstEightItems) {
  Keys({1, 14});
  EXPECT_EQ(MenuAt(design, 0).current_item(), 0);
  for (int i = 0; i < 10; ++i) Keys({15});
  EXPECT_EQ(MenuAt(design, 0).current_item(), 7);
  EXPECT_EQ(sim.selected_line(), 9);
  Keys({14});
  EXPECT_EQ(sim.selected_line(), 8);
  Keys({19});
  EXPECT_EQ(sim.current_id(), 7);
}

TEST_F(UserMenuTest, UncaptionedMenuShowsEightItems) {
  Set("menu.1.caption_flag", "0");
  Keys({1});
  EXPECT_EQ(Lcd(0), "Item 1");
  EXPECT_EQ(Lcd(7), "Item 8");
  EXPECT_EQ(sim.selected_line(), 1);
  Keys({15});
  EXPECT_EQ(sim.selected_line(), 2);
}

TEST_F(UserMenuTest, EscKeepsTheCurrentItemAndEnterOnTheLastLineResetsIt) {
  Set("form.2.next", "menu 1");
  Keys({1, 15, 19});
  ASSERT_EQ(sim.current_id(), 2);
  Keys({17});
  EXPECT_EQ(MenuAt(design, 0).current_item(), 1);
  EXPECT_EQ(sim.selected_line(), 3);
  Keys({19, 19});  // back into form 2 and complete it
  EXPECT_EQ(sim.state(), EngineState::kUserMenu);
  EXPECT_EQ(MenuAt(design, 0).current_item(), 0);
  EXPECT_EQ(sim.selected_line(), 2);
  EXPECT_EQ(sim.record_counter(), 1u);
}

TEST_F(UserMenuTest, MenuEscapeToMainAndNextTargetTwentyOne) {
  Set("menu.1.escape", "main");
  Set("form.1.next", "Beck to the error form");
  Keys({1, 17});
  EXPECT_EQ(sim.state(), EngineState::kMainMenu);
  EXPECT_EQ(sim.selected_line(), 1);
  Keys({1, 1, 19});
  EXPECT_EQ(sim.record_counter(), 1u);
  EXPECT_EQ(sim.state(), EngineState::kMainMenu);
}

}  // namespace
}  // namespace q700
