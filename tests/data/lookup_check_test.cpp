// Checking lookup files: the definition's faults, each kind of line problem with what the terminal
// does by the bad-format action, the line ends the terminal sees, and the code page.
#include "data/lookup_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/lookup_designs.h"

namespace q700 {
namespace {

using test::Summary;
using Lines = std::vector<std::string>;

struct Case {
  const char* what;
  std::string file;
  Lines expected;  // line:field:kind:action
};

TEST(LookupCheck, DelimitedLinesAgainstTheArticleList) {
  Design design = test::ArticleDesign();
  const LookupLayout layout = ReadLookupLayout(design, 1, 1252);
  const std::string line254 = "1\ta\t" + std::string(250, 'x');
  const Case cases[] = {
      {"fits", "4006381333931\tBall pen, blue\t1.20\r\n4007817327098\tPencil HB\t0.65", {}},
      {"two fields", "1\tPen\r\n", {"1:0:field-count:skip"}},
      {"four fields", "1\tPen\t1\t2\r\n", {"1:0:field-count:skip"}},
      {"description of 21", "1\t" + std::string(21, 'd') + "\t1\r\n", {"1:2:field-too-long:skip"}},
      {"article number of 14 and price of 8",
       std::string(14, '4') + "\tPen\t12345678\r\n",
       {"1:1:field-too-long:skip", "1:3:field-too-long:skip"}},
      {"empty key", "\tPen\t1\r\n", {"1:1:empty-key:keep"}},
      {"blank key", "   \tPen\t1\r\n", {"1:1:empty-key:keep"}},
      {"same key twice", "7\tPen\t1\r\n8\tInk\t1\r\n7\tCap\t2\r\n", {"3:1:duplicate-key:keep"}},
      {"empty line", "1\tPen\t1\r\n\r\n2\tInk\t1\r\n", {"2:0:empty-line:skip"}},
      {"254 bytes", line254 + "\r\n", {"1:0:line-too-long:refuse", "1:3:field-too-long:skip"}},
      {"UTF-8 mark",
       "\xEF\xBB\xBF"
       "1\tPen\t1\r\n",
       {"1:0:byte-order-mark:keep"}},
      {"UTF-8 description", "1\tCaf\xC3\xA9\t1\r\n", {"1:2:utf8-text:keep"}},
      {"1252 description", "1\tCaf\xE9\t1\r\n", {}},
      {"undefined byte of 1252", "1\tPen\t1\x81\r\n", {"1:3:not-in-code-page:keep"}},
      {"line feeds alone",
       "1\tPen\t1\n1\tInk\t2\n",
       {"1:0:bare-line-feeds:refuse", "2:1:duplicate-key:keep"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Summary(CheckLookupFile(c.file, &layout, 1252).problems), c.expected) << c.what;
  }
}

TEST(LookupCheck, FixedLengthLinesAgainstTheSupplierList) {
  Design design = test::SupplierDesign();
  const LookupLayout layout = ReadLookupLayout(design, 1, 1252);
  const std::string name20 = "Paper & Co          ";
  const Case cases[] = {
      {"fits", "10001 " + name20 + "\r\n10002 " + name20, {}},
      // The name (columns 7 to 26) does not fit in 11 characters.
      {"short line", "10001 Paper\r\n", {"1:2:line-length:stop"}},
      {"long line", "10001 " + name20 + "x\r\n", {"1:0:line-length:stop"}},
      {"blank key", "      " + name20 + "\r\n", {"1:1:empty-key:keep"}},
      {"same key twice",
       "10001 " + name20 + "\r\n10001 Other\r\n",
       {"2:2:line-length:stop", "2:1:duplicate-key:keep"}},
      {"undefined byte in the name",
       "10001 \x8D" + name20.substr(1) + "\r\n",
       {"1:2:not-in-code-page:keep"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Summary(CheckLookupFile(c.file, &layout, 1252).problems), c.expected) << c.what;
  }
}

TEST(LookupCheck, WhatTheProblemsSay) {
  Design design = test::ArticleDesign();
  const LookupLayout layout = ReadLookupLayout(design, 1, 1252);
  const LookupCheck check = CheckLookupFile(
      "1\t" + std::string(25, 'd') + "\t1\r\n1\tx\t1\n2\tCaf\xC3\xA9\t1\n3\tx\t1\n", &layout, 1252);
  ASSERT_EQ(check.problems.size(), 4u);
  EXPECT_EQ(FormatLookupProblem(check.problems[0], "a.txt"),
            "a.txt:1: field 2 (Desc:): 25 characters, at most 20; the terminal skips the line");
  EXPECT_EQ(FormatLookupProblem(check.problems[1], "a.txt"),
            "a.txt:2: the line ends in a line feed without a carriage return (so do 2 more "
            "lines): the terminal ends lines only at carriage returns and would join such lines "
            "into one; save the file with Windows line ends (CR LF); send-lookup refuses the file");
  EXPECT_EQ(FormatLookupProblem(check.problems[2], "a.txt"),
            "a.txt:2: field 1 (Item:): the key \"1\" is also the key of line 1, so an entry finds "
            "only one of the two lines; the terminal keeps the line as it is");
  EXPECT_EQ(check.problems[3].text,
            "the text is UTF-8: the terminal shows \"\xC3\xA9\" as \"\xC3\x83\xC2\xA9\"");
  EXPECT_EQ(check.lines, 4u);
  // A field without a prompt is named by its number alone.
  const LookupCheck price = CheckLookupFile("1\tPen\t12345678\r\n", &layout, 1252);
  ASSERT_EQ(price.problems.size(), 1u);
  EXPECT_EQ(FormatLookupProblem(price.problems[0], "a.txt"),
            "a.txt:1: field 3: 8 characters, at most 7; the terminal skips the line");
}

TEST(LookupCheck, KeysUsedAgainFarApartAndProblemsInLineOrder) {
  Design design = test::ArticleDesign();
  const LookupLayout layout = ReadLookupLayout(design, 1, 1252);
  std::string file;
  for (int i = 1; i <= 40; ++i) {
    const std::string key = i == 40 ? "1" : i == 39 ? "38" : std::to_string(i);
    file += key + "\t" + (i == 20 ? std::string(21, 'd') : "Pen") + "\t1\r\n";
  }
  EXPECT_EQ(
      Summary(CheckLookupFile(file, &layout, 1252).problems),
      (Lines{"20:2:field-too-long:skip", "39:1:duplicate-key:keep", "40:1:duplicate-key:keep"}));
}

TEST(LookupCheck, TheBadFormatActionDecidesWhatTheTerminalDoes) {
  Design design = test::ArticleDesign();
  const std::pair<uint8_t, std::string> actions[] = {
      {0, "stop"}, {1, "truncate"}, {2, "skip"}, {7, "undefined"}};
  for (const auto& [action, name] : actions) {
    LookupAt(design, 0).bad_format_action() = action;
    const LookupLayout layout = ReadLookupLayout(design, 1, 1252);
    EXPECT_EQ(Summary(CheckLookupFile("1\tPen\r\n", &layout, 1252).problems),
              Lines{"1:0:field-count:" + name});
  }
}

TEST(LookupCheck, LineEndsAsTheTerminalReadsThemWithoutADesign) {
  struct LineCase {
    std::string file;
    size_t lines;
    Lines expected;
  };
  const LineCase cases[] = {
      {"", 0, {}},
      {"a\r\nb\r\n", 2, {}},
      {"a\rb\r", 2, {}},
      {"a\r\nlast", 2, {}},
      {"a\n\rb", 2, {}},  // a line feed before the carriage return belongs to it
      {"a\nb\nc", 3, {"1:0:bare-line-feeds:refuse"}},
      {"a\r\nb\nc\r\n", 3, {"2:0:bare-line-feeds:refuse"}},
      {"a\r\n\n", 2, {"2:0:bare-line-feeds:refuse"}},
      {std::string(254, 'x'), 1, {"1:0:line-too-long:refuse"}},
      {std::string("\xFF\xFE"
                   "a\0\r\0\n\0",
                   8),
       1,
       {"1:0:byte-order-mark:keep"}},
  };
  for (const LineCase& c : cases) {
    const LookupCheck check = CheckLookupFile(c.file, nullptr, 1252);
    EXPECT_EQ(check.lines, c.lines) << c.file;
    EXPECT_EQ(Summary(check.problems), c.expected) << c.file;
  }
  // Without a single carriage return, each line must not search the rest of the file for one
  // (a quarter of a million lines would take hours).
  std::string unix_lines;
  for (int i = 0; i < 250000; ++i) unix_lines += "1234567\n";
  const LookupCheck unix_check = CheckLookupFile(unix_lines, nullptr, 1252);
  EXPECT_EQ(unix_check.lines, 250000u);
  EXPECT_EQ(Summary(unix_check.problems), Lines{"1:0:bare-line-feeds:refuse"});
}

TEST(LookupCheck, TextInTheCodePageOrInUtf8) {
  struct CodeCase {
    int code_page;
    std::string file;
    Lines expected;
  };
  const CodeCase cases[] = {
      {1251, "\xCC\xB8\xE4\r\n", {}},  // "Мёд" in 1251; its first two bytes would be UTF-8
      {1251, "\xD0\x9C\xD1\x91\xD0\xB4\r\n", {"1:0:utf8-text:keep"}},  // "Мёд" in UTF-8
      {1251, "a\x98\r\n", {"1:0:not-in-code-page:keep"}},
      {1252, "\x80 5\r\n", {}},  // the euro sign
      {1252, "a\x81\r\n", {"1:0:not-in-code-page:keep"}},
  };
  for (const CodeCase& c : cases) {
    EXPECT_EQ(Summary(CheckLookupFile(c.file, nullptr, c.code_page).problems), c.expected)
        << c.file;
  }
  // A character the code page has no byte for is named too.
  const LookupCheck check = CheckLookupFile("\xD0\x96\r\n", nullptr, 1252);
  ASSERT_EQ(check.problems.size(), 1u);
  EXPECT_EQ(check.problems[0].text,
            "the text is UTF-8: the terminal shows \"\xD0\x96\" as \"\xC3\x90\xE2\x80\x93\", and "
            "code page 1252 has no \"\xD0\x96\"");
}

TEST(LookupCheck, ADelimiterIsAByteNotText) {
  Design design = test::ArticleDesign();
  const std::pair<uint8_t, std::string> cases[] = {
      // No character in 1252.
      {0x8F, std::string("1\x8FPen\x8F") + "1\r\n"},
      // Each after a 0xC3, which with it would make the UTF-8 of "é".
      {0xA9, std::string("1\xC3\xA9Pen\xC3\xA9") + "1\r\n"},
  };
  for (const auto& [delimiter, file] : cases) {
    LookupAt(design, 0).delimiter() = delimiter;
    const LookupLayout layout = ReadLookupLayout(design, 1, 1252);
    EXPECT_EQ(Summary(CheckLookupFile(file, &layout, 1252).problems), Lines{}) << file;
  }
}

TEST(LookupDefinition, FaultsOfTheDefinitionItself) {
  struct DefinitionCase {
    const char* what;
    void (*change)(Design&);
    Lines expected;
  };
  const DefinitionCase cases[] = {
      {"as made", [](Design&) {}, {}},
      {"a new design's", [](Design& d) { d = Design{}; }, {"0:0:not-defined:none"}},
      {"no member length",
       [](Design& d) { LookupAt(d, 0).member_length() = 0; },
       {"0:0:not-defined:none"}},
      {"nine fields",
       [](Design& d) { LookupAt(d, 0).field_count() = 9; },
       {"0:0:too-many-fields:none", "0:0:layout-not-computed:none"}},
      {"key field 4 of 3",
       [](Design& d) { LookupAt(d, 0).key_field() = 3; },
       {"0:0:key-beyond-fields:none"}},
      {"carriage return delimiter",
       [](Design& d) { LookupAt(d, 0).delimiter() = 13; },
       {"0:0:delimiter-ends-lines:none"}},
      {"line feed delimiter",
       [](Design& d) { LookupAt(d, 0).delimiter() = 10; },
       {"0:0:delimiter-ends-lines:none"}},
      {"member length not worked out",
       [](Design& d) { LookupAt(d, 0).member_length() = 40; },
       {"0:0:layout-not-computed:none"}},
      {"offset not worked out",
       [](Design& d) { LookupAt(d, 0).field_offset(2) = 35; },
       {"0:0:layout-not-computed:none"}},
      {"fields of 327",
       [](Design& d) {
         LookupRecord l = LookupAt(d, 0);
         l.field_count() = 8;
         for (int k = 0; k < 8; ++k) l.field_length(k) = 40;
       },
       {"0:0:record-too-long:none"}},
  };
  for (const DefinitionCase& c : cases) {
    Design design = test::ArticleDesign();
    c.change(design);
    EXPECT_EQ(Summary(CheckLookupDefinition(ReadLookupLayout(design, 1, 1252))), c.expected)
        << c.what;
  }

  Design design = test::ArticleDesign();
  LookupAt(design, 0).member_length() = 40;
  EXPECT_EQ(CheckLookupDefinition(ReadLookupLayout(design, 1, 1252))[0].text,
            "the stored member length 40 and offsets 1, 15, 36 are not those the field lengths "
            "give (42 and 1, 15, 36): apply the Lookup page in the editor, or set "
            "lookup.1.member_length and the offsets to those values");

  // Fixed-length records: the fields must lie inside the member length, which must fit a line.
  const DefinitionCase fixed[] = {
      {"as made", [](Design&) {}, {}},
      {"name past column 26",
       [](Design& d) { LookupAt(d, 0).field_length(1) = 21; },
       {"0:2:field-outside-record:none"}},
      {"offset 0",
       [](Design& d) { LookupAt(d, 0).field_offset(0) = 0; },
       {"0:1:field-outside-record:none"}},
      {"member length 254",
       [](Design& d) { LookupAt(d, 0).member_length() = 254; },
       {"0:0:record-too-long:none"}},
  };
  for (const DefinitionCase& c : fixed) {
    Design supplier = test::SupplierDesign();
    c.change(supplier);
    EXPECT_EQ(Summary(CheckLookupDefinition(ReadLookupLayout(supplier, 1, 1252))), c.expected)
        << c.what;
  }
}

TEST(LookupDefinition, TheDelimitedLayoutAndThePromptsOfTheFormsThatShowTheFields) {
  // Three delimited fields of lengths 5, 10 and 3 give member length 20 and offsets 1, 7, 18.
  Design design{};
  LookupRecord lookup = LookupAt(design, 1);
  lookup.delimiter() = ';';
  lookup.field_count() = 3;
  lookup.field_length(0) = 5;
  lookup.field_length(1) = 10;
  lookup.field_length(2) = 3;
  lookup.member_length() = 20;
  lookup.field_offset(0) = 1;
  lookup.field_offset(1) = 7;
  lookup.field_offset(2) = 18;
  // Form 1 looks up in file 1, so its prompt is not one of file 2's; form 4 shows field 3 with a
  // signed choice ("-field 3") and field 1 twice, the first prompt winning.
  FormRecord other = FormAt(design, 0);
  other.at(form_offset::kLookupFile) = 1;
  other.type(0) = kTypeText;
  other.lookup_column(0) = 1;
  SetSlotText(other.prompt(0), "Other:");
  FormRecord form = FormAt(design, 3);
  form.at(form_offset::kLookupFile) = 2;
  form.type(0) = kTypeInteger;
  form.lookup_column(0) = 11;
  SetSlotText(form.prompt(0), "Qty:");
  form.type(1) = kTypeText;
  form.lookup_column(1) = 1;
  SetSlotText(form.prompt(1), "Code:");
  form.type(2) = kTypeLookup;
  form.lookup_column(2) = 1;
  SetSlotText(form.prompt(2), "Again:");

  const LookupLayout layout = ReadLookupLayout(design, 2, 1252);
  EXPECT_TRUE(CheckLookupDefinition(layout).empty());
  ASSERT_EQ(layout.fields.size(), 3u);
  EXPECT_EQ(layout.fields[0].prompt, "Code:");
  EXPECT_EQ(layout.fields[1].prompt, "");
  EXPECT_EQ(layout.fields[2].prompt, "Qty:");
}

}  // namespace
}  // namespace q700
