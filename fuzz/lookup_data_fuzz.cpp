// Fuzz target for the CSV reader and the lookup file check. The first 12 bytes define a lookup
// file (delimited or fixed, its fields, key, delimiter and bad-format action) and the options of a
// conversion; the rest is the text. Checks beyond "no crash":
// - the CSV reader reads back the rows it read, written again with every value quoted;
// - the check of the text as a lookup file agrees with the sender's own scan on the line that a
//   line feed without a carriage return ends and, without one, on the first line too long;
//   problems without the design are the same lines and kinds as those with it that need none
//   (but for text problems when the delimiter is a byte of 128 or more, which is no text);
//   every problem lies within the lines and fields there are;
// - what the conversion writes passes the check, apart from the two guesses about text that a
//   code page's bytes can happen to look like (UTF-8 text, a byte-order mark).
#include <cstddef>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "data/csv_reader.h"
#include "data/lookup_check.h"
#include "data/lookup_convert.h"
#include "fuzz/fuzz_support.h"
#include "link/lookup_download.h"
#include "model/lookup_record.h"

namespace {

constexpr size_t kHeaderSize = 12;

struct Input {
  q700::Design design{};
  q700::LookupConvertOptions options;
  std::string_view text;
};

// Byte 0: bit 0 delimited, bit 1 a header row, bits 2-3 the input separator (guessed, comma,
// semicolon, tab), bit 4 code page 1251 instead of 1252. Byte 1: field count (1 to 8). Byte 2:
// key field. Byte 3: the delimiter, or for fixed records the blanks after the last field. Byte
// 4: bad-format action. Bytes 5 to 11: field lengths (the eighth repeats the first).
Input Read(const uint8_t* data, size_t size) {
  Input input;
  uint8_t h[kHeaderSize] = {};
  for (size_t i = 0; i < kHeaderSize && i < size; ++i) h[i] = data[i];
  q700::LookupRecord lookup = q700::LookupAt(input.design, 0);
  const int count = h[1] % 8 + 1;
  lookup.field_count() = static_cast<uint8_t>(count);
  lookup.key_field() = static_cast<uint8_t>(h[2] % count);
  lookup.bad_format_action() = h[4] % 4;
  for (int k = 0; k < count; ++k) lookup.field_length(k) = h[5 + k % 7] % 48;
  if ((h[0] & 1) != 0) {
    lookup.delimiter() = h[3] != 0 ? h[3] : q700::kTab;
    q700::ApplyDelimitedLayout(lookup);
  } else {
    int offset = 1;
    for (int k = 0; k < count; ++k) {
      lookup.field_offset(k) = static_cast<uint8_t>(offset);
      offset += lookup.field_length(k);
    }
    lookup.member_length() = static_cast<uint8_t>(std::min(offset - 1 + h[3] % 4, 255));
  }
  input.options.header = (h[0] & 2) != 0;
  constexpr char kSeparators[] = {0, ',', ';', '\t'};
  input.options.separator = kSeparators[(h[0] >> 2) & 3];
  input.options.code_page = (h[0] & 16) != 0 ? 1251 : 1252;
  if (size > kHeaderSize) input.text = q700::fuzz::AsText(data + kHeaderSize, size - kHeaderSize);
  return input;
}

std::string Quote(const std::string& value) {
  std::string quoted = "\"";
  for (const char c : value) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

void CheckCsvRoundTrip(std::string_view text, char separator) {
  std::vector<std::vector<std::string>> rows;
  q700::CsvReader reader(text, separator);
  q700::CsvRow row;
  size_t last_line = 0;
  while (reader.Next(row)) {
    if (row.unclosed_quote) return;  // the text had no end the writer would give it
    Q700_FUZZ_CHECK(!row.values.empty());
    Q700_FUZZ_CHECK(row.line > last_line);
    last_line = row.line;
    rows.push_back(row.values);
  }
  std::string written;
  for (const auto& values : rows) {
    for (size_t i = 0; i < values.size(); ++i) {
      if (i != 0) written += separator;
      written += Quote(values[i]);
    }
    written += "\r\n";
  }
  q700::CsvReader again(written, separator);
  size_t index = 0;
  while (again.Next(row)) {
    Q700_FUZZ_CHECK(index < rows.size());
    Q700_FUZZ_CHECK(row.values == rows[index]);
    ++index;
  }
  Q700_FUZZ_CHECK(index == rows.size());
}

bool NeedsNoDesign(q700::LookupProblemKind kind) {
  using K = q700::LookupProblemKind;
  return kind == K::kByteOrderMark || kind == K::kBareLineFeeds || kind == K::kLineTooLong ||
         kind == K::kUtf8Text || kind == K::kNotInCodePage;
}

bool IsAboutText(q700::LookupProblemKind kind) {
  return kind == q700::LookupProblemKind::kUtf8Text ||
         kind == q700::LookupProblemKind::kNotInCodePage;
}

void CheckLookupText(std::string_view text, const q700::LookupLayout& layout, int code_page) {
  const q700::LookupCheck with = q700::CheckLookupFile(text, &layout, code_page);
  const q700::LookupCheck without = q700::CheckLookupFile(text, nullptr, code_page);
  Q700_FUZZ_CHECK(with.lines == without.lines);
  // A delimiter of 128 or more is a byte, not text: the design changes what is text.
  const bool byte_delimiter = layout.usable && layout.delimiter >= 0x80;
  std::vector<std::tuple<size_t, int>> design_free;
  for (const q700::LookupProblem& p : with.problems) {
    Q700_FUZZ_CHECK(p.line <= with.lines);
    Q700_FUZZ_CHECK(p.field >= 0 && p.field <= static_cast<int>(layout.fields.size()));
    Q700_FUZZ_CHECK(!p.text.empty());
    Q700_FUZZ_CHECK((p.line == 0) == (p.action == q700::TerminalAction::kNone));
    if (NeedsNoDesign(p.kind) && !(byte_delimiter && IsAboutText(p.kind))) {
      design_free.emplace_back(p.line, static_cast<int>(p.kind));
    }
  }
  std::vector<std::tuple<size_t, int>> alone;
  for (const q700::LookupProblem& p : without.problems) {
    Q700_FUZZ_CHECK(NeedsNoDesign(p.kind) && p.field == 0);
    if (!(byte_delimiter && IsAboutText(p.kind))) {
      alone.emplace_back(p.line, static_cast<int>(p.kind));
    }
  }
  Q700_FUZZ_CHECK(design_free == alone);

  // The sender's scan of the same bytes.
  if (text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF") return;
  std::istringstream in{std::string(text)};
  const q700::LookupLineScan scan = q700::ScanLookupLines(in);
  size_t bare = 0, long_line = 0;
  for (const q700::LookupProblem& p : without.problems) {
    if (p.kind == q700::LookupProblemKind::kBareLineFeeds) bare = p.line;
    if (p.kind == q700::LookupProblemKind::kLineTooLong && long_line == 0) long_line = p.line;
  }
  Q700_FUZZ_CHECK(scan.first_bare_line_feed == bare);
  if (bare == 0) Q700_FUZZ_CHECK(scan.first_long_line == long_line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input input = Read(data, size);
  const int code_page = input.options.code_page;
  const q700::LookupLayout layout = q700::ReadLookupLayout(input.design, 1, code_page);

  CheckCsvRoundTrip(input.text, input.options.separator != 0 ? input.options.separator
                                                             : q700::GuessCsvSeparator(input.text));
  CheckLookupText(input.text, layout, code_page);

  const q700::LookupConversion conversion =
      q700::ConvertToLookupFile(input.text, layout, input.options);
  if (!conversion.error.empty()) {
    Q700_FUZZ_CHECK(conversion.output.empty());
    return 0;
  }
  const q700::LookupCheck check = q700::CheckLookupFile(conversion.output, &layout, code_page);
  const std::string_view start = std::string_view(conversion.output).substr(0, 2);
  if (start != "\xFF\xFE" && start != "\xFE\xFF") {
    Q700_FUZZ_CHECK(check.lines == conversion.written);
  }
  for (const q700::LookupProblem& p : check.problems) {
    Q700_FUZZ_CHECK(p.kind == q700::LookupProblemKind::kUtf8Text ||
                    p.kind == q700::LookupProblemKind::kByteOrderMark);
  }
  size_t cuts = 0;
  for (const q700::LookupConvertNote& note : conversion.notes) {
    cuts += note.kind == q700::ConvertNoteKind::kCut;
  }
  Q700_FUZZ_CHECK(conversion.cut <= cuts && conversion.cut <= conversion.written);
  Q700_FUZZ_CHECK(conversion.notes.size() == cuts + conversion.left_out);
  return 0;
}
