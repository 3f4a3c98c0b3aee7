// The branch, summation and remains dialogs of a form's function keys.
#include "editor/branch_logic.h"

#include "editor/list_texts.h"
#include "editor/page_values.h"

namespace q700::editor {
namespace {

using namespace form_offset;

constexpr int kFieldItems = 8;

// A stored position outside its list shows as the first entry.
int Position(unsigned value, int count) {
  return value < static_cast<unsigned>(count) ? static_cast<int>(value) : 0;
}

}  // namespace

std::vector<std::string> BranchTexts(TextLoader& texts) {
  std::vector<std::string> items = {texts.Load(kItemBranchDisable, Slot::kItem)};
  for (auto& form : NumberedTexts(texts, kItemForm, 1, kFormCount)) items.push_back(form);
  for (auto& last : LoadTexts(texts, kBranchEndTexts)) items.push_back(last);
  return items;
}

BranchView BranchDialog::Open() {
  backup_.Take(record_);
  for (int k = 0; k < kFunctionKeys; ++k) {
    uint8_t& target = record_.line(kBranch, k);
    if (target > kBranchLast) target = 0;
  }
  return View();
}

BranchView BranchDialog::View() {
  BranchView v;
  for (int k = 0; k < kFunctionKeys; ++k) {
    const uint8_t target = record_.line(kBranch, k);
    v.targets[k] = target;
    v.more[k] = target == kBranchRemains || target == kBranchSummation;
  }
  return v;
}

BranchView BranchDialog::SelectTarget(int key, int target) {
  if (InRange(key, kFunctionKeys) && InRange(target, kBranchLast + 1)) {
    record_.line(kBranch, key) = static_cast<uint8_t>(target);
  }
  return View();
}

BranchDetail BranchDialog::PressMore(int key) {
  if (!InRange(key, kFunctionKeys)) return BranchDetail::kNone;
  switch (record_.line(kBranch, key)) {
    case kBranchRemains:
      return BranchDetail::kRemains;
    case kBranchSummation:
      return BranchDetail::kSummation;
    default:
      return BranchDetail::kNone;
  }
}

SummationLists LoadSummationLists(TextLoader& texts) {
  return {LoadTexts(texts, kSummationSourceTexts), FieldTexts(texts)};
}

SummationView SummationDialog::Open() {
  const uint8_t fields = record_.line(kSummationFields, key_);
  view_.source = Position(record_.line(kSummationSource, key_), 4);
  view_.field = Position(GetBits(fields, 0, 4), kFieldItems);
  view_.multiply = fields >= 16;
  view_.multiply_field = view_.multiply ? Position(fields / 16 - 1, kFieldItems) : 0;
  view_.multiply_field_enabled = view_.multiply;
  return view_;
}

SummationView SummationDialog::SelectSource(int source) {
  if (InRange(source, kSummationSourceTexts.count)) view_.source = source;
  return view_;
}

SummationView SummationDialog::SelectField(int field) {
  if (InRange(field, kFieldItems)) view_.field = field;
  return view_;
}

SummationView SummationDialog::ClickMultiply() {
  view_.multiply = !view_.multiply;
  view_.multiply_field_enabled = view_.multiply;
  return view_;
}

SummationView SummationDialog::SelectMultiplyField(int field) {
  if (InRange(field, kFieldItems)) view_.multiply_field = field;
  return view_;
}

void SummationDialog::Ok() {
  record_.line(kSummationSource, key_) = static_cast<uint8_t>(view_.source);
  const int multiply = view_.multiply ? (view_.multiply_field + 1) * 16 : 0;
  record_.line(kSummationFields, key_) = static_cast<uint8_t>(view_.field + multiply);
}

RemainsLists LoadRemainsLists(TextLoader& texts) {
  return {LoadTexts(texts, kVariableTexts), FieldTexts(texts)};
}

RemainsView RemainsDialog::Open() {
  const uint8_t filter = record_.line(kRemainsFilter, key_);
  const uint8_t options = record_.line(kRemainsOptions, key_);
  enable_ = filter >= 16;
  field_ = Position(GetBits(filter, 0, 4), kFieldItems);
  filter_for_ = Position(GetBits(options, 4, 4), 3);
  suffix_ = GetBit(options, 0);
  return View();
}

RemainsView RemainsDialog::View() const {
  return {enable_, filter_for_, field_, CheckState{suffix_, enable_}, enable_};
}

RemainsView RemainsDialog::ClickEnable() {
  enable_ = !enable_;
  return View();
}

RemainsView RemainsDialog::SelectFilterFor(int variable) {
  if (InRange(variable, kVariableTexts.count)) filter_for_ = variable;
  return View();
}

RemainsView RemainsDialog::SelectField(int field) {
  if (InRange(field, kFieldItems)) field_ = field;
  return View();
}

RemainsView RemainsDialog::ClickSuffix() {
  suffix_ = !suffix_;
  return View();
}

void RemainsDialog::Ok() {
  record_.line(kRemainsFilter, key_) = static_cast<uint8_t>((enable_ ? 16 : 0) + field_);
  record_.line(kRemainsOptions, key_) = static_cast<uint8_t>((suffix_ ? 1 : 0) + 16 * filter_for_);
}

}  // namespace q700::editor
