// Fuzz target for the split of received records: the first 23 bytes of the input choose a design
// (the data field delimiters and two forms: stamp, date and time parts, lines of every kind with
// fixed lengths, alignments, prefixes and suffixes), the rest is a received-data file split by
// it. A record that splits must compose back into exactly itself from its values, and every row
// written for it, split or kept whole, must be a JSON object with the same values in UTF-8.
#include <array>
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "cli/record_output.h"
#include "data/record_split.h"
#include "data/record_table.h"
#include "fuzz/fuzz_support.h"
#include "model/defaults.h"
#include "model/form_record.h"
#include "model/settings_block.h"
#include "simulator/record.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace {

using namespace q700;
using namespace q700::form_offset;

constexpr size_t kGenes = 23;
constexpr size_t kRecordsChecked = 64;

struct Texts {
  Texts() { RefillTerminalTexts(loader, defaults); }
  TextLoader loader;
  DefaultTerminalTexts defaults;
};

// Two bytes a line: the kind, then fixed length, alignment, prefix and suffix.
void MakeLine(FormRecord form, int i, uint8_t a, uint8_t b) {
  static constexpr uint8_t kTypes[] = {kTypeNil,       kTypeText,      kTypeInteger, kTypeReal,
                                       kTypeLetter,    kTypeAuto,      kTypeBoolean, kTypeLookup,
                                       kTypeFixedData, kTypeExtension, kTypePrompt};
  const uint8_t type = kTypes[a % 11];
  form.type(i) = type;
  SetSlotText(form.prompt(i), type == kTypeFixedData ? "F,1" : "L:");
  form.min_length(i) = static_cast<uint8_t>((a / 11) % 4);
  form.max_length(i) = static_cast<uint8_t>(((a / 44) % 3) * 5);
  form.line(kInitialFlag, i) = type == kTypeLookup ? 1 : 0;
  form.line(kFixedLengthFlag, i) = b & 1;
  form.line(kAlignment, i) = (b >> 1) & 3;
  form.line(kFixedLength, i) = (b >> 3) & 7;
  form.line(kPrefixFlag, i) = (b >> 6) & 1;
  SetSlotText(form.prefix(i), "<0");
  form.line(kSuffixFlag, i) = (b >> 7) & 1;
  SetSlotText(form.suffix(i), ",>");
}

void MakeForm(FormRecord form, const uint8_t* g) {
  form.at(kStampPosition) = g[0] % 3;
  form.at(kStampSplit) = (g[0] >> 2) & 1;
  form.at(kYearFlag) = (g[0] >> 3) & 1;
  form.at(kYearDigits) = (g[0] >> 4) & 1;
  form.at(kMonthFlag) = (g[0] >> 5) & 1;
  form.at(kDayFlag) = (g[0] >> 6) & 1;
  form.at(kDateSeparatorFlag) = (g[0] >> 7) & 1;
  form.at(kHourFlag) = g[1] & 1;
  form.at(kMinuteFlag) = (g[1] >> 1) & 1;
  form.at(kSecondFlag) = (g[1] >> 2) & 1;
  form.at(kTimeSeparatorFlag) = (g[1] >> 3) & 1;
  form.at(kDateStyle) = ((g[1] >> 4) & 3) % 3;
  form.font_size() = (g[1] >> 6) & 1;
  SetSlotText(form.bytes().subspan(kDateSeparator, 2), (g[1] >> 7) ? "," : "/");
  SetSlotText(form.bytes().subspan(kTimeSeparator, 2), ":");
  form.record_action() = 0;
  for (int i = 0; i < 4; ++i) MakeLine(form, i, g[2 + 2 * i], g[3 + 2 * i]);
}

// The moment of a stamp read back from its date and time texts, as the form writes them.
int ReadNumber(std::string_view text, size_t& at, size_t width) {
  int value = 0;
  for (size_t k = 0; k < width && at < text.size(); ++k) value = value * 10 + (text[at++] - '0');
  return value;
}

LocalTime StampTime(FormRecord form, std::string_view date, std::string_view time) {
  LocalTime moment{2000, 1, 1, 0, 0, 0};
  const size_t year_width = form.at(kYearDigits) == 1 ? 2 : 4;
  std::array<std::pair<size_t, int*>, 3> date_parts;
  switch (form.at(kDateStyle)) {
    case 1:
      date_parts = {
          {{kMonthFlag, &moment.month}, {kDayFlag, &moment.day}, {kYearFlag, &moment.year}}};
      break;
    case 2:
      date_parts = {
          {{kDayFlag, &moment.day}, {kMonthFlag, &moment.month}, {kYearFlag, &moment.year}}};
      break;
    default:
      date_parts = {
          {{kYearFlag, &moment.year}, {kMonthFlag, &moment.month}, {kDayFlag, &moment.day}}};
      break;
  }
  const auto read = [&](std::string_view text, const auto& parts, size_t separator_flag,
                        size_t separator) {
    const size_t skip =
        form.at(separator_flag) != 0 ? SlotTextLength(form.bytes().subspan(separator, 2)) : 0;
    size_t at = 0;
    bool earlier = false;
    for (const auto& [flag, value] : parts) {
      if (form.at(flag) == 0) continue;
      if (earlier) at += skip;
      *value = ReadNumber(text, at, flag == kYearFlag ? year_width : 2);
      earlier = true;
    }
  };
  read(date, date_parts, kDateSeparatorFlag, kDateSeparator);
  const std::array<std::pair<size_t, int*>, 3> time_parts = {
      {{kHourFlag, &moment.hour}, {kMinuteFlag, &moment.minute}, {kSecondFlag, &moment.second}}};
  read(time, time_parts, kTimeSeparatorFlag, kTimeSeparator);
  return moment;
}

void CheckComposesBack(Design& design, const std::vector<RecordLayout>& layouts,
                       const RecordSplit& split, const std::string& record) {
  const RecordLayout& layout = layouts[split.layout];
  Q700_FUZZ_CHECK(split.values.size() == layout.columns.size());
  if (record.size() > kPassDownMax) return;  // the composition cuts longer ones
  std::array<std::string, 8> inputs;
  std::string date, time;
  for (size_t c = 0; c < layout.columns.size(); ++c) {
    const RecordColumn& column = layout.columns[c];
    if (column.kind == ColumnKind::kDate) {
      date = split.values[c];
    } else if (column.kind == ColumnKind::kTime) {
      time = split.values[c];
    } else {
      inputs[static_cast<size_t>(column.line)] = split.values[c];
    }
  }
  FormRecord form = FormAt(design, layout.form - 1);
  const std::string composed =
      ComposeRecord(form, inputs, DesignDelimiters(design), StampTime(form, date, time));
  Q700_FUZZ_CHECK(composed == record);
}

void CheckRow(const RecordTable& table, const std::string& record) {
  const RecordTable::Row row = table.Format(record);
  Q700_FUZZ_CHECK(!row.text.empty() && row.text.back() == '\n');
  const nlohmann::json object = nlohmann::json::parse(row.text, nullptr, false);
  Q700_FUZZ_CHECK(object.is_object());
  Q700_FUZZ_CHECK(row.split == !object.contains("unsplit"));
  Q700_FUZZ_CHECK(row.split == row.problem.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Texts texts;
  std::array<uint8_t, kGenes> g{};
  std::copy_n(data, std::min(size, kGenes), g.begin());
  const std::string_view file = size > kGenes ? fuzz::AsText(data + kGenes, size - kGenes) : "";

  Design design;
  ResetDesign(design, texts.defaults);
  static constexpr char kDelimiters[] = ",;|\t 0A/";
  design.settings[settings_offset::kFirstDelimiter] =
      g[0] % 3 >= 1 ? static_cast<uint8_t>(kDelimiters[g[1] % 8]) : 0;
  design.settings[settings_offset::kSecondDelimiter] =
      g[0] % 3 == 2 ? static_cast<uint8_t>(kDelimiters[g[2] % 8]) : 0;
  MakeForm(FormAt(design, 0), &g[3]);
  MakeForm(FormAt(design, 1), &g[13]);

  std::vector<RecordLayout> layouts;
  for (int form : StoringForms(design)) layouts.push_back(RecordLayoutOf(design, form));
  if (layouts.empty()) return 0;
  TableOptions options;
  options.format = TableFormat::kJsonLines;
  const RecordTable table(layouts, options);

  const std::vector<std::string> records = cli::RecordLines(file);
  for (size_t r = 0; r < records.size() && r < kRecordsChecked; ++r) {
    const RecordSplit split = SplitRecord(layouts, records[r]);
    if (split.outcome == RecordSplit::Outcome::kSplit) {
      CheckComposesBack(design, layouts, split, records[r]);
    }
    CheckRow(table, records[r]);
  }
  return 0;
}
