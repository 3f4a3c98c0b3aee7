// The date and time stamp dialog.
#include "editor/stamp_logic.h"

#include "editor/list_texts.h"

namespace q700::editor {
namespace {

using namespace form_offset;

constexpr char kDateCaption[] = "Date Format : ";
constexpr char kTimeCaption[] = "Time Format : ";

// A part of a stamp pattern, preceded by the separator when a part before it is shown.
void AddPart(std::string& pattern, bool shown, const char* part, bool after_part, bool separated,
             uint8_t separator) {
  if (!shown) return;
  if (after_part && separated && separator != 0) pattern += static_cast<char>(separator);
  pattern += part;
}

}  // namespace

StampLists LoadStampLists(TextLoader& texts) {
  return {LoadTexts(texts, kStampPositionTexts), LoadTexts(texts, kYearDigitsTexts),
          LoadTexts(texts, kDateStyleTexts)};
}

std::string DatePattern(FormRecord r) {
  const bool y = r.at(kYearFlag) != 0;
  const bool m = r.at(kMonthFlag) != 0;
  const bool d = r.at(kDayFlag) != 0;
  const bool sep = r.at(kDateSeparatorFlag) != 0;
  const uint8_t c = r.at(kDateSeparator);
  const char* year = r.at(kYearDigits) == 1 ? "YY" : "YYYY";
  std::string p;
  switch (r.at(kDateStyle)) {
    case 0:  // Year.Month.Day
      AddPart(p, y, year, false, sep, c);
      AddPart(p, m, "MM", y, sep, c);
      AddPart(p, d, "DD", y || m, sep, c);
      break;
    case 1:  // Month.Day.Year
      AddPart(p, m, "MM", false, sep, c);
      AddPart(p, d, "DD", m, sep, c);
      AddPart(p, y, year, m || d, sep, c);
      break;
    case 2:  // Day.Month.Year
      AddPart(p, d, "DD", false, sep, c);
      AddPart(p, m, "MM", d, sep, c);
      AddPart(p, y, year, d || m, sep, c);
      break;
    default:
      break;
  }
  return p;
}

std::string TimePattern(FormRecord r) {
  const bool h = r.at(kHourFlag) != 0;
  const bool m = r.at(kMinuteFlag) != 0;
  const bool s = r.at(kSecondFlag) != 0;
  const bool sep = r.at(kTimeSeparatorFlag) != 0;
  const uint8_t c = r.at(kTimeSeparator);
  std::string p;
  AddPart(p, h, "HH", false, sep, c);
  AddPart(p, m, "MM", h, sep, c);
  AddPart(p, s, "SS", h || m, sep, c);
  return p;
}

StampView StampDialog::Open() {
  backup_.Take(record_);
  return View();
}

StampView StampDialog::View() {
  StampView v;
  v.position = record_.at(kStampPosition);
  v.split = record_.at(kStampSplit) != 0;
  v.year = record_.at(kYearFlag) != 0;
  v.year_digits = record_.at(kYearDigits);
  v.month = record_.at(kMonthFlag) != 0;
  v.day = record_.at(kDayFlag) != 0;
  v.date_separator = record_.at(kDateSeparatorFlag) != 0;
  v.date_style = record_.at(kDateStyle);
  v.hour = record_.at(kHourFlag) != 0;
  v.minute = record_.at(kMinuteFlag) != 0;
  v.second = record_.at(kSecondFlag) != 0;
  v.time_separator = record_.at(kTimeSeparatorFlag) != 0;
  v.date_caption = kDateCaption + DatePattern(record_);
  v.time_caption = kTimeCaption + TimePattern(record_);
  return v;
}

StampTexts StampDialog::Texts() {
  return {SlotText(record_.bytes().subspan(kDateSeparator, 2)),
          SlotText(record_.bytes().subspan(kTimeSeparator, 2))};
}

StampView StampDialog::Toggle(size_t offset) {
  record_.at(offset) = record_.at(offset) != 0 ? 0 : 1;
  return View();
}

StampView StampDialog::Select(size_t offset, int value, int count) {
  if (value >= 0 && value < count) record_.at(offset) = static_cast<uint8_t>(value);
  return View();
}

StampEdit StampDialog::ChangeSeparator(size_t offset, std::string_view text) {
  const TextEntry entry = ReadTextEntry(text, 1);
  SetSlotText(record_.bytes().subspan(offset, 2), entry.text);
  return {entry.rewrite, View()};
}

StampView StampDialog::SelectPosition(int position) { return Select(kStampPosition, position, 3); }
StampView StampDialog::ClickSplit() { return Toggle(kStampSplit); }
StampView StampDialog::ClickYear() { return Toggle(kYearFlag); }
StampView StampDialog::SelectYearDigits(int digits) { return Select(kYearDigits, digits, 2); }
StampView StampDialog::ClickMonth() { return Toggle(kMonthFlag); }
StampView StampDialog::ClickDay() { return Toggle(kDayFlag); }
StampView StampDialog::ClickDateSeparator() { return Toggle(kDateSeparatorFlag); }
StampEdit StampDialog::ChangeDateSeparator(std::string_view text) {
  return ChangeSeparator(kDateSeparator, text);
}
StampView StampDialog::SelectDateStyle(int style) { return Select(kDateStyle, style, 3); }
StampView StampDialog::ClickHour() { return Toggle(kHourFlag); }
StampView StampDialog::ClickMinute() { return Toggle(kMinuteFlag); }
StampView StampDialog::ClickSecond() { return Toggle(kSecondFlag); }
StampView StampDialog::ClickTimeSeparator() { return Toggle(kTimeSeparatorFlag); }
StampEdit StampDialog::ChangeTimeSeparator(std::string_view text) {
  return ChangeSeparator(kTimeSeparator, text);
}

}  // namespace q700::editor
