// Reading comma-, semicolon- or tab-separated text as spreadsheets and stock systems write it:
// values in double quotes may hold the separator, line breaks and doubled quotes; lines end in
// CR LF, LF or CR; a UTF-8 byte-order mark at the start is skipped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace q700 {

struct CsvRow {
  size_t line = 0;  // the line the row starts on, from 1
  std::vector<std::string> values;
  // A quoted value that was never closed ran to the end of the text.
  bool unclosed_quote = false;
};

class CsvReader {
 public:
  // `text` must outlive the reader.
  CsvReader(std::string_view text, char separator);

  // Reads the next row; false at the end of the text. A blank line is a row of one empty value.
  bool Next(CsvRow& row);

 private:
  std::string_view text_;
  char separator_;
  size_t pos_ = 0;
  size_t line_ = 1;
};

// The separator of a text: of tab, semicolon and comma the one found most often outside quotes
// on its first line; a comma when there is none.
char GuessCsvSeparator(std::string_view text);

// "tab", "semicolon", "comma", or the character itself.
std::string CsvSeparatorName(char separator);

}  // namespace q700
