// The Lookup page: working copy of the lookup records, format and box rules, Reset and apply.
#include "editor/lookup_page.h"

#include <algorithm>

#include "editor/list_texts.h"
#include "editor/page_labels.h"
#include "editor/page_values.h"

namespace q700::editor {
namespace {

constexpr unsigned kByteMax = 255;
constexpr uint8_t kCarriageReturn = 13;
constexpr int kNoMatchActions = kNoMatchTexts.count;
constexpr int kFirstInsertAction = 2;  // "Insert to lookup file"; the read-once list starts here
constexpr int kInsertActions = 2;
constexpr int kBadFormatActions = kBadFormatTexts.count;

CheckState Check(uint8_t flag) { return CheckState{flag != 0, true}; }

Message InvalidValueMessage() {
  Message message;
  message.caption_id = kCaptionWarning;
  message.text_id = kTextInvalidValue;
  message.icon = Icon::kWarning;
  message.buttons = Buttons::kOk;
  return message;
}

}  // namespace

LookupPageLists LookupPage::Lists() const {
  LookupPageLists lists;
  lists.lookups = LoadTexts(session_.texts, kLookupFileTexts);
  for (int n = 0; n <= kLookupFields; ++n) lists.field_counts.push_back(" " + std::to_string(n));
  lists.bad_format = LoadTexts(session_.texts, kBadFormatTexts);
  return lists;
}

LookupView LookupPage::Open(const Design& design) {
  std::copy(design.lookups.begin(), design.lookups.end(), working_.begin());
  for (int i = 0; i < kLookupCount; ++i) {
    LookupRecord lookup = LookupAt(working_, i);
    if (lookup.read_once() != 0 && lookup.no_match_action() > 1) lookup.no_match_action() -= 2;
  }
  opened_ = true;
  return SelectLookup(0);
}

LookupView LookupPage::SelectLookup(int lookup) {
  if (InRange(lookup, kLookupCount)) lookup_ = lookup;
  delimited_ = record().delimiter() != 0;
  delimiter_box_ = NumberText(record().delimiter());
  return View();
}

std::vector<std::string> LookupPage::NoMatchItems() {
  if (record().read_once() != 0) {
    return LoadTexts(session_.texts, {kNoMatchTexts.first + kFirstInsertAction, kInsertActions});
  }
  return LoadTexts(session_.texts, kNoMatchTexts);
}

int LookupPage::NoMatchPosition() {
  const int code = record().no_match_action();
  if (record().read_once() == 0) return code;
  return code >= kFirstInsertAction && code < kFirstInsertAction + kInsertActions
             ? code - kFirstInsertAction
             : 0;
}

std::array<LookupRowState, kLookupFields> LookupPage::Rows() {
  LookupRecord lookup = record();
  const bool fixed = !delimited_ && lookup.delimiter() == 0;
  std::array<LookupRowState, kLookupFields> rows;
  for (int k = 0; k < kLookupFields && k < lookup.field_count(); ++k) {
    rows[k] = LookupRowState{fixed, true, true};
  }
  return rows;
}

LookupView LookupPage::View() {
  LookupRecord lookup = record();
  LookupView view;
  view.lookup = lookup_;
  view.delimited = delimited_;
  view.length_label = ComposedLabel(session_.texts, kLookupPageLabels,
                                    delimited_ ? kLabelDelimitedColumn : kLabelFixedLengthColumn);
  view.note = delimited_ ? NoteColour::kGreyText : NoteColour::kRed;
  view.member_length_enabled = !delimited_;
  view.delimiter_enabled = delimited_;
  view.member_length = NumberText(lookup.member_length());
  view.delimiter = delimiter_box_;
  view.field_count = lookup.field_count();
  view.read_once = Check(lookup.read_once());
  view.upload = Check(lookup.upload_flag());
  view.negative_remains = Check(lookup.negative_remains());
  view.delete_if_empty = Check(lookup.delete_if_empty());
  view.no_match_items = NoMatchItems();
  view.no_match = NoMatchPosition();
  view.bad_format = lookup.bad_format_action();
  for (int k = 0; k < kLookupFields; ++k) {
    view.offsets[k] = NumberText(lookup.field_offset(k));
    view.lengths[k] = NumberText(lookup.field_length(k));
  }
  view.key_field = lookup.key_field();
  view.rows = Rows();
  return view;
}

LookupView LookupPage::ChooseFixedLength() {
  delimited_ = false;
  record().delimiter() = 0;
  return View();
}

LookupView LookupPage::ChooseDelimiter() {
  delimited_ = true;
  const unsigned shown = std::min(ParseUnsigned(delimiter_box_).value_or(0), kByteMax);
  record().delimiter() = shown == 0 ? kTab : static_cast<uint8_t>(shown);
  delimiter_box_ = NumberText(record().delimiter());
  return View();
}

EditRewrite LookupPage::ChangeMemberLength(std::string_view text) {
  return SettleEdit(text, [this](std::string_view box) -> EditRewrite {
    const std::optional<unsigned> number = ParseUnsigned(box);
    if (!number) {
      record().member_length() = 0;
      return NumberText(0);
    }
    const unsigned value = std::min(*number, kByteMax);
    record().member_length() = static_cast<uint8_t>(value);
    if (*number > kByteMax) return NumberText(kByteMax);
    const size_t first = box.find_first_not_of(' ');
    const size_t digits = box.find_last_not_of(' ') - first + 1;
    if (box[first] == '0' && digits > 1) return NumberText(value);
    return std::nullopt;
  });
}

DelimiterEntry LookupPage::ChangeDelimiter(std::string_view text) {
  DelimiterEntry entry;
  entry.rewrite = SettleEdit(text, [this, &entry](std::string_view box) -> EditRewrite {
    const std::optional<unsigned> number = ParseUnsigned(box);
    if (!number) {
      record().delimiter() = 0;
      return box.empty() ? std::nullopt : EditRewrite(NumberText(0));
    }
    // A carriage return ends a record in the lookup file, so it cannot separate fields.
    if (*number == kCarriageReturn) {
      entry.message = InvalidValueMessage();
      return NumberText(record().delimiter());
    }
    if (*number > kByteMax) return NumberText(kByteMax);
    record().delimiter() = static_cast<uint8_t>(*number);
    return std::nullopt;
  });
  delimiter_box_ = entry.rewrite ? *entry.rewrite : std::string(text);
  return entry;
}

EditRewrite LookupPage::ChangeOffset(int field, std::string_view text) {
  if (!InRange(field, kLookupFields)) return std::nullopt;
  const NumberEntry entry = ReadNumberEntry(text, kByteMax);
  record().field_offset(field) = static_cast<uint8_t>(entry.value);
  return entry.rewrite;
}

EditRewrite LookupPage::ChangeLength(int field, std::string_view text) {
  if (!InRange(field, kLookupFields)) return std::nullopt;
  const NumberEntry entry = ReadNumberEntry(text, kByteMax);
  record().field_length(field) = static_cast<uint8_t>(entry.value);
  return entry.rewrite;
}

std::array<LookupRowState, kLookupFields> LookupPage::SelectFieldCount(int count) {
  if (InRange(count, kLookupFields + 1)) record().field_count() = static_cast<uint8_t>(count);
  return Rows();
}

void LookupPage::SelectKeyField(int field) {
  if (InRange(field, kLookupFields)) record().key_field() = static_cast<uint8_t>(field);
}

LookupView LookupPage::ClickReadOnce() {
  LookupRecord lookup = record();
  lookup.read_once() = Toggled(lookup.read_once());
  // The shorter list shows "Insert to lookup file" for any other action; store what it shows,
  // so the saved action is the one the user sees.
  if (lookup.read_once() != 0 && NoMatchPosition() == 0) {
    lookup.no_match_action() = kFirstInsertAction;
  }
  return View();
}

CheckState LookupPage::ClickUpload() {
  record().upload_flag() = Toggled(record().upload_flag());
  return Check(record().upload_flag());
}

CheckState LookupPage::ClickNegativeRemains() {
  record().negative_remains() = Toggled(record().negative_remains());
  return Check(record().negative_remains());
}

CheckState LookupPage::ClickDeleteIfEmpty() {
  record().delete_if_empty() = Toggled(record().delete_if_empty());
  return Check(record().delete_if_empty());
}

void LookupPage::SelectNoMatch(int position) {
  const bool read_once = record().read_once() != 0;
  if (!InRange(position, read_once ? kInsertActions : kNoMatchActions)) return;
  record().no_match_action() = static_cast<uint8_t>(position + (read_once ? 2 : 0));
}

void LookupPage::SelectBadFormat(int action) {
  if (InRange(action, kBadFormatActions)) {
    record().bad_format_action() = static_cast<uint8_t>(action);
  }
}

LookupView LookupPage::Reset() {
  for (int i = 0; i < kLookupCount; ++i) {
    LookupRecord lookup = LookupAt(working_, i);
    const uint8_t delete_if_empty = lookup.delete_if_empty();
    std::fill_n(lookup.bytes().begin(), lookup_offset::kSpare, uint8_t{0});
    for (int k = 0; k < kLookupFields; ++k) lookup.field_offset(k) = 1;
    lookup.upload_flag() = 1;
    lookup.delete_if_empty() = delete_if_empty;
  }
  return SelectLookup(0);
}

void LookupPage::Apply(Design& design) {
  if (!opened_) return;
  for (int i = 0; i < kLookupCount; ++i) {
    LookupRecord lookup = LookupAt(working_, i);
    if (lookup.delimiter() != 0) ApplyDelimitedLayout(lookup);
    if (lookup.read_once() != 0) lookup.no_match_action() += 2;
    std::copy_n(lookup.bytes().begin(), kLookupRecordSize, LookupAt(design, i).bytes().begin());
  }
  PutCalculatorDigit(session_, CalculatorDigit(design));
  opened_ = false;
}

}  // namespace q700::editor
