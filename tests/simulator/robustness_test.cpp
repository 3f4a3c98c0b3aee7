// Designs from elsewhere can hold any byte: whatever the records and keys, the engine stays
// inside its display lines, input buffers and pass-down buffer.
#include <gtest/gtest.h>

#include <random>

#include "model/menu_record.h"
#include "simulator/record.h"
#include "tests/simulator/simulator_fixture.h"

namespace q700 {
namespace {

using RobustnessTest = test::SimulatorTest;

void Scramble(Design& design, std::mt19937& rng) {
  auto byte = [&](int max) { return static_cast<uint8_t>(rng() % static_cast<unsigned>(max + 1)); };
  for (int f = 0; f < 3; ++f) {
    FormRecord form = FormAt(design, f);
    form.font_size() = byte(1);
    form.escape_target() = byte(25);
    form.next_target() = byte(25);
    form.record_action() = byte(8);
    form.at(form_offset::kStampPosition) = byte(3);
    for (int i = 0; i < kFormLines; ++i) {
      form.type(i) = byte(18);
      form.max_length(i) = byte(255);
      form.min_length(i) = byte(6);
      form.input_mark(i) = byte(3) == 0 ? '_' : 0;
      form.lookup_column(i) = byte(24);
      form.line(form_offset::kInitialFlag, i) = byte(1);
      form.line(form_offset::kPrefixFlag, i) = byte(1);
      form.line(form_offset::kFixedLengthFlag, i) = byte(1);
      form.line(form_offset::kFixedLength, i) = byte(255);
      form.line(form_offset::kAlignment, i) = byte(5);
      const std::string prompt(byte(20), static_cast<char>('a' + i));
      SetSlotText(form.prompt(i), prompt);
      SetSlotText(form.initial_value(i), std::string(byte(9), '7'));
      for (uint8_t& b : form.prefix(i)) b = 'p';
    }
  }
  for (int m = 0; m < 3; ++m) {
    MenuRecord menu = MenuAt(design, m);
    menu.caption_flag() = byte(1);
    menu.font_size() = byte(1);
    menu.escape_target() = byte(25);
    for (int k = 0; k < kMenuItems; ++k) {
      SetSlotText(menu.item_text(k), std::string(byte(20), 'x'));
      menu.item_target(k) = byte(25);
    }
  }
  design.settings[1] = byte(1);
}

TEST_F(RobustnessTest, RandomDesignsAndKeysStayInsideTheBuffers) {
  static const int kKeys[] = {1,  2,  3,  4,  5,  6,  7,  8, 9, 10, 11, 12, 13, 14, 15,
                              16, 17, 18, 19, 20, 19, 19, 1, 2, 10, 51, 52, 53, 60};
  int steps_in_forms = 0;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    std::mt19937 rng(seed);
    Scramble(design, rng);
    sim.PressKey(51);
    for (int step = 0; step < 600; ++step) {
      const unsigned pick = rng() % (std::size(kKeys) + 2);
      if (pick >= std::size(kKeys)) {
        Ticks(static_cast<int>(rng() % 8));
      } else {
        sim.PressKey(kKeys[pick]);
      }
      for (int row = 0; row < kLcdLines; ++row) {
        ASSERT_LE(sim.lcd_line(row).size(), kLcdLineMax) << "seed " << seed;
      }
      for (int i = 0; i < kFormLines; ++i) {
        ASSERT_LE(sim.line_input(i).text.size(), kInputMax) << "seed " << seed;
      }
      ASSERT_LE(sim.pass_down().size(), kPassDownMax) << "seed " << seed;
      if (sim.state() == EngineState::kForm) ++steps_in_forms;
    }
  }
  // The keys must have reached the forms for the test to mean anything.
  EXPECT_GT(steps_in_forms, 2000);
}

}  // namespace
}  // namespace q700
