// The headless simulator: key lists, the fixed time and the printed display.
#include "cli/simulate.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/defaults.h"
#include "model/field_names.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700::cli {
namespace {

TEST(SimulatorInputs, NamesCodesAndTicks) {
  std::string error;
  const auto inputs =
      ParseSimulatorInputs("ENTER esc UP down BS Alpha MENU 0 9 MINUS DOT 20 51 60 tick:7", &error);
  ASSERT_TRUE(inputs.has_value()) << error;
  const std::vector<SimulatorInput> expected = {{19, 0}, {17, 0}, {14, 0}, {15, 0}, {18, 0},
                                                {10, 0}, {12, 0}, {11, 0}, {9, 0},  {13, 0},
                                                {16, 0}, {20, 0}, {51, 0}, {60, 0}, {0, 7}};
  EXPECT_EQ(*inputs, expected);
  EXPECT_TRUE(ParseSimulatorInputs("  ", &error)->empty());
}

TEST(SimulatorInputs, RefusesWhatNoKeyMakes) {
  for (const char* bad : {"21", "50", "61", "-1", "ENTR", "tick:", "tick:-1", "tick:x",
                          "tick:1000001", "1,2", "0x1"}) {
    std::string error;
    EXPECT_FALSE(ParseSimulatorInputs(std::string("1 ") + bad, &error).has_value()) << bad;
    EXPECT_NE(error.find(bad), std::string::npos) << error;
  }
}

TEST(SimulatorTime, ParsesValidDatesOnly) {
  const auto t = ParseLocalTime("2026-03-05T09:07:30");
  ASSERT_TRUE(t.has_value());
  EXPECT_EQ(t->year, 2026);
  EXPECT_EQ(t->month, 3);
  EXPECT_EQ(t->day, 5);
  EXPECT_EQ(t->hour, 9);
  EXPECT_EQ(t->minute, 7);
  EXPECT_EQ(t->second, 30);
  EXPECT_TRUE(ParseLocalTime("2024-02-29T23:59:59").has_value());
  for (const char* bad : {"2026-02-29T00:00:00", "2026-13-01T00:00:00", "2026-04-31T00:00:00",
                          "2026-03-05T24:00:00", "2026-03-05T09:60:00", "2026-03-05 09:07:30",
                          "2026-3-5T9:7:30", "2026-03-05T09:07:30Z", ""}) {
    EXPECT_FALSE(ParseLocalTime(bad).has_value()) << bad;
  }
}

class RunSimulationTest : public ::testing::Test {
 protected:
  RunSimulationTest() {
    RefillTerminalTexts(texts, defaults);
    ResetDesign(design, defaults);
  }
  void Set(const std::string& name, std::string_view value) {
    const FieldInfo* field = FindField(name);
    ASSERT_NE(field, nullptr) << name;
    SetField(*field, design, value);
  }
  std::string Run(std::string_view keys) {
    std::string error;
    const auto inputs = ParseSimulatorInputs(keys, &error);
    EXPECT_TRUE(inputs.has_value()) << error;
    std::ostringstream out;
    RunSimulation(design, clock, *inputs, texts, out);
    return out.str();
  }

  TextLoader texts;
  DefaultTerminalTexts defaults;
  Design design;
  FakeClock clock{LocalTime{2026, 3, 5, 9, 7, 30}};
};

TEST_F(RunSimulationTest, StartsOnTheMainMenu) {
  EXPECT_EQ(Run(""),
            "|1.Collect   |\n"
            "|2.Upload    |\n"
            "|3.Utilities |\n"
            "|            |\n"
            "|                |\n"
            "|                |\n"
            "|                |\n"
            "|                |\n"
            "state=main\n"
            "selected=1\n"
            "cursor=0,0\n"
            "alpha=off\n"
            "counter=0\n"
            "clock=MAR05 09:07 0000\n"
            "passdown=\n");
}

TEST_F(RunSimulationTest, MessageOfACollectWithNothingToRunComesWhereItHappens) {
  const std::string out = Run("1 3");
  EXPECT_EQ(out.rfind("message=Please define your program!\n|1.Settings      |\n", 0), 0u) << out;
  EXPECT_NE(out.find("state=utilities\n"), std::string::npos);
}

TEST_F(RunSimulationTest, PassDownRecordAndCounter) {
  Set("form.1.line.1.type", "text");
  Set("form.1.line.1.prompt", "A:");
  Set("form.1.record_action", "pass down");
  Set("form.1.stamp.position", "appended to the bottom of a record");
  Set("settings.delimiter1", "44");
  Set("settings.separate_files", "1");
  const std::string out = Run("1 ALPHA 2 tick:7 2 2 tick:7 2 2 2 ALPHA ENTER");
  EXPECT_NE(out.find("|A:|\n"), std::string::npos) << out;
  // The form starts again: its next target is itself.
  EXPECT_NE(out.find("state=form\nselected=0\ncursor=2,0\nalpha=off\n"), std::string::npos);
  EXPECT_NE(out.find("counter=1\nclock=MAR05 09:07 \npassdown=ABC,2026/03/05,09:07:30\n"),
            std::string::npos)
      << out;
}

}  // namespace
}  // namespace q700::cli
