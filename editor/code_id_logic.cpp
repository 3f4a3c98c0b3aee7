// The Code ID dialog: working copies, presets and the commit.
#include "editor/code_id_logic.h"

#include <algorithm>

#include "editor/page_values.h"

namespace q700::editor {
namespace {

using namespace settings_offset;

constexpr size_t kCodeIdSize = 2;

// Rows in field order (Code 39 .. Plessey), columns Set 1 to Set 5.
constexpr std::array<std::array<const char*, kCodeIdPresetCount>, kCodeIdCount> kPresets = {{
    {"A", "C", "Y", "M", "A"},   // Code 39
    {"A", "C", "Y", "M", "A"},   // Italian Pharmacode
    {"A", "C", "Y", "M", "A"},   // French Pharmacode
    {"C", "H", "H", "H", "S"},   // Industrial 25
    {"D", "I", "Z", "I", "S"},   // Interleave 25
    {"E", "G", "G", "G", "S"},   // Matrix 25
    {"F", "N", "X", "N", "F"},   // Codabar
    {"I", "L", "L", "L", "G"},   // Code 93
    {"H", "K", "K", "K", "C"},   // Code 128
    {"S", "E", "C", "E", "E"},   // UPCE
    {"P", "B", "B", "FF", "E"},  // EAN8
    {"M", "A", "A", "F", "E"},   // EAN13
    {"J", "A", "A", "A", "E"},   // UPCA
    {"V", "V", "D", "P", "M"},   // MSI
    {"W", "W", "E", "Q", "P"},   // Plessey
}};

}  // namespace

const char* CodeIdPreset(int set, int field) {
  if (!InRange(set, kCodeIdPresetCount) || !InRange(field, kCodeIdCount)) return "";
  return kPresets[static_cast<size_t>(field)][static_cast<size_t>(set)];
}

CodeIdView CodeIdDialog::Open() {
  flag_ = settings_[kCodeIdFlag];
  std::copy_n(settings_.begin() + kCodeIds, codes_.size(), codes_.begin());
  return View();
}

CodeIdView CodeIdDialog::View() {
  CodeIdView view;
  view.enable = flag_ != 0;
  view.controls_enabled = view.enable;
  for (int i = 0; i < kCodeIdCount; ++i) {
    view.fields[static_cast<size_t>(i)] =
        ReadSequenceText(code_id(i), kCodeIdCapacity, texts_).text;
  }
  return view;
}

CodeIdView CodeIdDialog::ClickEnable() {
  flag_ = flag_ != 0 ? 0 : 1;
  return View();
}

CodeIdView CodeIdDialog::PressSet(int set) {
  if (!InRange(set, kCodeIdPresetCount)) return View();
  for (int i = 0; i < kCodeIdCount; ++i) {
    const char* preset = CodeIdPreset(set, i);
    uint8_t* code = codes_.data() + static_cast<size_t>(i) * kCodeIdSize;
    code[0] = static_cast<uint8_t>(preset[0]);
    code[1] = preset[0] != '\0' ? static_cast<uint8_t>(preset[1]) : uint8_t{0};
  }
  return View();
}

CodeIdView CodeIdDialog::PressClear() {
  codes_.fill(0);
  return View();
}

KeySequencePicker CodeIdDialog::Picker(int field) {
  return KeySequencePicker(code_id_box(field), kCodeIdCapacity, texts_);
}

ConstBytes CodeIdDialog::code_id(int field) const {
  const size_t i = InRange(field, kCodeIdCount) ? static_cast<size_t>(field) : 0;
  return ConstBytes(codes_).subspan(i * kCodeIdSize, kCodeIdSize);
}

Bytes CodeIdDialog::code_id_box(int field) {
  const size_t i = InRange(field, kCodeIdCount) ? static_cast<size_t>(field) : 0;
  return Bytes(codes_).subspan(i * kCodeIdSize, kCodeIdSize);
}

CodeIdCommit CodeIdDialog::Ok() {
  settings_[kCodeIdFlag] = flag_;
  std::copy(codes_.begin(), codes_.end(), settings_.begin() + kCodeIds);
  return CodeIdCommit{};
}

}  // namespace q700::editor
