// The CSV reader. Written here rather than taken from a library: the one Debian packages reads a
// line at a time (no line breaks inside quotes) and fixes the columns and separator at compile
// time.
#include "data/csv_reader.h"

namespace q700 {
namespace {

constexpr char kQuote = '"';
constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

CsvReader::CsvReader(std::string_view text, char separator) : text_(text), separator_(separator) {
  if (text_.substr(0, kUtf8Mark.size()) == kUtf8Mark) pos_ = kUtf8Mark.size();
}

bool CsvReader::Next(CsvRow& row) {
  row.values.clear();
  row.unclosed_quote = false;
  if (pos_ >= text_.size()) return false;
  row.line = line_;
  const size_t size = text_.size();
  // Takes the line end at pos_ (CR LF, CR or LF) and counts it.
  const auto take_line_end = [&] {
    if (text_[pos_] == kCr && pos_ + 1 < size && text_[pos_ + 1] == kLf) ++pos_;
    ++pos_;
    ++line_;
  };

  for (;;) {
    std::string value;
    if (pos_ < size && text_[pos_] == kQuote) {
      ++pos_;
      bool closed = false;
      while (pos_ < size) {
        const char c = text_[pos_];
        if (c == kQuote) {
          if (pos_ + 1 < size && text_[pos_ + 1] == kQuote) {
            value.push_back(kQuote);
            pos_ += 2;
            continue;
          }
          ++pos_;
          closed = true;
          break;
        }
        if (c == kLf || (c == kCr && !(pos_ + 1 < size && text_[pos_ + 1] == kLf))) ++line_;
        value.push_back(c);
        ++pos_;
      }
      if (!closed) row.unclosed_quote = true;
    }
    // Unquoted text, or what follows a closing quote, runs to the separator or the line end.
    while (pos_ < size && text_[pos_] != separator_ && text_[pos_] != kCr && text_[pos_] != kLf) {
      value.push_back(text_[pos_++]);
    }
    row.values.push_back(std::move(value));
    if (pos_ >= size) return true;
    if (text_[pos_] == separator_) {
      ++pos_;
      continue;
    }
    take_line_end();
    return true;
  }
}

char GuessCsvSeparator(std::string_view text) {
  if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) text.remove_prefix(kUtf8Mark.size());
  size_t tabs = 0, semicolons = 0, commas = 0;
  bool quoted = false;
  for (const char c : text) {
    if (c == kQuote) {
      quoted = !quoted;
    } else if (!quoted && (c == kCr || c == kLf)) {
      break;
    } else if (!quoted) {
      tabs += c == '\t';
      semicolons += c == ';';
      commas += c == ',';
    }
  }
  if (tabs > 0 && tabs >= semicolons && tabs >= commas) return '\t';
  if (semicolons > commas) return ';';
  return ',';
}

std::string CsvSeparatorName(char separator) {
  switch (separator) {
    case '\t':
      return "tab";
    case ';':
      return "semicolon";
    case ',':
      return "comma";
  }
  return std::string(1, separator);
}

}  // namespace q700
