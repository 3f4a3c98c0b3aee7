// Conversions between UTF-8 and the terminal's code pages.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "texts/code_page.h"

namespace q700 {
namespace {

struct Case {
  int code_page;
  std::string utf8;
  std::string bytes;
};

TEST(CodePage, TextBothWays) {
  const Case cases[] = {
      {1252,
       "Caf\xC3\xA9 \xE2\x82\xAC"
       "5",
       "Caf\xE9 \x80"
       "5"},  // é, the euro sign
      {1252,
       "M\xC3\xBC"
       "ller \xC3\x9F",
       "M\xFCller \xDF"},                                  // ü, ß
      {1251, "\xD0\x96\xD1\x83\xD0\xBA", "\xC6\xF3\xEA"},  // Жук
      {1251, "\xD0\x81\xD1\x91", "\xA8\xB8"},              // Ё, ё
      {1252, "", ""},
      {1252, "plain\r\n", "plain\r\n"},
  };
  for (const Case& c : cases) {
    const CodePageConversion to = Utf8ToCodePage(c.utf8, c.code_page);
    EXPECT_TRUE(to.ok) << c.utf8;
    EXPECT_EQ(to.text, c.bytes) << c.utf8;
    const CodePageConversion back = CodePageToUtf8(c.bytes, c.code_page);
    EXPECT_TRUE(back.ok) << c.utf8;
    EXPECT_EQ(back.text, c.utf8);
  }
}

TEST(CodePage, ACharacterTheCodePageCannotHoldIsNamedNotReplaced) {
  // Cyrillic in the Western code page, after "ab".
  CodePageConversion to = Utf8ToCodePage("ab\xD0\x96z", 1252);
  EXPECT_FALSE(to.ok);
  EXPECT_EQ(to.bad_offset, 2u);
  EXPECT_EQ(to.bad_character, "\xD0\x96");
  EXPECT_EQ(to.text, "ab");
  // A Chinese character has no byte in the Cyrillic code page.
  to = Utf8ToCodePage("x\xE4\xB8\xAD", 1251);
  EXPECT_FALSE(to.ok);
  EXPECT_EQ(to.bad_offset, 1u);
  EXPECT_EQ(to.bad_character, "\xE4\xB8\xAD");
  // Bytes that are not UTF-8 at all.
  to = Utf8ToCodePage("ok\xFF", 1252);
  EXPECT_FALSE(to.ok);
  EXPECT_EQ(to.bad_offset, 2u);
}

TEST(CodePage, WhatEachByteStandsFor) {
  const std::array<std::string, 256> western = CodePageCharacters(1252);
  EXPECT_EQ(western['A'], "A");
  EXPECT_EQ(western['\t'], "\t");
  EXPECT_EQ(western[0xE9], "\xC3\xA9");      // é
  EXPECT_EQ(western[0x80], "\xE2\x82\xAC");  // the euro sign
  for (const int gap : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(western[gap], "") << gap;
  const std::array<std::string, 256> cyrillic = CodePageCharacters(1251);
  EXPECT_EQ(cyrillic[0xC6], "\xD0\x96");  // Ж
  EXPECT_EQ(cyrillic[0x98], "");
}

TEST(CodePage, Utf8SequencesOfTwoOrMoreBytes) {
  const std::pair<std::string, size_t> cases[] = {
      {"a", 0},
      {"\xC3\xA9", 2},
      {"\xE2\x82\xAC", 3},
      {"\xF0\x9F\x98\x80", 4},
      {"\xC3", 0},  // cut short
      {"\xC3"
       "a",
       0},                      // no continuation byte
      {"\xC0\x80", 0},          // overlong
      {"\xE0\x80\x80", 0},      // overlong
      {"\xED\xA0\x80", 0},      // a surrogate
      {"\xF4\x90\x80\x80", 0},  // past U+10FFFF
      {"\xE9t\xE9", 0},         // Latin-1 "été"
      {"", 0},
  };
  for (const auto& [text, length] : cases) EXPECT_EQ(Utf8SequenceAt(text, 0), length) << text;
}

TEST(CodePage, NamesOfCodePages) {
  EXPECT_EQ(ParseCodePage("1252"), 1252);
  EXPECT_EQ(ParseCodePage("CP1251"), 1251);
  EXPECT_EQ(ParseCodePage("windows-1250"), 1250);
  EXPECT_EQ(ParseCodePage("utf-8"), std::nullopt);
  EXPECT_EQ(ParseCodePage(""), std::nullopt);
  EXPECT_EQ(ParseCodePage("12x"), std::nullopt);
  EXPECT_EQ(ParseCodePage("99999"), std::nullopt);
  EXPECT_TRUE(IsSupportedCodePage(kDefaultCodePage));
}

}  // namespace
}  // namespace q700
