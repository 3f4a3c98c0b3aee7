// Converting spreadsheet text to a lookup file of a design's definition.
#include "data/lookup_convert.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <unordered_map>

#include "data/csv_reader.h"

namespace q700 {
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  const size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string Lower(std::string_view text) {
  std::string lower;
  for (const char c : text) {
    lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  }
  return lower;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<uint8_t>(c) < 0x80; });
}

bool Blank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

std::string DelimiterName(uint8_t delimiter) {
  switch (delimiter) {
    case '\t':
      return "the delimiter (tab)";
    case ' ':
      return "the delimiter (blank)";
  }
  if (delimiter < 32 || delimiter >= 127)
    return "the delimiter (" + std::to_string(delimiter) + ")";
  return "the delimiter " + Quoted(std::string(1, static_cast<char>(delimiter)));
}

// The column (from 0) of each field, from the options and the header; empty with `error` set when
// they name no usable columns.
std::vector<size_t> ChooseColumns(const LookupLayout& layout, const LookupConvertOptions& options,
                                  const std::vector<std::string>& header, std::string* error) {
  const size_t fields = layout.fields.size();
  const std::string name = "lookup file " + std::to_string(layout.number);
  std::vector<size_t> columns;
  if (options.columns.empty()) {
    if (options.header && header.empty()) {
      *error = "the input is empty: it has not even a header row";
      return {};
    }
    if (options.header && header.size() < fields) {
      *error = "the input has " + std::to_string(header.size()) + " columns, " + name + " has " +
               std::to_string(fields) + " fields";
      return {};
    }
    for (size_t k = 0; k < fields; ++k) columns.push_back(k);
    return columns;
  }
  if (options.columns.size() != fields) {
    *error = name + " has " + std::to_string(fields) + " fields, but " +
             std::to_string(options.columns.size()) + " columns were chosen";
    return {};
  }
  for (const std::string& wanted : options.columns) {
    const std::string trimmed = Trimmed(wanted);
    std::optional<size_t> found;
    for (size_t c = 0; c < header.size() && !found; ++c) {
      if (Trimmed(header[c]) == trimmed) found = c;
    }
    for (size_t c = 0; c < header.size() && !found; ++c) {
      if (Lower(Trimmed(header[c])) == Lower(trimmed)) found = c;
    }
    if (!found && AllDigits(trimmed) && trimmed.size() < 6 && std::stoul(trimmed) >= 1) {
      found = std::stoul(trimmed) - 1;
    }
    if (!found) {
      std::string known;
      for (const std::string& h : header) known += (known.empty() ? "" : ", ") + Quoted(h);
      *error = "no column " + Quoted(wanted) +
               (options.header ? " in the header row (" + known + ")"
                               : ": without a header row, columns are chosen by number");
      return {};
    }
    columns.push_back(*found);
  }
  return columns;
}

// For fixed-length records: two fields that share a column cannot both be written.
std::string OverlappingFields(const LookupLayout& layout) {
  for (size_t a = 0; a < layout.fields.size(); ++a) {
    for (size_t b = a + 1; b < layout.fields.size(); ++b) {
      const LookupField& x = layout.fields[a];
      const LookupField& y = layout.fields[b];
      if (x.length == 0 || y.length == 0) continue;
      if (x.offset < y.offset + y.length && y.offset < x.offset + x.length) {
        return "fields " + std::to_string(a + 1) + " and " + std::to_string(b + 1) +
               " of lookup file " + std::to_string(layout.number) +
               " share columns, so a line cannot hold both";
      }
    }
  }
  return "";
}

class Converter {
 public:
  Converter(const LookupLayout& layout, const LookupConvertOptions& options,
            const std::vector<size_t>& columns, const std::vector<std::string>& header,
            LookupConversion& result)
      : layout_(layout), options_(options), columns_(columns), header_(header), result_(result) {}

  void Row(const CsvRow& row) {
    if (std::all_of(row.values.begin(), row.values.end(),
                    [](const std::string& v) { return v.empty(); })) {
      ++result_.blank;
      return;
    }
    line_ = row.line;
    cuts_.clear();
    if (row.unclosed_quote) {
      return LeaveOut(0, "a value's opening quote is never closed, so the row runs to the end");
    }
    std::vector<std::string> values;
    for (size_t k = 0; k < columns_.size(); ++k) {
      const int field = static_cast<int>(k) + 1;
      const size_t column = columns_[k];
      if (column >= row.values.size()) {
        return LeaveOut(field, "the row has " + std::to_string(row.values.size()) +
                                   " columns, so column " + ColumnName(column) + " is missing");
      }
      std::optional<std::string> value = FieldValue(field, row.values[column]);
      if (!value) return;
      values.push_back(std::move(*value));
    }
    // Fixed-length keys are compared as the padded columns hold them.
    std::string key = values[static_cast<size_t>(layout_.key_field)];
    if (!layout_.delimited()) key.erase(key.find_last_not_of(' ') + 1);
    const auto [seen, inserted] = keys_.emplace(key, line_);
    if (!inserted) {
      return LeaveOut(layout_.key_field + 1, "the key " + Quoted(KeyText(key)) +
                                                 " is also the key of line " +
                                                 std::to_string(seen->second));
    }
    const std::string line = Assemble(values);
    if (line.size() > kLookupLineLimit) {
      keys_.erase(key);
      return LeaveOut(0, "the line would have " + std::to_string(line.size()) +
                             " bytes, more than the " + std::to_string(kLookupLineLimit) +
                             " a record holds");
    }
    result_.output += line;
    result_.output += "\r\n";
    ++result_.written;
    if (!cuts_.empty()) {
      ++result_.cut;
      for (LookupConvertNote& note : cuts_) result_.notes.push_back(std::move(note));
    }
  }

 private:
  // The value in the code page, cut to its field's length; nothing when the row is left out.
  std::optional<std::string> FieldValue(int field, const std::string& text) {
    const bool is_key = field == layout_.key_field + 1;
    if (text.find_first_of("\r\n") != std::string::npos) {
      LeaveOut(field, "the value holds a line break");
      return std::nullopt;
    }
    std::string value = text;
    if (!IsAscii(text)) {
      const CodePageConversion converted = Utf8ToCodePage(text, options_.code_page);
      if (!converted.ok) {
        const bool utf8 = Utf8SequenceAt(converted.bad_character, 0) != 0;
        LeaveOut(field, utf8 ? "code page " + std::to_string(options_.code_page) + " has no " +
                                   Quoted(converted.bad_character)
                             : "the text is not UTF-8");
        return std::nullopt;
      }
      value = converted.text;
    }
    if (layout_.delimited() &&
        value.find(static_cast<char>(layout_.delimiter)) != std::string::npos) {
      LeaveOut(field, "the value holds " + DelimiterName(layout_.delimiter));
      return std::nullopt;
    }
    const size_t limit = static_cast<size_t>(layout_.fields[static_cast<size_t>(field - 1)].length);
    if (is_key && Blank(value)) {
      LeaveOut(field, "the key is empty");
      return std::nullopt;
    }
    if (value.size() > limit) {
      if (is_key) {
        LeaveOut(field, "the key has " + std::to_string(value.size()) + " characters, at most " +
                            std::to_string(limit) + " (a cut key would find the wrong line)");
        return std::nullopt;
      }
      cuts_.push_back({ConvertNoteKind::kCut, line_, field, Prompt(field),
                       "cut from " + std::to_string(value.size()) + " to " + std::to_string(limit) +
                           " characters"});
      value.resize(limit);
    }
    return value;
  }

  std::string Assemble(const std::vector<std::string>& values) const {
    if (layout_.delimited()) {
      std::string line;
      for (size_t k = 0; k < values.size(); ++k) {
        if (k != 0) line.push_back(static_cast<char>(layout_.delimiter));
        line += values[k];
      }
      return line;
    }
    std::string line(static_cast<size_t>(layout_.member_length), ' ');
    for (size_t k = 0; k < values.size(); ++k) {
      line.replace(static_cast<size_t>(layout_.fields[k].offset - 1), values[k].size(), values[k]);
    }
    return line;
  }

  void LeaveOut(int field, std::string text) {
    ++result_.left_out;
    result_.notes.push_back(
        {ConvertNoteKind::kLeftOut, line_, field, Prompt(field), "left out: " + std::move(text)});
  }

  std::string Prompt(int field) const {
    return field == 0 ? "" : layout_.fields[static_cast<size_t>(field - 1)].prompt;
  }

  std::string ColumnName(size_t column) const {
    std::string name = std::to_string(column + 1);
    if (column < header_.size()) name += " (" + header_[column] + ")";
    return name;
  }

  std::string KeyText(const std::string& key) const {
    const CodePageConversion shown = CodePageToUtf8(key, options_.code_page);
    return shown.ok ? shown.text : key;
  }

  const LookupLayout& layout_;
  const LookupConvertOptions& options_;
  const std::vector<size_t>& columns_;
  const std::vector<std::string>& header_;
  LookupConversion& result_;
  size_t line_ = 0;
  std::vector<LookupConvertNote> cuts_;
  std::unordered_map<std::string, size_t> keys_;
};

}  // namespace

LookupConversion ConvertToLookupFile(std::string_view input, const LookupLayout& layout,
                                     const LookupConvertOptions& options) {
  LookupConversion result;
  result.definition = CheckLookupDefinition(layout);
  if (!result.definition.empty()) {
    result.error = "lookup file " + std::to_string(layout.number) +
                   " of the design cannot be made as it is defined";
    return result;
  }
  if (!layout.delimited()) {
    result.error = OverlappingFields(layout);
    if (!result.error.empty()) return result;
  }
  if (input.substr(0, 2) == "\xFF\xFE" || input.substr(0, 2) == "\xFE\xFF") {
    result.error = "the input is UTF-16 text: save it as UTF-8 (\"CSV UTF-8\" in spreadsheets)";
    return result;
  }
  result.separator = options.separator != 0 ? options.separator : GuessCsvSeparator(input);
  CsvReader reader(input, result.separator);
  CsvRow row;
  std::vector<std::string> header;
  if (options.header && reader.Next(row)) header = row.values;
  const std::vector<size_t> columns = ChooseColumns(layout, options, header, &result.error);
  if (!result.error.empty()) return result;

  Converter converter(layout, options, columns, header, result);
  while (reader.Next(row)) converter.Row(row);
  return result;
}

std::string FormatConvertNote(const LookupConvertNote& note, std::string_view where) {
  std::string line = std::string(where) + ":" + std::to_string(note.line) + ": ";
  if (note.field != 0) {
    line += "field " + std::to_string(note.field);
    if (!note.prompt.empty()) line += " (" + note.prompt + ")";
    line += ": ";
  }
  return line + note.text;
}

}  // namespace q700
