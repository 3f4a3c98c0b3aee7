// Designs with one lookup file defined, for the lookup file tests: an article list delimited by
// tabs and a supplier list of fixed-length records, each shown by a form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.h"
#include "data/lookup_problem.h"
#include "model/design.h"
#include "model/form_record.h"
#include "model/lookup_record.h"

namespace q700::test {

// Lookup file `number`: tab-delimited, fields of lengths 13, 20 and 7, key field 1, bad-format
// action "Skip the record", the layout as the editor works it out (member length 42, offsets 1,
// 15, 36). Form 2 shows field 1 as "Item:" and field 2 as "Desc:"; field 3 has no prompt.
inline Design ArticleDesign(int number = 1) {
  Design design{};
  LookupRecord lookup = LookupAt(design, number - 1);
  lookup.delimiter() = kTab;
  lookup.field_count() = 3;
  lookup.field_length(0) = 13;
  lookup.field_length(1) = 20;
  lookup.field_length(2) = 7;
  lookup.member_length() = 42;
  lookup.field_offset(0) = 1;
  lookup.field_offset(1) = 15;
  lookup.field_offset(2) = 36;
  lookup.bad_format_action() = 2;
  FormRecord form = FormAt(design, 1);
  form.at(form_offset::kLookupFile) = static_cast<uint8_t>(number);
  form.type(1) = kTypeText;
  form.lookup_column(1) = 1;
  SetSlotText(form.prompt(1), "Item:");
  form.type(2) = kTypeLookup;
  form.lookup_column(2) = 2;
  SetSlotText(form.prompt(2), "Desc:");
  return design;
}

// Lookup file 1: fixed-length records of 26 characters, the supplier number in columns 1 to 5
// (the key) and the name in 7 to 26; bad-format action "Stop the download process". Form 1 shows
// field 1 as "Supp:".
inline Design SupplierDesign() {
  Design design{};
  LookupRecord lookup = LookupAt(design, 0);
  lookup.delimiter() = 0;
  lookup.member_length() = 26;
  lookup.field_count() = 2;
  lookup.field_offset(0) = 1;
  lookup.field_length(0) = 5;
  lookup.field_offset(1) = 7;
  lookup.field_length(1) = 20;
  FormRecord form = FormAt(design, 0);
  form.at(form_offset::kLookupFile) = 1;
  form.type(0) = kTypeText;
  form.lookup_column(0) = 1;
  SetSlotText(form.prompt(0), "Supp:");
  return design;
}

// "line:field:kind:action" for each problem, to compare with a table.
inline std::vector<std::string> Summary(const std::vector<LookupProblem>& problems) {
  std::vector<std::string> lines;
  for (const LookupProblem& p : problems) {
    lines.push_back(std::to_string(p.line) + ":" + std::to_string(p.field) + ":" +
                    std::string(ProblemKindName(p.kind)) + ":" +
                    std::string(TerminalActionName(p.action)));
  }
  return lines;
}

}  // namespace q700::test
