// The field properties dialog of an ordinary form line.
#include "editor/field_properties_logic.h"

#include <algorithm>

#include "editor/list_texts.h"
#include "editor/page_values.h"
#include "editor/pickers.h"

namespace q700::editor {
namespace {

using namespace form_offset;

constexpr unsigned kFixedLengthMax = 255;
constexpr unsigned kPartialLengthMax = 80;
constexpr unsigned kStartPositionMax = 127;  // bit 7 of the byte is "Save full barcode"
constexpr size_t kInitialValueMax = kInitialValueChars;
constexpr size_t kInputMarkKept = 2;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetterOrDigit(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsGs1Mode(uint8_t mode) { return mode == 2 || mode == 3; }
}  // namespace

FieldPropertiesLists LoadFieldPropertiesLists(TextLoader& texts) {
  return {LoadTexts(texts, kAlignmentTexts), LoadTexts(texts, kDecimalPlacesTexts),
          LoadTexts(texts, kCheckDigitTexts), LoadTexts(texts, kAutoEnterTexts)};
}

std::string FitInitialValue(uint8_t type, std::string_view text) {
  std::string value(text.substr(0, type == kTypeBoolean ? 1 : kInitialValueMax));
  switch (type) {
    case kTypeInteger:
      std::erase_if(value, [](char c) { return !IsDigit(c); });
      break;
    case kTypeReal:
    case kTypeAuto: {
      // A second point makes the number ambiguous, so then no point is kept.
      const bool one_point = std::count(value.begin(), value.end(), '.') == 1;
      std::erase_if(value, [one_point](char c) { return !IsDigit(c) && !(c == '.' && one_point); });
      break;
    }
    case kTypeBoolean:
      if (!value.empty() && std::string_view("10TFtfYNyn").find(value[0]) == std::string::npos) {
        value.clear();
      }
      break;
    case kTypeAlphameric:
      value.erase(std::find_if_not(value.begin(), value.end(), IsLetterOrDigit), value.end());
      break;
    default:
      break;
  }
  return value;
}

Message ShortGs1CodeMessage() {
  return Message{.caption_utf8 = "Предупреждение",
                 .text_utf8 = "Слишком короткий код GS1 (минимум 2 символа)",
                 .icon = Icon::kWarning};
}

FieldPropertiesDialog::FieldPropertiesDialog(FormRecord record, int form, int line,
                                             bool& show_input_mark, TextLoader& texts)
    : record_(record), form_(form), line_(line), show_input_mark_(show_input_mark), texts_(texts) {}

FieldPropertiesView FieldPropertiesDialog::Open() {
  backup_.Take(record_);
  if (record_.input_mark(line_) != 0) show_input_mark_ = true;
  show_input_mark_backup_ = show_input_mark_;
  uint8_t& start = Line(kPartialStart);
  save_full_ = GetBit(start, 7);
  if (GetBits(start, 0, 7) == 0) SetBits(start, 0, 7, 1);
  uint8_t& length = Line(kPartialLength);
  if (length == 0 || length > kPartialLengthMax) length = kPartialLengthMax;
  std::copy_n(record_.prefix(line_).begin(), kCodeSize, prefix_.begin());
  std::copy_n(record_.suffix(line_).begin(), kCodeSize, suffix_.begin());
  gs1_code_ = SlotText(record_.gs1_code(line_));
  return View();
}

FieldPropertiesView FieldPropertiesDialog::View() {
  const uint8_t type = record_.type(line_);
  const bool fixed_data = type == kTypeFixedData;
  FieldPropertiesView v;
  v.fixed_length = {Flag(kFixedLengthFlag), true};
  v.fixed_length_edits = v.fixed_length.checked;
  v.alignment = Line(kAlignment);
  // A fixed data line's data is its prompt: it has no initial value and no input.
  v.initial_value = {Flag(kInitialFlag), !fixed_data};
  v.initial_value_edit = v.initial_value.checked && !fixed_data;
  v.prefix = {Flag(kPrefixFlag), true};
  v.prefix_box = v.prefix.checked;
  v.suffix = {Flag(kSuffixFlag), true};
  v.suffix_box = v.suffix.checked;
  v.input_mark = {show_input_mark_, !fixed_data};
  v.input_mark_edit = show_input_mark_ && !fixed_data;
  v.decimal_places_enabled = type == kTypeReal;
  v.decimal_places = Line(kDecimalPlaces);

  const uint8_t mode = Line(kPartialMode);
  const bool partial = mode != 0;
  const bool gs1 = IsGs1Mode(mode);
  v.partial = {partial, true};
  v.barcode_part = {mode == 1, partial};
  v.gs1_part = {gs1, partial};
  v.cut_gs1 = {mode == 3, gs1};
  v.start_position_edit = mode == 1;
  v.max_length_edit = mode == 1;
  v.save_full = {save_full_, partial};
  v.gs1_code_edit = gs1;

  v.leading_code = {Flag(kLeadingFlag), true};
  v.leading_code_edit = v.leading_code.checked;
  const uint8_t method = Line(kCheckDigit);
  v.check_digit = {method != 0, true};
  v.check_digit_list = method != 0;
  v.check_digit_method = method != 0 ? method - 1 : 0;
  v.auto_enter = Line(kAutoEnter);
  return v;
}

FieldPropertiesTexts FieldPropertiesDialog::Texts() {
  FieldPropertiesTexts t;
  t.form_number = form_ + 1;
  t.line_number = line_ + 1;
  t.fixed_length = NumberText(Line(kFixedLength));
  t.initial_value = SlotText(record_.initial_value(line_));
  t.prefix = ReadSequenceText(prefix_, kCodeSequenceCapacity, texts_).text;
  t.suffix = ReadSequenceText(suffix_, kCodeSequenceCapacity, texts_).text;
  const uint8_t mark = record_.input_mark(line_);
  if (mark != 0) t.input_mark = std::string(1, static_cast<char>(mark));
  t.start_position = NumberText(GetBits(Line(kPartialStart), 0, 7));
  t.max_length = NumberText(Line(kPartialLength));
  t.gs1_code = gs1_code_;
  t.leading_code = SlotText(record_.leading_code(line_));
  return t;
}

FieldPropertiesView FieldPropertiesDialog::ClickFixedLength() {
  Toggle(kFixedLengthFlag);
  return View();
}

EditRewrite FieldPropertiesDialog::ChangeFixedLength(std::string_view text) {
  const NumberEntry entry = ReadNumberEntry(text, kFixedLengthMax);
  Line(kFixedLength) = static_cast<uint8_t>(entry.value);
  return entry.rewrite;
}

FieldPropertiesView FieldPropertiesDialog::SelectAlignment(int alignment) {
  if (InRange(alignment, kAlignmentTexts.count)) Line(kAlignment) = static_cast<uint8_t>(alignment);
  return View();
}

FieldPropertiesView FieldPropertiesDialog::ClickInitialValue() {
  Toggle(kInitialFlag);
  return View();
}

EditRewrite FieldPropertiesDialog::ChangeInitialValue(std::string_view text) {
  const std::string value = FitInitialValue(record_.type(line_), text);
  SetSlotText(record_.initial_value(line_), value);
  if (value == text) return std::nullopt;
  return value;
}

FieldPropertiesView FieldPropertiesDialog::ClickPrefix() {
  Toggle(kPrefixFlag);
  return View();
}

FieldPropertiesView FieldPropertiesDialog::ClickSuffix() {
  Toggle(kSuffixFlag);
  return View();
}

FieldPropertiesView FieldPropertiesDialog::ClickInputMark() {
  show_input_mark_ = !show_input_mark_;
  return View();
}

EditRewrite FieldPropertiesDialog::ChangeInputMark(std::string_view text) {
  record_.input_mark(line_) = text.empty() ? 0 : static_cast<uint8_t>(text[0]);
  if (text.size() > kInputMarkKept) return std::string(text.substr(0, 1));
  return std::nullopt;
}

FieldPropertiesView FieldPropertiesDialog::SelectDecimalPlaces(int places) {
  if (InRange(places, kDecimalPlacesTexts.count))
    Line(kDecimalPlaces) = static_cast<uint8_t>(places);
  return View();
}

FieldPropertiesView FieldPropertiesDialog::ClickPartial() {
  Line(kPartialMode) = Line(kPartialMode) != 0 ? 0 : 1;
  return View();
}

FieldPropertiesView FieldPropertiesDialog::ClickBarcodePart() {
  if (Line(kPartialMode) != 0) Line(kPartialMode) = 1;
  return View();
}

FieldPropertiesView FieldPropertiesDialog::ClickGs1Part() {
  // Choosing the GS1 part again keeps "Cut GS1 Code" as it is.
  uint8_t& mode = Line(kPartialMode);
  if (mode != 0 && !IsGs1Mode(mode)) mode = 2;
  return View();
}

FieldPropertiesView FieldPropertiesDialog::ClickCutGs1() {
  uint8_t& mode = Line(kPartialMode);
  if (IsGs1Mode(mode)) mode = mode == 3 ? 2 : 3;
  return View();
}

EditRewrite FieldPropertiesDialog::ChangeStartPosition(std::string_view text) {
  uint8_t& start = Line(kPartialStart);
  if (text.empty()) {
    start = 0;
    return std::nullopt;
  }
  const std::optional<unsigned> number = ParseUnsigned(text);
  if (!number) {
    start = 1;
    return "1";
  }
  // The position has seven bits; a larger number would spill into the "Save full" bit.
  if (*number > kStartPositionMax) {
    start = kStartPositionMax;
    return NumberText(kStartPositionMax);
  }
  start = static_cast<uint8_t>(*number);
  return std::nullopt;
}

EditRewrite FieldPropertiesDialog::ChangeMaxLength(std::string_view text) {
  const NumberEntry entry = ReadNumberEntry(text, kPartialLengthMax);
  Line(kPartialLength) = static_cast<uint8_t>(entry.value);
  return entry.rewrite;
}

FieldPropertiesView FieldPropertiesDialog::ClickSaveFull() {
  save_full_ = !save_full_;
  return View();
}

EditRewrite FieldPropertiesDialog::ChangeGs1Code(std::string_view text) {
  TextEntry entry = ReadTextEntry(text, kGs1CodeSize);
  gs1_code_ = std::move(entry.text);
  return entry.rewrite;
}

FieldPropertiesView FieldPropertiesDialog::ClickLeadingCode() {
  Toggle(kLeadingFlag);
  return View();
}

EditRewrite FieldPropertiesDialog::ChangeLeadingCode(std::string_view text) {
  TextEntry entry = ReadTextEntry(text, kLeadingCodeSize);
  // Six characters fill the slot without a terminator.
  Bytes slot = record_.leading_code(line_);
  std::copy(entry.text.begin(), entry.text.end(), slot.begin());
  if (entry.text.size() < slot.size()) slot[entry.text.size()] = 0;
  return entry.rewrite;
}

FieldPropertiesView FieldPropertiesDialog::ClickCheckDigit() {
  Line(kCheckDigit) = Line(kCheckDigit) != 0 ? 0 : 1;
  return View();
}

FieldPropertiesView FieldPropertiesDialog::SelectCheckDigit(int position) {
  if (Line(kCheckDigit) != 0 && InRange(position, kCheckDigitTexts.count)) {
    Line(kCheckDigit) = static_cast<uint8_t>(position + 1);
  }
  return View();
}

FieldPropertiesView FieldPropertiesDialog::SelectAutoEnter(int choice) {
  if (InRange(choice, kAutoEnterTexts.count)) Line(kAutoEnter) = static_cast<uint8_t>(choice);
  return View();
}

DialogOk FieldPropertiesDialog::Ok() {
  // Checked first, so a refused OK changes nothing.
  if (IsGs1Mode(Line(kPartialMode)) && gs1_code_.size() < 2) {
    return DialogOk{false, ShortGs1CodeMessage()};
  }
  if (!show_input_mark_) record_.input_mark(line_) = 0;
  uint8_t& start = Line(kPartialStart);
  if (GetBits(start, 0, 7) == 0) SetBits(start, 0, 7, 1);
  SetBit(start, 7, save_full_);
  std::copy(prefix_.begin(), prefix_.end(), record_.prefix(line_).begin());
  std::copy(suffix_.begin(), suffix_.end(), record_.suffix(line_).begin());
  Bytes gs1 = record_.gs1_code(line_);
  std::fill(gs1.begin(), gs1.end(), uint8_t{0});
  std::copy(gs1_code_.begin(), gs1_code_.end(), gs1.begin());
  return DialogOk{};
}

void FieldPropertiesDialog::Cancel() {
  backup_.Restore(record_);
  show_input_mark_ = show_input_mark_backup_;
}

}  // namespace q700::editor
