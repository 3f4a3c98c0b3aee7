// Reading a lookup file's definition from a design, and the faults of the definition itself.
#include "data/lookup_layout.h"

#include <algorithm>
#include <array>

#include "model/form_record.h"
#include "model/lookup_record.h"
#include "texts/code_page.h"

namespace q700 {
namespace {

constexpr uint8_t kCarriageReturn = 13;
constexpr uint8_t kLineFeed = 10;

// The prompts of the form lines tied to a column of lookup file `number`: the first line with a
// prompt wins, in form and line order.
void FindPrompts(Design& design, int number, int code_page, LookupLayout& layout) {
  for (int f = 0; f < kFormCount; ++f) {
    FormRecord form = FormAt(design, f);
    if (form.at(form_offset::kLookupFile) != number) continue;
    for (int i = 0; i < kFormLines; ++i) {
      const int column = form.lookup_column(i);
      if (column == 0 || column > 3 * kLookupFields || form.type(i) == kTypeNil) continue;
      const size_t k = static_cast<size_t>((column - 1) % kLookupFields);
      if (k >= layout.fields.size() || !layout.fields[k].prompt.empty()) continue;
      const std::string prompt = SlotText(form.prompt(i));
      // A prompt the code page cannot show is shown up to that character.
      layout.fields[k].prompt = CodePageToUtf8(prompt, code_page).text;
    }
  }
}

std::string Numbers(const std::vector<int>& values) {
  std::string text;
  for (const int v : values) text += (text.empty() ? "" : ", ") + std::to_string(v);
  return text;
}

}  // namespace

int LookupLayout::FixedFieldAt(size_t position) const {
  for (size_t k = 0; k < fields.size(); ++k) {
    const size_t start = static_cast<size_t>(std::max(fields[k].offset, 1) - 1);
    if (position >= start && position < start + static_cast<size_t>(fields[k].length)) {
      return static_cast<int>(k) + 1;
    }
  }
  return 0;
}

LookupLayout ReadLookupLayout(Design& design, int number, int code_page) {
  LookupRecord record = LookupAt(design, number - 1);
  LookupLayout layout;
  layout.number = number;
  layout.delimiter = record.delimiter();
  layout.member_length = record.member_length();
  layout.field_count = record.field_count();
  layout.key_field = record.key_field();
  layout.bad_format_action = record.bad_format_action();
  const int count = std::min(layout.field_count, kLookupFields);
  for (int k = 0; k < count; ++k) {
    layout.fields.push_back({record.field_offset(k), record.field_length(k), ""});
  }
  if (layout.delimited()) {
    std::array<uint8_t, kLookupRecordSize> copy;
    std::copy(record.bytes().begin(), record.bytes().end(), copy.begin());
    LookupRecord computed(copy);
    ApplyDelimitedLayout(computed);
    layout.computed_member_length = computed.member_length();
    layout.layout_computed = computed.member_length() == record.member_length();
    for (int k = 0; k < count; ++k) {
      layout.layout_computed &= computed.field_offset(k) == record.field_offset(k);
    }
    for (const LookupField& field : layout.fields) layout.longest_line += field.length;
    layout.longest_line += count - 1;
  }
  layout.usable = layout.member_length != 0 && layout.field_count != 0 &&
                  layout.field_count <= kLookupFields && layout.key_field < layout.field_count &&
                  layout.delimiter != kCarriageReturn && layout.delimiter != kLineFeed;
  FindPrompts(design, number, code_page, layout);
  return layout;
}

std::vector<LookupProblem> CheckLookupDefinition(const LookupLayout& layout) {
  std::vector<LookupProblem> problems;
  const auto add = [&](LookupProblemKind kind, std::string text, int field = 0) {
    LookupProblem problem;
    problem.kind = kind;
    problem.field = field;
    if (field != 0) problem.prompt = layout.fields[static_cast<size_t>(field - 1)].prompt;
    problem.text = std::move(text);
    problems.push_back(std::move(problem));
  };

  if (layout.member_length == 0 || layout.field_count == 0) {
    std::string text = "not defined: its member length is " + std::to_string(layout.member_length) +
                       " and it has " + std::to_string(layout.field_count) +
                       " fields (both must be above 0)";
    if (layout.delimited() && layout.field_count != 0) {
      text +=
          "; the editor works the member length of a delimited file out when the Lookup "
          "page applies";
    }
    add(LookupProblemKind::kNotDefined, text);
    return problems;
  }
  if (layout.field_count > kLookupFields) {
    add(LookupProblemKind::kTooManyFields,
        std::to_string(layout.field_count) + " fields; a lookup file has at most 8");
  }
  if (layout.key_field >= layout.field_count) {
    add(LookupProblemKind::kKeyBeyondFields,
        "the key field is field " + std::to_string(layout.key_field + 1) + ", but there are " +
            std::to_string(layout.field_count) + " fields");
  }
  if (layout.delimiter == kCarriageReturn) {
    add(LookupProblemKind::kDelimiterEndsLines,
        "the delimiter is 13, the carriage return that ends every line");
  } else if (layout.delimiter == kLineFeed) {
    add(LookupProblemKind::kDelimiterEndsLines,
        "the delimiter is 10, the line feed, which the terminal drops wherever it stands");
  }
  if (layout.delimited()) {
    if (layout.longest_line > 255) {
      add(LookupProblemKind::kRecordTooLong,
          "a line of the longest fields and their delimiters has " +
              std::to_string(layout.longest_line) +
              " characters, more than the member length (a byte) can hold");
    } else if (!layout.layout_computed) {
      std::vector<int> stored, computed;
      int offset = 1;
      for (const LookupField& field : layout.fields) {
        stored.push_back(field.offset);
        computed.push_back(offset);
        offset += field.length + 1;
      }
      add(LookupProblemKind::kLayoutNotComputed,
          "the stored member length " + std::to_string(layout.member_length) + " and offsets " +
              Numbers(stored) + " are not those the field lengths give (" +
              std::to_string(layout.computed_member_length) + " and " + Numbers(computed) +
              "): apply the Lookup page in the editor, or set lookup." +
              std::to_string(layout.number) + ".member_length and the offsets to those values");
    }
    return problems;
  }
  if (layout.member_length > static_cast<int>(kLookupLineLimit)) {
    add(LookupProblemKind::kRecordTooLong,
        "the member length " + std::to_string(layout.member_length) + " is more than the " +
            std::to_string(kLookupLineLimit) + " characters a line may hold");
  }
  for (size_t k = 0; k < layout.fields.size(); ++k) {
    const LookupField& field = layout.fields[k];
    const int last = field.offset + field.length - 1;
    const int field_number = static_cast<int>(k) + 1;
    if (field.offset == 0) {
      add(LookupProblemKind::kFieldOutsideRecord, "its offset is 0; offsets count from 1",
          field_number);
    } else if (last > layout.member_length) {
      add(LookupProblemKind::kFieldOutsideRecord,
          "columns " + std::to_string(field.offset) + " to " + std::to_string(last) +
              " lie outside the member length " + std::to_string(layout.member_length),
          field_number);
    }
  }
  return problems;
}

}  // namespace q700
