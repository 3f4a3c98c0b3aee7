// Normalisation of the form records when the editor commits them, and the tidy-up that the
// download preparation shares.
#include <algorithm>

#include "model/form_record.h"

namespace q700 {
namespace {

using namespace form_offset;

void Zero(Bytes bytes) { std::fill(bytes.begin(), bytes.end(), uint8_t{0}); }

// Extension lines continue the field above them on the next lines.
void ChainExtensionLines(FormRecord form, int head, int lines, int width) {
  const int prompt = static_cast<int>(std::min<size_t>(SlotTextLength(form.prompt(head)), width));
  int length = std::max(prompt + form.max_length(head) - width, 0);
  for (int j = head + 1, chained = 0; j < lines && chained < 4; ++j, ++chained) {
    if (form.type(j) != kTypeExtension) break;
    form.max_length(j) = static_cast<uint8_t>(length);
    form.auto_enter(j) = form.auto_enter(head);
    form.input_mark(j) = form.input_mark(head);
    length = std::max(length - width, 0);
  }
}

void ClearLine(FormRecord form, int i) {
  form.lookup_column(i) = 0;
  Zero(form.prompt(i));
  form.input_source(i) = 2;
  form.min_length(i) = 0;
  form.line(kFixedLengthFlag, i) = 0;
  form.line(kAlignment, i) = 0;
  form.line(kFixedLength, i) = 0;
  form.line(kInitialFlag, i) = 0;
  form.initial_value(i)[0] = 0;
  form.line(kPrefixFlag, i) = 0;
  Zero(form.prefix(i));
  form.line(kSuffixFlag, i) = 0;
  Zero(form.suffix(i));
  form.line(kPartialMode, i) = 0;
  form.line(kPartialStart, i) = 0;
  form.line(kPartialLength, i) = 20;
  form.line(kLeadingFlag, i) = 0;
  Zero(form.leading_code(i));
  form.reserved_text(i)[0] = 0;
  if (form.type(i) == kTypeNil) {
    form.max_length(i) = 80;
    form.auto_enter(i) = 1;
    form.input_mark(i) = 0;
  }
}

}  // namespace

bool LineCarriesData(FormRecord form, int i) {
  const uint8_t t = form.type(i);
  if (t == kTypeLookup) return form.line(kInitialFlag, i) != 0;  // "Save field data"
  return IsEntryType(t) || t == kTypeFixedData || (t >= kTypeAlphameric && t <= kTypeVariable3);
}

bool LineInRecord(FormRecord form, int i) {
  const uint8_t type = form.type(i);
  if (type == kTypeNil || type >= kTypePrompt) return false;
  if (type == kTypeLookup) return form.line(kInitialFlag, i) != 0;
  return true;
}

std::string FitFixedLength(FormRecord form, int i, const std::string& data) {
  if (form.line(kFixedLengthFlag, i) == 0) return data;
  const size_t n = form.line(kFixedLength, i);
  if (data.size() >= n) return data.substr(0, n);
  const size_t pad = n - data.size();
  switch (form.line(kAlignment, i)) {
    case 1:
      return std::string(pad, ' ') + data;
    case 2:
      return data + std::string(pad, '0');
    case 3:
      return std::string(pad, '0') + data;
    default:
      return data + std::string(pad, ' ');
  }
}

void ClearRecordDetails(FormRecord form, int i) {
  form.input_mark(i) = 0;
  form.line(kSuffixFlag, i) = 0;
  form.suffix(i)[0] = 0;
  form.line(kPrefixFlag, i) = 0;
  form.prefix(i)[0] = 0;
  form.line(kAlignment, i) = 0;
  form.line(kFixedLength, i) = 0;
  form.line(kFixedLengthFlag, i) = 0;
  form.initial_value(i)[0] = 0;
}

void ClearUnusedDetails(Bytes form_table) {
  for (int f = 0; f < kFormCount; ++f) {
    FormRecord form = FormAt(form_table, f);
    for (int i = 0; i < kFormLines; ++i) {
      if (!LineCarriesData(form, i)) ClearRecordDetails(form, i);
    }
  }
}

void TidyFormLines(FormRecord form, int lines) {
  if (form.font_size() != 0) {
    for (int i = 4; i < kFormLines; ++i) form.type(i) = kTypeNil;
  }
  for (int i = 0; i < lines; ++i) {
    if (form.max_length(i) > 80) form.max_length(i) = 80;
    if (form.min_length(i) > form.max_length(i)) form.min_length(i) = form.max_length(i);
    const uint8_t t = form.type(i);
    if (t == kTypeNil || t == kTypeExtension) Zero(form.prompt(i));
    if (WithoutLookup(t)) form.lookup_column(i) = 0;
  }
}

void NormaliseCommittedForms(Bytes form_table) {
  for (int f = 0; f < kFormCount; ++f) {
    FormRecord form = FormAt(form_table, f);
    const int width = form.line_width();
    // With the large font only lines 1 to 4 are in use; lines 5 to 8 become nil lines but keep
    // their other bytes, so switching back to the small font shows them again.
    const int lines = width - 8;
    TidyFormLines(form, lines);
    for (int i = 0; i < lines; ++i) CutSlotText(form.prompt(i), static_cast<size_t>(width));
    for (int i = 0; i < lines; ++i) {
      if (IsEntryType(form.type(i))) ChainExtensionLines(form, i, lines, width);
    }
    for (int i = 0; i < lines; ++i) {
      if (form.type(i) == kTypeNil || form.type(i) == kTypeExtension) ClearLine(form, i);
    }
  }
}

}  // namespace q700
