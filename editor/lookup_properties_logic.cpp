// The properties dialog of a lookup line.
#include "editor/lookup_properties_logic.h"

#include <algorithm>

#include "editor/list_texts.h"
#include "editor/pickers.h"

namespace q700::editor {
namespace {

using namespace form_offset;

constexpr unsigned kFixedLengthMax = 255;

}  // namespace

LookupPropertiesDialog::LookupPropertiesDialog(FormRecord record, int line, TextLoader& texts)
    : record_(record), line_(line), texts_(texts) {}

std::vector<std::string> LookupPropertiesDialog::Alignments() {
  return LoadTexts(texts_, kAlignmentTexts);
}

LookupPropertiesView LookupPropertiesDialog::Open() {
  backup_.Take(record_);
  std::copy_n(record_.prefix(line_).begin(), kCodeSize, prefix_.begin());
  std::copy_n(record_.suffix(line_).begin(), kCodeSize, suffix_.begin());
  return View();
}

LookupPropertiesView LookupPropertiesDialog::View() {
  // Without "Save field data" the line adds nothing to the record, so nothing else applies.
  const bool saved = Flag(kInitialFlag);
  LookupPropertiesView v;
  v.save_field_data = {saved, true};
  v.fixed_length = {Flag(kFixedLengthFlag), saved};
  v.fixed_length_edits = saved && v.fixed_length.checked;
  v.alignment = Line(kAlignment);
  v.prefix = {Flag(kPrefixFlag), saved};
  v.prefix_box = saved && v.prefix.checked;
  v.suffix = {Flag(kSuffixFlag), saved};
  v.suffix_box = saved && v.suffix.checked;
  return v;
}

LookupPropertiesTexts LookupPropertiesDialog::Texts() {
  return {NumberText(Line(kFixedLength)),
          ReadSequenceText(prefix_, kCodeSequenceCapacity, texts_).text,
          ReadSequenceText(suffix_, kCodeSequenceCapacity, texts_).text};
}

LookupPropertiesView LookupPropertiesDialog::Toggle(size_t array_offset) {
  Line(array_offset) = Flag(array_offset) ? 0 : 1;
  return View();
}

LookupPropertiesView LookupPropertiesDialog::ClickSaveFieldData() { return Toggle(kInitialFlag); }
LookupPropertiesView LookupPropertiesDialog::ClickFixedLength() { return Toggle(kFixedLengthFlag); }
LookupPropertiesView LookupPropertiesDialog::ClickPrefix() { return Toggle(kPrefixFlag); }
LookupPropertiesView LookupPropertiesDialog::ClickSuffix() { return Toggle(kSuffixFlag); }

EditRewrite LookupPropertiesDialog::ChangeFixedLength(std::string_view text) {
  const NumberEntry entry = ReadNumberEntry(text, kFixedLengthMax);
  Line(kFixedLength) = static_cast<uint8_t>(entry.value);
  return entry.rewrite;
}

LookupPropertiesView LookupPropertiesDialog::SelectAlignment(int alignment) {
  if (alignment >= 0 && alignment < 4) Line(kAlignment) = static_cast<uint8_t>(alignment);
  return View();
}

DialogOk LookupPropertiesDialog::Ok() {
  record_.input_mark(line_) = 0;
  std::copy(prefix_.begin(), prefix_.end(), record_.prefix(line_).begin());
  std::copy(suffix_.begin(), suffix_.end(), record_.suffix(line_).begin());
  return DialogOk{};
}

void LookupPropertiesDialog::Cancel() { backup_.Restore(record_); }

}  // namespace q700::editor
