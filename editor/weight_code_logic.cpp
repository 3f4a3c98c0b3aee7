// The Weight Code dialog: flags, mask code, key and quantity fields and the prefix.
#include "editor/weight_code_logic.h"

#include <cstdio>

#include "editor/list_texts.h"
#include "model/barcode_block.h"

namespace q700::editor {
namespace {

using namespace weight_offset;

constexpr uint16_t kFirstMask = 5;
constexpr int kMaskCount = 5;
constexpr int kFieldCount = 8;

// A list position for a stored value counted from `first`; -1 when it has no entry.
int PositionOf(uint16_t value, uint16_t first, int count) {
  const int position = static_cast<int>(value) - first;
  return position >= 0 && position < count ? position : -1;
}

}  // namespace

std::string NormalisePrefix(std::string_view text) {
  if (text.empty()) return "  ";
  if (text.size() == 1) return std::string(" ") + text[0];
  return std::string(text.substr(0, 2));
}

WeightCodeLists WeightCodeDialog::Lists() const {
  WeightCodeLists lists;
  for (int mask = kFirstMask; mask < kFirstMask + kMaskCount; ++mask) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", mask);
    lists.masks.push_back(text);
  }
  lists.fields = FieldTexts(texts_);
  return lists;
}

WeightCodeView WeightCodeDialog::Open() {
  const uint16_t flags = ReadU16Le(weight_, kFlags);
  enable_ = (flags & kEnable) != 0;
  format_1c_ = (flags & kFormat1C) != 0;
  mask_ = ReadU16Le(weight_, kMask);
  key_field_ = ReadU16Le(weight_, kKeyField);
  quantity_field_ = ReadU16Le(weight_, kQuantityField);
  prefix_ = {weight_[kPrefix], weight_[kPrefix + 1]};
  typed_prefix_.clear();
  prefix_typed_ = false;
  return View();
}

WeightCodeView WeightCodeDialog::View() const {
  return {enable_,
          format_1c_,
          enable_,
          PositionOf(mask_, kFirstMask, kMaskCount),
          PositionOf(key_field_, 1, kFieldCount),
          PositionOf(quantity_field_, 1, kFieldCount)};
}

std::string WeightCodeDialog::PrefixText() const {
  std::string text;
  for (uint8_t c : prefix_) {
    if (c == 0) break;
    text += static_cast<char>(c);
  }
  return text;
}

WeightCodeView WeightCodeDialog::ClickEnable() {
  enable_ = !enable_;
  return View();
}

WeightCodeView WeightCodeDialog::ClickFormat1C() {
  format_1c_ = !format_1c_;
  return View();
}

void WeightCodeDialog::SelectMask(int position) {
  if (position >= 0 && position < kMaskCount) mask_ = static_cast<uint16_t>(kFirstMask + position);
}

void WeightCodeDialog::SelectKeyField(int position) {
  if (position >= 0 && position < kFieldCount) key_field_ = static_cast<uint16_t>(position + 1);
}

void WeightCodeDialog::SelectQuantityField(int position) {
  if (position >= 0 && position < kFieldCount) {
    quantity_field_ = static_cast<uint16_t>(position + 1);
  }
}

EditRewrite WeightCodeDialog::ChangePrefix(std::string_view text) {
  const TextEntry entry = ReadTextEntry(text, kWeightPrefixLimit);
  typed_prefix_ = entry.text;
  prefix_typed_ = true;
  return entry.rewrite;
}

EditRewrite WeightCodeDialog::LeavePrefix(std::string_view text) {
  const std::string prefix = NormalisePrefix(text);
  prefix_ = {static_cast<uint8_t>(prefix[0]), static_cast<uint8_t>(prefix[1])};
  typed_prefix_.clear();
  prefix_typed_ = false;
  if (prefix == text) return std::nullopt;
  return prefix;
}

void WeightCodeDialog::Ok() {
  if (prefix_typed_) LeavePrefix(typed_prefix_);
  WriteU16Le(weight_, kFlags,
             static_cast<uint16_t>((enable_ ? kEnable : 0) | (format_1c_ ? kFormat1C : 0)));
  WriteU16Le(weight_, kMask, mask_);
  WriteU16Le(weight_, kKeyField, key_field_);
  WriteU16Le(weight_, kQuantityField, quantity_field_);
  weight_[kPrefix] = prefix_[0];
  weight_[kPrefix + 1] = prefix_[1];
}

}  // namespace q700::editor
