// The clock line of the main screen and its blinking colon.
#include <gtest/gtest.h>

#include "simulator/clock_line.h"
#include "tests/simulator/simulator_fixture.h"

namespace q700 {
namespace {

TEST(ClockLine, MonthDayTimeAndCounter) {
  const LocalTime now{2026, 3, 5, 9, 7, 0};
  EXPECT_EQ(ClockLineText(now, 0, 12, false), "MAR05 09:07 0012");
  EXPECT_EQ(ClockLineText(now, 4, 12, false), "MAR05 09:07 0012");
  // Half a second later the colon is a blank.
  EXPECT_EQ(ClockLineText(now, 5, 12, false), "MAR05 09 07 0012");
  EXPECT_EQ(ClockLineText(now, 9, 12, false), "MAR05 09 07 0012");
}

TEST(ClockLine, CounterIsFourDigitsAndLeftOutForSeparateFiles) {
  EXPECT_EQ(ClockLineText({2026, 12, 31, 23, 59, 0}, 0, 12345, false), "DEC31 23:59 2345");
  EXPECT_EQ(ClockLineText({2026, 1, 1, 0, 0, 0}, 0, 0, false), "JAN01 00:00 0000");
  EXPECT_EQ(ClockLineText({2026, 3, 5, 9, 7, 0}, 0, 12, true), "MAR05 09:07 ");
}

using ClockTickTest = test::SimulatorTest;

TEST_F(ClockTickTest, TickAdvancesTheBlinkOnceEveryTenTicks) {
  clock.SetLocal({2026, 3, 5, 9, 7, 0});
  EXPECT_EQ(sim.ClockLine(), "MAR05 09:07 0000");
  Ticks(5);
  EXPECT_EQ(sim.ClockLine(), "MAR05 09 07 0000");
  Ticks(5);
  EXPECT_EQ(sim.blink_counter(), 0);
  EXPECT_EQ(sim.ClockLine(), "MAR05 09:07 0000");
}

}  // namespace
}  // namespace q700
