// The Form page: working copy of the forms, line rules and the commit.
#include "editor/form_page.h"

#include <algorithm>

#include "editor/list_texts.h"
#include "editor/page_values.h"

namespace q700::editor {
namespace {

using namespace form_offset;

constexpr int kLineLengthMax = kLineLengthRange.max;
constexpr uint8_t kSourceKeypad = 1;
constexpr int kSignedLookupItems = 25;  // "nil", field, -field and +field 1 to 8
constexpr int kLookupItems = 9;         // "nil", field 1 to 8

// Types of lines that take typed input and lengths: text to auto(+/-), alphameric to compare.
bool HasLengths(uint8_t t) { return (t >= kTypeText && t <= kTypeAuto) || t >= kTypeAlphameric; }

// A change of type between groups also drops the check digit method and the initial value flag
// (for a lookup line, "Save field data").
void ClearDetails(FormRecord form, int i) {
  ClearRecordDetails(form, i);
  form.line(kCheckDigit, i) = 0;
  form.line(kInitialFlag, i) = 0;
}

// A type without the signed choices keeps only the field number of a signed lookup column.
void FitLookupColumn(FormRecord form, int i) {
  uint8_t& column = form.lookup_column(i);
  if (!HasSignedLookup(form.type(i)) && column >= 9) {
    column = static_cast<uint8_t>(column % 8 == 0 ? 8 : column % 8);
  }
}

}  // namespace

LineControls LineControlsFor(uint8_t t) {
  LineControls c;
  c.prompt = t != kTypeNil && t != kTypeExtension;
  c.more = (t >= kTypeText && t <= kTypeFixedData) || t >= kTypeAlphameric;
  c.input_source = HasLengths(t) || t == kTypeBoolean || t == kTypePause;
  c.lookup = HasLengths(t) || t == kTypeBoolean || t == kTypeLookup;
  c.min_length = HasLengths(t);
  c.max_length = HasLengths(t);
  return c;
}

bool TypeChangeClearsDetails(uint8_t o, uint8_t t) {
  if (t == kTypeNil) return true;
  if (t >= kTypeFixedData && o != kTypeLookup && o < kTypeAlphameric) return true;
  return t >= kTypeText && t <= kTypeLookup && o >= kTypeLookup && o <= kTypePause;
}

FormPageLists FormPage::Lists() const {
  FormPageLists lists;
  lists.forms = NumberedTexts(texts_, kItemForm, 1, kFormCount);
  lists.fonts = LoadTexts(texts_, kFontTexts);
  lists.escape_targets = TargetTexts(texts_);
  lists.next_targets = lists.escape_targets;
  lists.next_targets.push_back(texts_.Load(kItemBackToErrorForm, Slot::kItem));
  lists.error_targets = {texts_.Load(kItemSkipError, Slot::kItem)};
  for (const auto& target : lists.escape_targets) lists.error_targets.push_back(target);
  lists.lookup_files = LoadTexts(texts_, kFormLookupTexts);
  lists.record_actions = LoadTexts(texts_, kRecordActionTexts);
  lists.types = LoadTexts(texts_, kFieldTypeTexts);
  lists.input_sources = LoadTexts(texts_, kInputSourceTexts);
  return lists;
}

FormPageView FormPage::Open(const Design& design) {
  std::copy(design.forms.begin(), design.forms.end(), working_.begin());
  for (auto& form : show_input_mark_) form.fill(false);
  form_ = 0;
  detail_line_ = 0;
  opened_ = true;
  return View();
}

bool FormPage::Locked(int line) { return record().font_size() != 0 && line >= 4; }

LineState FormPage::StateOf(int i) {
  FormRecord form = record();
  LineState state;
  const uint8_t t = form.type(i);
  if (Locked(i)) {
    state.enabled = LineControls{.type = false};
  } else {
    state.enabled = LineControlsFor(t);
  }
  state.type = t;
  state.input_source = form.input_source(i);
  FitLookupColumn(form, i);
  state.lookup_items = {texts_.Load(kItemNoLookup, Slot::kItem)};
  const int count = HasSignedLookup(t) ? kSignedLookupItems : kLookupItems;
  for (int id = kItemField; id < kItemField + (count - 1) / 8; ++id) {
    for (auto& item : NumberedTexts(texts_, id, 1, 8)) state.lookup_items.push_back(item);
  }
  state.lookup = form.lookup_column(i);
  return state;
}

FormPageView FormPage::View() {
  FormRecord form = record();
  FormPageView view;
  view.form = form_;
  view.font = form.font_size();
  view.escape_target = form.escape_target();
  view.next_target = form.next_target();
  view.error_target = form.at(kErrorTarget);
  view.lookup_file = form.at(kLookupFile);
  view.record_action = form.record_action();
  for (int i = 0; i < kFormLines; ++i) {
    view.lines[i] = StateOf(i);
    view.texts[i].prompt = SlotText(form.prompt(i));
    view.texts[i].min_length = NumberText(form.min_length(i));
    view.texts[i].max_length = NumberText(form.max_length(i));
  }
  return view;
}

FormPageView FormPage::SelectForm(int form) {
  if (InRange(form, kFormCount)) form_ = form;
  return View();
}

std::array<LineState, kFormLines> FormPage::SelectFont(int font) {
  if (InRange(font, kFontTexts.count)) record().font_size() = static_cast<uint8_t>(font);
  std::array<LineState, kFormLines> lines;
  for (int i = 0; i < kFormLines; ++i) lines[i] = StateOf(i);
  return lines;
}

// Header lists store the chosen position; a list without a selection changes nothing.
void FormPage::SelectEscapeTarget(int target) {
  if (InRange(target, 21)) record().escape_target() = static_cast<uint8_t>(target);
}

void FormPage::SelectNextTarget(int target) {
  if (InRange(target, 22)) record().next_target() = static_cast<uint8_t>(target);
}

void FormPage::SelectErrorTarget(int target) {
  if (InRange(target, 22)) record().at(kErrorTarget) = static_cast<uint8_t>(target);
}

void FormPage::SelectLookupFile(int file) {
  if (InRange(file, kFormLookupTexts.count)) record().at(kLookupFile) = static_cast<uint8_t>(file);
}

void FormPage::SelectRecordAction(int action) {
  if (InRange(action, kRecordActionTexts.count))
    record().record_action() = static_cast<uint8_t>(action);
}

LineState FormPage::SelectType(int i, int type) {
  FormRecord form = record();
  if (InRange(type, kFieldTypeCount)) {
    const uint8_t old_type = form.type(i);
    const uint8_t t = static_cast<uint8_t>(type);
    form.type(i) = t;
    if (TypeChangeClearsDetails(old_type, t)) {
      ClearDetails(form, i);
      show_input_mark(i) = false;
    }
    // A pause waits for a key, so it always reads the keypad.
    if (t == kTypePause) form.input_source(i) = kSourceKeypad;
  }
  return StateOf(i);
}

EditRewrite FormPage::ChangePrompt(int i, std::string_view text) {
  const TextEntry entry = ReadTextEntry(text.substr(0, kPromptSize), prompt_limit());
  SetSlotText(record().prompt(i), entry.text);
  return entry.rewrite;
}

EditRewrite FormPage::ChangeMinLength(int i, std::string_view text) {
  const NumberEntry entry = ReadNumberEntry(text, kLineLengthMax);
  FormRecord form = record();
  form.min_length(i) = form.type(i) == kTypeBoolean ? 1 : static_cast<uint8_t>(entry.value);
  return entry.rewrite;
}

EditRewrite FormPage::ChangeMaxLength(int i, std::string_view text) {
  const NumberEntry entry = ReadNumberEntry(text, kLineLengthMax);
  FormRecord form = record();
  form.max_length(i) = form.type(i) == kTypeBoolean ? 1 : static_cast<uint8_t>(entry.value);
  return entry.rewrite;
}

void FormPage::SelectInputSource(int i, int source) {
  if (InRange(source, kInputSourceTexts.count))
    record().input_source(i) = static_cast<uint8_t>(source);
}

void FormPage::SelectLookupColumn(int i, int column) {
  const size_t count = HasSignedLookup(record().type(i)) ? kSignedLookupItems : kLookupItems;
  if (InRange(column, count)) record().lookup_column(i) = static_cast<uint8_t>(column);
}

FieldDialog FormPage::PressMore(int i) {
  detail_line_ = i;
  return record().type(i) == kTypeLookup ? FieldDialog::kLookupProperties
                                         : FieldDialog::kFieldProperties;
}

FormCommit FormPage::Apply(Design& design, bool& modified) {
  ClearUnusedDetails(working_);
  for (int f = 0; f < kFormCount; ++f) {
    for (int i = 0; i < kFormLines; ++i) {
      if (!LineCarriesData(FormAt(working_, f), i)) show_input_mark_[f][i] = false;
    }
  }
  std::copy(working_.begin(), working_.end(), design.forms.begin());
  modified = true;
  NormaliseCommittedForms(design.forms);
  opened_ = false;
  return FormCommit{};
}

void FormPage::Cancel() { opened_ = false; }

}  // namespace q700::editor
