// The check-box, length, Codabar, Telepen and EAN128 dialogs.
#include "editor/symbology_logic.h"

#include <algorithm>

#include "editor/barcode_labels.h"
#include "model/barcode_block.h"
#include "model/settings_block.h"

namespace q700::editor {
namespace {

namespace bc = barcode;

constexpr unsigned kFirstValueMax = 127;
constexpr unsigned kFirstValueFallback = 127;
constexpr unsigned kSecondValueFallback = 1;
constexpr unsigned kMaxMinLength = 1;
constexpr unsigned kAsciiFallback = 255;

// The buttons of a radio group with the one of `code` checked; none when the stored code has no
// button, which then stays as it is unless the user picks one.
void AddRadioGroup(ButtonStates& states, const RadioGroup& group, unsigned code) {
  for (int k = 0; k < group.count; ++k) {
    states.push_back({group.first_button + k, code == static_cast<unsigned>(k)});
  }
}

// The code a click chooses in a group, or -1 when the control is not one of its buttons.
int CodeOfClick(const RadioGroup& group, int control) {
  const int code = control - group.first_button;
  return code >= 0 && code < group.count ? code : -1;
}

int BoxIndex(std::span<const OptionBox> boxes, int control) {
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (boxes[i].control == control) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

ButtonStates CheckBoxDialog::Open() {
  checked_.clear();
  for (const OptionBox& box : layout_.boxes) checked_.push_back(Get(barcode_, box.bit) != 0);
  return View();
}

ButtonStates CheckBoxDialog::View() const {
  ButtonStates states;
  for (size_t i = 0; i < checked_.size(); ++i)
    states.push_back({layout_.boxes[i].control, checked_[i]});
  return states;
}

ButtonStates CheckBoxDialog::Click(int control) {
  const int index = BoxIndex(layout_.boxes, control);
  if (index >= 0 && static_cast<size_t>(index) < checked_.size())
    checked_[index] = !checked_[index];
  return View();
}

void CheckBoxDialog::Ok() {
  for (size_t i = 0; i < checked_.size(); ++i) Set(barcode_, layout_.boxes[i].bit, checked_[i]);
}

LengthView LengthDialog::Open() {
  choices_.clear();
  for (const RadioGroup& group : layout_.choices) choices_.push_back(Get(barcode_, group.field));
  qualification_ = Get(barcode_, layout_.qualification.field);
  checked_.clear();
  for (const OptionBox& box : layout_.boxes) checked_.push_back(Get(barcode_, box.bit) != 0);
  first_ = Get(barcode_, layout_.first);
  second_ = Get(barcode_, layout_.second);
  return View();
}

LengthView LengthDialog::View() const {
  LengthView view;
  for (size_t g = 0; g < choices_.size(); ++g)
    AddRadioGroup(view.buttons, layout_.choices[g], choices_[g]);
  for (size_t i = 0; i < checked_.size(); ++i) {
    view.buttons.push_back({layout_.boxes[i].control, checked_[i]});
  }
  AddRadioGroup(view.buttons, layout_.qualification, qualification_);
  const auto& ids = layout_.length_label_ids;
  const LabelTable& labels = SymbologyLabels(layout_.dialog);
  const size_t first = qualification_ == kMaxMinLength ? 0 : 2;
  view.first_label = ComposedLabel(texts_, labels, ids[first]);
  view.second_label = ComposedLabel(texts_, labels, ids[first + 1]);
  return view;
}

LengthTexts LengthDialog::Texts() const { return {NumberText(first_), NumberText(second_)}; }

LengthView LengthDialog::Click(int control) {
  for (size_t g = 0; g < choices_.size(); ++g) {
    const int code = CodeOfClick(layout_.choices[g], control);
    if (code >= 0) choices_[g] = static_cast<unsigned>(code);
  }
  const int qualification = CodeOfClick(layout_.qualification, control);
  if (qualification >= 0) qualification_ = static_cast<unsigned>(qualification);
  const int index = BoxIndex(layout_.boxes, control);
  if (index >= 0 && static_cast<size_t>(index) < checked_.size())
    checked_[index] = !checked_[index];
  return View();
}

EditRewrite LengthDialog::ChangeFirst(std::string_view text) {
  const NumberEntry entry = ReadNumberOr(text, kFirstValueFallback);
  first_ = std::min(entry.value, kFirstValueMax);
  return entry.rewrite;
}

EditRewrite LengthDialog::ChangeSecond(std::string_view text) {
  const NumberEntry entry = ReadNumberOr(text, kSecondValueFallback);
  second_ = entry.value;
  return entry.rewrite;
}

void LengthDialog::Ok() {
  for (size_t g = 0; g < choices_.size(); ++g) Set(barcode_, layout_.choices[g].field, choices_[g]);
  Set(barcode_, layout_.qualification.field, qualification_);
  for (size_t i = 0; i < checked_.size(); ++i) Set(barcode_, layout_.boxes[i].bit, checked_[i]);
  const unsigned first = first_ == 0 ? 1 : first_;
  // Industrial 25 has only two bits for its first value, so it keeps the value modulo 4; the
  // second value is still limited by the first value as entered.
  Set(barcode_, layout_.first, first % (1u << layout_.first.width));
  unsigned second = second_;
  if (second > first) {
    second = first;
  } else if (second == 0) {
    second = 1;
  }
  Set(barcode_, layout_.second, second);
}

ButtonStates CodabarDialog::Open() {
  selected_ = Get(barcode_, bc::kCodabarTransmitStartStop) == 0
                  ? kCodabarNone
                  : kCodabarNone + 1 + static_cast<int>(Get(barcode_, bc::kCodabarStartStop));
  return View();
}

ButtonStates CodabarDialog::View() const {
  ButtonStates states;
  for (int button = kCodabarNone; button <= kCodabarNone + 4; ++button) {
    states.push_back({button, button == selected_});
  }
  return states;
}

ButtonStates CodabarDialog::Click(int control) {
  if (control >= kCodabarNone && control <= kCodabarNone + 4) selected_ = control;
  return View();
}

void CodabarDialog::Ok() {
  if (selected_ == kCodabarNone) {
    Set(barcode_, bc::kCodabarTransmitStartStop, 0);
    Set(barcode_, bc::kCodabarStartStop, 0);
  } else {
    Set(barcode_, bc::kCodabarStartStop, static_cast<unsigned>(selected_ - kCodabarNone - 1));
    Set(barcode_, bc::kCodabarTransmitStartStop, 1);
  }
}

ButtonStates TelepenDialog::Open() {
  selected_ = Get(barcode_, bc::kTelepenOriginal) != 0 ? kTelepenOriginal : kTelepenAim;
  return View();
}

ButtonStates TelepenDialog::View() const {
  return {{kTelepenOriginal, selected_ == kTelepenOriginal},
          {kTelepenAim, selected_ == kTelepenAim}};
}

ButtonStates TelepenDialog::Click(int control) {
  if (control == kTelepenOriginal || control == kTelepenAim) selected_ = control;
  return View();
}

void TelepenDialog::Ok() { Set(barcode_, bc::kTelepenOriginal, selected_ == kTelepenOriginal); }

ButtonStates Ean128Dialog::Open() {
  transmit_code_id_ = Get(barcode_, bc::kEan128CodeIdSuppressed) == 0;
  const uint8_t replacement = settings_[settings_offset::kFieldReplacement];
  ascii_.clear();
  text_.clear();
  if (replacement != 0) {
    ascii_ = NumberText(replacement);
    text_ = std::string(1, static_cast<char>(replacement));
  }
  return View();
}

ButtonStates Ean128Dialog::View() const { return {{kTransmitCodeIdBox, transmit_code_id_}}; }

ButtonStates Ean128Dialog::Click(int control) {
  if (control == kTransmitCodeIdBox) transmit_code_id_ = !transmit_code_id_;
  return View();
}

Ean128Edit Ean128Dialog::ChangeText(std::string_view text) {
  Ean128Edit edit;
  const TextEntry entry = ReadTextEntry(text, kReplacementTextLimit);
  text_ = entry.text;
  edit.text = entry.rewrite;
  if (text_.size() == 1) {
    const std::string ascii = NumberText(static_cast<uint8_t>(text_[0]));
    if (ascii != ascii_) edit.ascii = ascii;
    ascii_ = ascii;
  }
  return edit;
}

Ean128Edit Ean128Dialog::ChangeAscii(std::string_view text) {
  Ean128Edit edit;
  ascii_ = std::string(text);
  const std::optional<unsigned> number = ParseUnsigned(text.substr(0, kReplacementAsciiChars));
  unsigned code = number.value_or(0);
  if (code < 1 || code > 255) {
    code = kAsciiFallback;
    ascii_ = NumberText(code);
    edit.ascii = ascii_;
  }
  const std::string character(1, static_cast<char>(code));
  if (text_ != character) {
    text_ = character;
    edit.text = text_;
  }
  return edit;
}

void Ean128Dialog::Ok() {
  settings_[settings_offset::kFieldReplacement] =
      text_.empty() ? uint8_t{0} : static_cast<uint8_t>(text_[0]);
  Set(barcode_, bc::kEan128CodeIdSuppressed, !transmit_code_id_);
}

}  // namespace q700::editor
