// Number and text rules of edit boxes.
#include "editor/edit_text.h"

#include <gtest/gtest.h>

namespace q700::editor {
namespace {

TEST(EditText, NumbersAreDigitsWithBlanksAround) {
  EXPECT_EQ(ParseUnsigned("42"), 42u);
  EXPECT_EQ(ParseUnsigned(" 7 "), 7u);
  EXPECT_EQ(ParseUnsigned("007"), 7u);
  EXPECT_FALSE(ParseUnsigned(""));
  EXPECT_FALSE(ParseUnsigned("   "));
  EXPECT_FALSE(ParseUnsigned("1a"));
  EXPECT_FALSE(ParseUnsigned("-1"));
  EXPECT_FALSE(ParseUnsigned("1 2"));
  // A long run of digits is still a large number, not "not a number".
  EXPECT_EQ(ParseUnsigned("99999999999999999999"), 4294967295u);
}

TEST(EditText, NumberBoxClampsAndReplacesWhatIsNotANumber) {
  NumberEntry e = ReadNumberEntry("90", 80);
  EXPECT_EQ(e.value, 80u);
  EXPECT_EQ(e.rewrite, "80");

  e = ReadNumberEntry("abc", 80);
  EXPECT_EQ(e.value, 0u);
  EXPECT_EQ(e.rewrite, "0");

  e = ReadNumberEntry("", 80);  // the user is about to type a new number
  EXPECT_EQ(e.value, 0u);
  EXPECT_FALSE(e.rewrite);

  e = ReadNumberEntry("80", 80);
  EXPECT_EQ(e.value, 80u);
  EXPECT_FALSE(e.rewrite);

  e = ReadNumberEntry("99999999999999999999", 255);
  EXPECT_EQ(e.value, 255u);
  EXPECT_EQ(e.rewrite, "255");
}

TEST(EditText, TextBoxIsCutToItsLimit) {
  TextEntry e = ReadTextEntry("ABCDEFG", 6);
  EXPECT_EQ(e.text, "ABCDEF");
  EXPECT_EQ(e.rewrite, "ABCDEF");
  e = ReadTextEntry("ABCDEF", 6);
  EXPECT_EQ(e.text, "ABCDEF");
  EXPECT_FALSE(e.rewrite);
}

}  // namespace
}  // namespace q700::editor
