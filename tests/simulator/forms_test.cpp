// Moving through a form: the first line, up and down, ENTER, the entry-error screen and the
// alpha mode that ESC carries into the next form.
#include <gtest/gtest.h>

#include "tests/simulator/simulator_fixture.h"

namespace q700 {
namespace {

class FormTest : public test::SimulatorTest {
 protected:
  FormTest() {
    Set("form.1.line.1.type", "text");
    Set("form.1.line.1.prompt", "A:");
    Set("form.1.line.2.type", "prompt");
    Set("form.1.line.2.prompt", "Info");
    Set("form.1.line.3.type", "integer");
    Set("form.1.line.3.prompt", "B:");
    Set("form.1.line.4.type", "text");
    Set("form.1.line.4.prompt", "C:");
  }
};

TEST_F(FormTest, StartsOnTheFirstLineWithItsPromptsShown) {
  Keys({1});
  ASSERT_EQ(sim.state(), EngineState::kForm);
  EXPECT_FALSE(sim.wide_spacing());
  EXPECT_EQ(sim.selected_line(), 0);
  EXPECT_EQ(Lcd(0), "A:");
  EXPECT_EQ(Lcd(1), "Info");
  EXPECT_EQ(Lcd(2), "B:");
  EXPECT_EQ(Lcd(3), "C:");
  EXPECT_EQ(Lcd(4), "");
  EXPECT_EQ(sim.cursor_column(), 2);
  EXPECT_EQ(sim.cursor_row(), 0);
  EXPECT_EQ(Form(1).current_line(), 0);
}

TEST_F(FormTest, EnterMovesDownButDownDoesNotAndUpStopsAtTheFirstField) {
  Keys({1, 19});
  EXPECT_EQ(Form(1).current_line(), 2);
  EXPECT_EQ(sim.cursor_row(), 2);
  Keys({15});
  EXPECT_EQ(Form(1).current_line(), 2);
  Keys({19});
  EXPECT_EQ(Form(1).current_line(), 3);
  Keys({14});
  EXPECT_EQ(Form(1).current_line(), 2);
  Keys({14});
  EXPECT_EQ(Form(1).current_line(), 0);
  const int redraws = host.lcd_redraws;
  Keys({14});
  EXPECT_EQ(Form(1).current_line(), 0);
  EXPECT_EQ(host.lcd_redraws, redraws);
}

TEST_F(FormTest, EnterOnTheLastLineCountsAndGoesToTheNextTarget) {
  Set("form.1.next", "form 2");
  Set("form.2.line.1.type", "prompt");
  Set("form.2.line.1.prompt", "Hi");
  Set("form.2.line.2.type", "boolean");
  Set("form.2.line.3.type", "counter");
  Set("form.2.line.3.prompt", "No.");
  Keys({1, 19, 19, 19});
  EXPECT_EQ(sim.record_counter(), 1u);
  EXPECT_EQ(sim.current_id(), 2);
  // The first line is a prompt, so entry starts on the next enterable line.
  EXPECT_EQ(Form(2).current_line(), 1);
  EXPECT_EQ(Lcd(2), "No.0001");
}

TEST_F(FormTest, TextLineBeforeAnAlphamericLineNeverCompletes) {
  Set("form.2.line.1.type", "text");
  Set("form.2.line.2.type", "alphameric");
  Set("form.1.line.1.type", "nil");
  Set("form.1.line.3.type", "nil");
  Set("form.1.line.4.type", "nil");
  Set("form.1.line.2.type", "nil");
  Set("settings.start", "menu 1");
  Set("menu.1.item.1.text", "F2");
  Set("menu.1.item.1.target", "form 2");
  Keys({1, 1});
  ASSERT_EQ(sim.current_id(), 2);
  Keys({19, 19, 19});
  EXPECT_EQ(sim.state(), EngineState::kForm);
  EXPECT_EQ(Form(2).current_line(), 0);
  EXPECT_EQ(sim.record_counter(), 0u);
}

TEST_F(FormTest, TooShortInputShowsTheErrorScreenAndKeepsTheInput) {
  Set("form.1.line.1.type", "integer");
  Set("form.1.line.1.prompt", "N:");
  Set("form.1.line.1.min_length", "3");
  Keys({1});
  Type("12");
  Keys({19});
  EXPECT_EQ(sim.state(), EngineState::kEntryError);
  EXPECT_EQ(Lcd(0), "N:12");
  EXPECT_EQ(Lcd(3), "C:");
  EXPECT_EQ(Lcd(4), "****************");
  EXPECT_EQ(Lcd(5), "Data too short!!");
  EXPECT_EQ(Lcd(6), "Press any key...");
  EXPECT_EQ(Lcd(7), "****************");
  Keys({15});  // any key, even down, returns to the form
  EXPECT_EQ(sim.state(), EngineState::kForm);
  EXPECT_EQ(Lcd(4), "");
  Type("3");
  EXPECT_EQ(Lcd(0), "N:123");
  Keys({19});
  EXPECT_EQ(Form(1).current_line(), 2);
}

TEST_F(FormTest, EscTakesTheFlippedAlphaModeIntoTheNextForm) {
  Set("form.1.escape", "form 2");
  Set("form.2.line.1.type", "text");
  Keys({1, 17});
  EXPECT_EQ(sim.current_id(), 2);
  EXPECT_TRUE(sim.alpha_mode());
  Keys({10});
  EXPECT_FALSE(sim.alpha_mode());
  Keys({51});
  EXPECT_EQ(sim.state(), EngineState::kMainMenu);
  Keys({10});  // alpha mode only flips in a form
  EXPECT_FALSE(sim.alpha_mode());
}

TEST_F(FormTest, EscToTheMainMenu) {
  Keys({1, 17});
  EXPECT_EQ(sim.state(), EngineState::kMainMenu);
  EXPECT_EQ(sim.selected_line(), 1);
  EXPECT_FALSE(sim.alpha_mode());
}

}  // namespace
}  // namespace q700
