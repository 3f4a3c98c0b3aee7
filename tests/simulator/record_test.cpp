// Composition of a form's record: field data, prefixes and suffixes, fixed lengths, delimiters
// and the date and time stamp at the top or the bottom.
#include <gtest/gtest.h>

#include "simulator/record.h"
#include "tests/simulator/simulator_fixture.h"

namespace q700 {
namespace {

class RecordTest : public test::SimulatorTest {
 protected:
  RecordTest() {
    Set("form.1.line.1.type", "text");
    Set("form.1.line.1.prompt", "Item:");
  }

  std::string Compose(Delimiters d = {',', 0}) { return ComposeRecord(Form(1), inputs, d, now); }

  std::array<std::string, 8> inputs;
  LocalTime now{2026, 3, 5, 9, 7, 30};
};

TEST_F(RecordTest, StampAtTheBottomSplitAndNot) {
  Set("form.1.stamp.position", "appended to the bottom of a record");
  inputs[0] = "ABC";
  EXPECT_EQ(Compose(), "ABC,2026/03/05,09:07:30");
  Set("form.1.stamp.split", "0");
  EXPECT_EQ(Compose(), "ABC,2026/03/0509:07:30");
}

TEST_F(RecordTest, StampAtTheTopComesFirstWithoutLeadingDelimiter) {
  Set("form.1.stamp.position", "added to the top of a record");
  inputs[0] = "ABC";
  EXPECT_EQ(Compose(), "2026/03/05,09:07:30,ABC");
  EXPECT_EQ(Compose({'\t', ';'}), "2026/03/05\t;09:07:30\t;ABC");
}

TEST_F(RecordTest, DateStylesYearDigitsAndMissingParts) {
  Set("form.1.stamp.position", "appended to the bottom of a record");
  Set("form.1.stamp.year_digits", "2 Digits (YY)");
  EXPECT_EQ(Compose(), "26/03/05,09:07:30");
  Set("form.1.stamp.year_digits", "4 Digits (YYYY)");
  Set("form.1.stamp.date_style", "Month.Day.Year");
  EXPECT_EQ(Compose(), "03/05/2026,09:07:30");
  Set("form.1.stamp.date_style", "Day.Month.Year");
  EXPECT_EQ(Compose(), "05/03/2026,09:07:30");
  // Without the day, the year still follows the month with its separator.
  Set("form.1.stamp.day", "0");
  Set("form.1.stamp.second", "0");
  EXPECT_EQ(Compose(), "03/2026,09:07");
  // Without the hour, the separator still goes between minutes and seconds.
  Set("form.1.stamp.hour", "0");
  Set("form.1.stamp.second", "1");
  Set("form.1.stamp.date_separator_flag", "0");
  EXPECT_EQ(Compose(), "032026,07:30");
}

TEST_F(RecordTest, FixedLengthByAlignment) {
  Set("form.1.line.1.fixed_length_flag", "1");
  Set("form.1.line.1.fixed_length", "6");
  Set("form.1.line.1.alignment", "Right aligned (filled with 0)");
  inputs[0] = "42";
  EXPECT_EQ(Compose(), "000042");
  inputs[0] = "12345678";
  EXPECT_EQ(Compose(), "123456");
  inputs[0] = "42";
  Set("form.1.line.1.alignment", "Left aligned (padded with space)");
  EXPECT_EQ(Compose(), "42    ");
  Set("form.1.line.1.alignment", "Right aligned (filled with space)");
  EXPECT_EQ(Compose(), "    42");
  Set("form.1.line.1.alignment", "Left aligned (padded with 0)");
  EXPECT_EQ(Compose(), "420000");
}

TEST_F(RecordTest, EmptyFieldKeepsPrefixAndSuffixAndNoDelimiterBeforeTheFirstField) {
  Set("form.1.line.1.prefix_flag", "1");
  Set("form.1.line.1.prefix", "<");
  Set("form.1.line.1.suffix_flag", "1");
  Set("form.1.line.1.suffix", ">\\r");
  EXPECT_EQ(Compose(), "<>\r");
  Set("form.1.line.2.type", "integer");
  inputs[1] = "7";
  EXPECT_EQ(Compose(), "<>\r,7");
  Set("form.1.line.1.prefix_flag", "0");
  Set("form.1.line.1.suffix_flag", "0");
  // An empty first field leaves the record empty, so no delimiter precedes the second.
  EXPECT_EQ(Compose(), "7");
}

TEST_F(RecordTest, WhichLinesGoIntoTheRecord) {
  Set("form.1.line.2.type", "extension");
  Set("form.1.line.3.type", "counter");
  Set("form.1.line.4.type", "pass down");
  Set("form.1.line.5.type", "fixed data");
  Set("form.1.line.5.prompt", "LOC1");
  Set("form.1.line.6.type", "lookup");
  Set("form.1.line.7.type", "lookup");
  Set("form.1.line.7.initial_value_flag", "1");  // "Save field data"
  Set("form.1.line.8.type", "prompt");
  inputs = {"AB", "CD", "0001", "PASSED", "ignored", "L6", "L7", "P8"};
  EXPECT_EQ(Compose(), "ABCD,LOC1,L7");
}

TEST_F(RecordTest, LargeFontUsesTheFirstFourLines) {
  Set("form.1.font", "large");
  Set("form.1.line.2.type", "text");
  Set("form.1.line.5.type", "text");
  inputs = {"A", "B", "", "", "E"};
  EXPECT_EQ(Compose(), "A,B");
}

TEST_F(RecordTest, RecordStaysInsideThePassDownBuffer) {
  for (int i = 1; i <= 8; ++i) {
    const std::string p = "form.1.line." + std::to_string(i) + ".";
    Set(p + "type", "text");
    Set(p + "prefix_flag", "1");
    Set(p + "prefix", "PPPPPPPPPP");
    inputs[i - 1] = std::string(80, 'x');
  }
  Set("form.1.stamp.position", "appended to the bottom of a record");
  EXPECT_EQ(Compose().size(), kPassDownMax);
}

}  // namespace
}  // namespace q700
