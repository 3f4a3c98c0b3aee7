// Record composition and the date and time stamp.
#include "simulator/record.h"

#include <cstdio>

#include "model/settings_block.h"

namespace q700 {
namespace {

using namespace form_offset;

void AppendDelimiters(Delimiters d, std::string& record) {
  if (d.first != 0) record += static_cast<char>(d.first);
  if (d.second != 0) record += static_cast<char>(d.second);
}

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

std::string Year(FormRecord form, int year) {
  if (form.at(kYearDigits) == 1) return TwoDigits(((year % 100) + 100) % 100);
  char text[16];
  std::snprintf(text, sizeof text, "%04d", year);
  return text;
}

// Three date parts in the order of the style; each part after the first is preceded by the
// separator when an earlier part is on and the separator flag is set.
struct DatePart {
  bool on;
  std::string text;
};

void AppendDate(FormRecord form, const LocalTime& now, std::string& record) {
  const DatePart year{form.at(kYearFlag) != 0, Year(form, now.year)};
  const DatePart month{form.at(kMonthFlag) != 0, TwoDigits(now.month)};
  const DatePart day{form.at(kDayFlag) != 0, TwoDigits(now.day)};
  std::array<const DatePart*, 3> order;
  switch (form.at(kDateStyle)) {
    case 1:
      order = {&month, &day, &year};
      break;
    case 2:
      order = {&day, &month, &year};
      break;
    default:
      order = {&year, &month, &day};
      break;
  }
  const bool with_separator = form.at(kDateSeparatorFlag) != 0;
  const std::string separator = SlotText(form.bytes().subspan(kDateSeparator, 2));
  bool earlier = false;
  for (const DatePart* part : order) {
    if (!part->on) continue;
    if (earlier && with_separator) record += separator;
    record += part->text;
    earlier = true;
  }
}

void AppendTime(FormRecord form, const LocalTime& now, std::string& record) {
  const std::array<DatePart, 3> parts = {{{form.at(kHourFlag) != 0, TwoDigits(now.hour)},
                                          {form.at(kMinuteFlag) != 0, TwoDigits(now.minute)},
                                          {form.at(kSecondFlag) != 0, TwoDigits(now.second)}}};
  const bool with_separator = form.at(kTimeSeparatorFlag) != 0;
  const std::string separator = SlotText(form.bytes().subspan(kTimeSeparator, 2));
  bool earlier = false;
  for (const DatePart& part : parts) {
    if (!part.on) continue;
    if (earlier && with_separator) record += separator;
    record += part.text;
    earlier = true;
  }
}

}  // namespace

Delimiters DesignDelimiters(const Design& design) {
  return {design.settings[settings_offset::kFirstDelimiter],
          design.settings[settings_offset::kSecondDelimiter]};
}

void AppendStamp(FormRecord form, Delimiters delimiters, const LocalTime& now,
                 std::string& record) {
  if (!record.empty()) AppendDelimiters(delimiters, record);
  AppendDate(form, now, record);
  if (!record.empty() && form.at(kStampSplit) != 0) AppendDelimiters(delimiters, record);
  AppendTime(form, now, record);
}

std::string ComposeRecord(FormRecord form, const std::array<std::string, 8>& inputs,
                          Delimiters delimiters, const LocalTime& now) {
  std::string record;
  if (form.at(kStampPosition) == kStampTop) AppendStamp(form, delimiters, now, record);
  const int lines = form.font_size() != 0 ? 4 : kFormLines;
  for (int j = 0; j < lines; ++j) {
    if (!LineInRecord(form, j)) continue;
    std::string data = form.type(j) == kTypeFixedData ? SlotText(form.prompt(j)) : inputs[j];
    for (int k = j + 1; k < kFormLines && k <= j + 4 && form.type(k) == kTypeExtension; ++k) {
      data += inputs[k];
    }
    if (!record.empty()) AppendDelimiters(delimiters, record);
    if (form.line(kPrefixFlag, j) != 0) record += SlotText(form.prefix(j));
    record += FitFixedLength(form, j, data);
    if (form.line(kSuffixFlag, j) != 0) record += SlotText(form.suffix(j));
  }
  if (form.at(kStampPosition) == kStampBottom) AppendStamp(form, delimiters, now, record);
  if (record.size() > kPassDownMax) record.resize(kPassDownMax);
  return record;
}

}  // namespace q700
