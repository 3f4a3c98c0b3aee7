// Reading spreadsheet text: quotes, separators and line breaks inside them, line ends, the
// byte-order mark, and the guess of the separator.
#include "data/csv_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace q700 {
namespace {

using Row = std::vector<std::string>;

struct Read {
  std::vector<Row> rows;
  std::vector<size_t> lines;
  std::vector<bool> unclosed;
};

Read ReadAll(std::string_view text, char separator) {
  Read read;
  CsvReader reader(text, separator);
  CsvRow row;
  while (reader.Next(row)) {
    read.rows.push_back(row.values);
    read.lines.push_back(row.line);
    read.unclosed.push_back(row.unclosed_quote);
  }
  return read;
}

TEST(CsvReader, RowsAndTheLinesTheyStartOn) {
  struct Case {
    std::string text;
    char separator;
    std::vector<Row> rows;
    std::vector<size_t> lines;
  };
  const Case cases[] = {
      {"EAN,Description,Price\r\n1,Pen,1.20\r\n",
       ',',
       {{"EAN", "Description", "Price"}, {"1", "Pen", "1.20"}},
       {1, 2}},
      {"a,b\nc,d", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
      {"a\rb\r", ',', {{"a"}, {"b"}}, {1, 2}},
      {"\"Pen, blue\",\"5\"\" nail\"\n", ',', {{"Pen, blue", "5\" nail"}}, {1}},
      {"\"two\r\nlines\",x\ny\n", ',', {{"two\r\nlines", "x"}, {"y"}}, {1, 3}},
      {"\"a\nb\nc\"\r\nnext", ',', {{"a\nb\nc"}, {"next"}}, {1, 4}},
      {"a\n\nb\n", ',', {{"a"}, {""}, {"b"}}, {1, 2, 3}},
      {"a,\n,b", ',', {{"a", ""}, {"", "b"}}, {1, 2}},
      {"\xEF\xBB\xBF"
       "EAN;Name\r\n1;Pen",
       ';',
       {{"EAN", "Name"}, {"1", "Pen"}},
       {1, 2}},
      {"1\tPen, blue\t\"1;2\"\n", '\t', {{"1", "Pen, blue", "1;2"}}, {1}},
      // A quote inside an unquoted value is a character; text after a closing quote is kept.
      {"5\" nail,x\n\"ab\"c,d\n", ',', {{"5\" nail", "x"}, {"abc", "d"}}, {1, 2}},
      {"\"\",\"\"\"\"\n", ',', {{"", "\""}}, {1}},
      {"", ',', {}, {}},
  };
  for (const Case& c : cases) {
    const Read read = ReadAll(c.text, c.separator);
    EXPECT_EQ(read.rows, c.rows) << c.text;
    EXPECT_EQ(read.lines, c.lines) << c.text;
  }
}

TEST(CsvReader, AQuoteNeverClosedRunsToTheEnd) {
  const Read read = ReadAll("a,b\n\"open,c\nd\n", ',');
  EXPECT_EQ(read.rows, (std::vector<Row>{{"a", "b"}, {"open,c\nd\n"}}));
  EXPECT_EQ(read.unclosed, (std::vector<bool>{false, true}));
}

TEST(CsvReader, TheSeparatorIsGuessedFromTheFirstLine) {
  const std::pair<std::string, char> cases[] = {
      {"EAN,Description,Price\n1;2;3;4", ','},
      {"EAN;Description;Price,net\n", ';'},
      {"EAN\tDescription, short\tPrice\n", '\t'},
      {"\"a;b;c\",d\n", ','},  // separators inside quotes do not count
      {"\xEF\xBB\xBF"
       "a;b\n",
       ';'},
      {"single column\n", ','},
      {"", ','},
  };
  for (const auto& [text, separator] : cases) EXPECT_EQ(GuessCsvSeparator(text), separator) << text;
}

}  // namespace
}  // namespace q700
