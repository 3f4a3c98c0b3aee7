// Making lookup files from spreadsheet text: the lines written byte for byte (delimited and fixed,
// quotes, multibyte text, code pages), the cuts, the rows left out, and what refuses the whole.
#include "data/lookup_convert.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/lookup_check.h"
#include "data/lookup_designs.h"

namespace q700 {
namespace {

// Fields: article (key, 5), name (8), price (4); tab-delimited.
Design SmallArticles() {
  Design design = test::ArticleDesign();
  LookupRecord lookup = LookupAt(design, 0);
  lookup.field_length(0) = 5;
  lookup.field_length(1) = 8;
  lookup.field_length(2) = 4;
  ApplyDelimitedLayout(lookup);
  return design;
}

std::vector<std::string> Notes(const LookupConversion& conversion) {
  std::vector<std::string> notes;
  for (const LookupConvertNote& note : conversion.notes)
    notes.push_back(FormatConvertNote(note, "in"));
  return notes;
}

struct Case {
  const char* what;
  std::string input;
  std::string output;
  std::vector<std::string> notes;
};

TEST(LookupConvert, DelimitedLinesFromCommaSeparatedText) {
  Design design = SmallArticles();
  const LookupLayout layout = ReadLookupLayout(design, 1, 1252);
  const std::string header = "EAN,Name,Price\r\n";
  const Case cases[] = {
      {"plain", header + "A1,Pen,1.20\r\nA2,Ink,0.5", "A1\tPen\t1.20\r\nA2\tInk\t0.5\r\n", {}},
      {"separator and quotes inside quotes",
       header + "A1,\"Pen, red\",1\r\nA2,\"5\"\" nail\",2\n",
       "A1\tPen, red\t1\r\nA2\t5\" nail\t2\r\n",
       {}},
      // Eight characters in the code page, though nine bytes of UTF-8.
      {"multibyte text", header + "A1,Cr\xC3\xA8me 12,1\n", "A1\tCr\xE8me 12\t1\r\n", {}},
      {"the euro sign", header + "A1,\xE2\x82\xAC,1\n", "A1\t\x80\t1\r\n", {}},
      {"cut",
       header + "A1,Pencil HB2,1.20\n",
       "A1\tPencil H\t1.20\r\n",
       {"in:2: field 2 (Desc:): cut from 10 to 8 characters"}},
      {"key too long",
       header + "ABCDEF,Pen,1\n",
       "",
       {"in:2: field 1 (Item:): left out: the key has 6 characters, at most 5 (a cut key would "
        "find the wrong line)"}},
      {"empty key",
       header + "  ,Pen,1\n",
       "",
       {"in:2: field 1 (Item:): left out: the key is empty"}},
      {"same key",
       header + "A1,Pen,1\nA1,Ink,2\n",
       "A1\tPen\t1\r\n",
       {"in:3: field 1 (Item:): left out: the key \"A1\" is also the key of line 2"}},
      {"line break inside",
       header + "A1,\"two\nlines\",1\nA2,Ink,2\n",
       "A2\tInk\t2\r\n",
       {"in:2: field 2 (Desc:): left out: the value holds a line break"}},
      {"delimiter inside",
       header + "A1,\"a\tb\",1\n",
       "",
       {"in:2: field 2 (Desc:): left out: the value holds the delimiter (tab)"}},
      {"no byte in 1252",
       header + "A1,\xD0\x96uk,1\n",
       "",
       {"in:2: field 2 (Desc:): left out: code page 1252 has no \"\xD0\x96\""}},
      {"not UTF-8",
       header + "A1,Caf\xE9,1\n",
       "",
       {"in:2: field 2 (Desc:): left out: the text is not UTF-8"}},
      {"missing column",
       header + "A1,Pen\n",
       "",
       {"in:2: field 3: left out: the row has 2 columns, so column 3 (Price) is missing"}},
      {"unclosed quote",
       header + "A1,\"Pen,1\nA2,Ink,2\n",
       "",
       {"in:2: left out: a value's opening quote is never closed, so the row runs to the end"}},
      {"blank rows", header + "\n,,\nA1,Pen,1\n\n", "A1\tPen\t1\r\n", {}},
      {"byte-order mark and semicolons",
       "\xEF\xBB\xBF"
       "EAN;Name;Price\nA1;Pen;1,20\n",
       "A1\tPen\t1,20\r\n",
       {}},
      {"tabs", "EAN\tName\tPrice\nA1\tPen, red\t1\n", "A1\tPen, red\t1\r\n", {}},
  };
  for (const Case& c : cases) {
    const LookupConversion conversion = ConvertToLookupFile(c.input, layout, {});
    EXPECT_EQ(conversion.error, "") << c.what;
    EXPECT_EQ(conversion.output, c.output) << c.what;
    EXPECT_EQ(Notes(conversion), c.notes) << c.what;
  }
}

TEST(LookupConvert, CountsOfWrittenCutAndLeftOut) {
  Design design = SmallArticles();
  const LookupLayout layout = ReadLookupLayout(design, 1, 1252);
  const LookupConversion conversion = ConvertToLookupFile(
      "EAN,Name,Price\nA1,Pencil HB2,1\nA2,Pen,12345\nA3,Pen,1\nTOOLONG,x,1\n\nA3,x,1\n", layout,
      {});
  EXPECT_EQ(conversion.written, 3u);
  EXPECT_EQ(conversion.cut, 2u);
  EXPECT_EQ(conversion.left_out, 2u);
  EXPECT_EQ(conversion.blank, 1u);
  EXPECT_EQ(conversion.separator, ',');
  // What is written passes the check.
  EXPECT_TRUE(CheckLookupFile(conversion.output, &layout, 1252).problems.empty());
}

TEST(LookupConvert, ColumnsByNameOrNumberAndWithoutAHeader) {
  Design design = SmallArticles();
  const LookupLayout layout = ReadLookupLayout(design, 1, 1252);
  const std::string input = "Price,Name,EAN,Stock\r\n1.20,Pen,A1,7\r\n";
  LookupConvertOptions options;
  options.columns = {"EAN", "name", " Price "};
  EXPECT_EQ(ConvertToLookupFile(input, layout, options).output, "A1\tPen\t1.20\r\n");
  options.columns = {"3", "2", "4"};
  EXPECT_EQ(ConvertToLookupFile(input, layout, options).output, "A1\tPen\t7\r\n");
  // Without a header the first row is data like any other.
  options.header = false;
  options.columns = {"3", "2", "1"};
  EXPECT_EQ(ConvertToLookupFile(input, layout, options).output,
            "EAN\tName\tPric\r\nA1\tPen\t1.20\r\n");
  options.columns = {};
  options.separator = ';';
  EXPECT_EQ(ConvertToLookupFile("A1;Pen;1\n", layout, options).output, "A1\tPen\t1\r\n");
}

TEST(LookupConvert, FixedLengthRecordsAndTheCyrillicCodePage) {
  Design design = test::SupplierDesign();
  const LookupLayout layout = ReadLookupLayout(design, 1, 1251);
  LookupConvertOptions options;
  options.code_page = 1251;
  const LookupConversion conversion = ConvertToLookupFile(
      "No,Name\n10001,\xD0\x96\xD1\x83\xD0\xBA\n7,Bolts and Nuts Wholesale Ltd\n", layout, options);
  // Columns 1 to 5 and 7 to 26, each padded with blanks; column 6 a blank.
  EXPECT_EQ(conversion.output, "10001 \xC6\xF3\xEA" + std::string(17, ' ') + "\r\n" + "7     " +
                                   "Bolts and Nuts Whole" + "\r\n");
  EXPECT_EQ(Notes(conversion),
            (std::vector<std::string>{"in:3: field 2: cut from 28 to 20 characters"}));
  EXPECT_TRUE(CheckLookupFile(conversion.output, &layout, 1251).problems.empty());
}

TEST(LookupConvert, WhatRefusesTheWholeConversion) {
  Design articles = SmallArticles();
  const LookupLayout layout = ReadLookupLayout(articles, 1, 1252);
  LookupConvertOptions options;
  options.columns = {"EAN", "Cost", "Price"};
  EXPECT_EQ(ConvertToLookupFile("EAN,Name,Price\n", layout, options).error,
            "no column \"Cost\" in the header row (\"EAN\", \"Name\", \"Price\")");
  options.columns = {"EAN", "Name"};
  EXPECT_EQ(ConvertToLookupFile("EAN,Name,Price\n", layout, options).error,
            "lookup file 1 has 3 fields, but 2 columns were chosen");
  EXPECT_EQ(ConvertToLookupFile("EAN,Name\nA1,Pen\n", layout, {}).error,
            "the input has 2 columns, lookup file 1 has 3 fields");
  EXPECT_EQ(ConvertToLookupFile("", layout, {}).error,
            "the input is empty: it has not even a header row");
  EXPECT_EQ(ConvertToLookupFile(std::string("\xFF\xFE"
                                            "A\0",
                                            4),
                                layout, {})
                .error,
            "the input is UTF-16 text: save it as UTF-8 (\"CSV UTF-8\" in spreadsheets)");

  Design undefined{};
  const LookupConversion none =
      ConvertToLookupFile("a,b\n", ReadLookupLayout(undefined, 1, 1252), {});
  EXPECT_FALSE(none.error.empty());
  ASSERT_EQ(none.definition.size(), 1u);
  EXPECT_EQ(none.definition[0].kind, LookupProblemKind::kNotDefined);

  Design overlapping = test::SupplierDesign();
  LookupAt(overlapping, 0).field_offset(1) = 5;
  EXPECT_EQ(ConvertToLookupFile("a,b\n", ReadLookupLayout(overlapping, 1, 1252), {}).error,
            "fields 1 and 2 of lookup file 1 share columns, so a line cannot hold both");
}

}  // namespace
}  // namespace q700
