// Checking and setting field assignments.
#include "cli/assignments.h"

#include <memory>

#include "cli/field_text.h"

namespace q700::cli {

std::optional<Assignment> ParseAssignmentWord(std::string_view word, int code_page,
                                              std::string& error, bool& malformed) {
  malformed = false;
  const size_t eq = word.find('=');
  if (eq == std::string_view::npos) {
    error = "\"" + std::string(word) + "\" is not NAME=VALUE";
    malformed = true;
    return std::nullopt;
  }
  const std::string name(word.substr(0, eq));
  const FieldInfo* f = FindField(name);
  if (f == nullptr) {
    error = "no field named " + name + " (see 'tpq700 fields')";
    return std::nullopt;
  }
  std::optional<std::string> value = ValueInCodePage(*f, word.substr(eq + 1), code_page, error);
  if (!value) return std::nullopt;
  if (const auto problem = CheckFieldValue(*f, *value)) {
    error = *problem;
    return std::nullopt;
  }
  return Assignment{f, std::move(*value)};
}

std::vector<std::string> SetAssignments(Design& design,
                                        const std::vector<Assignment>& assignments) {
  std::vector<const FieldInfo*> fields;
  for (const Assignment& a : assignments) fields.push_back(a.field);
  // The fields are set in a copy, so that a refusal on the way leaves the design as it was.
  auto copy = std::make_unique<Design>(design);
  std::vector<std::string> problems;
  for (const size_t i : SetOrder(fields)) {
    const Assignment& a = assignments[i];
    if (const auto problem = CheckFieldInDesign(*a.field, *copy, a.value)) {
      problems.push_back(*problem);
      continue;
    }
    SetField(*a.field, *copy, a.value);
  }
  if (problems.empty()) design = *copy;
  return problems;
}

std::vector<const FieldInfo*> ChangedFields(Design& before, Design& after) {
  std::vector<const FieldInfo*> changed;
  for (const FieldInfo& f : DesignFields()) {
    if (!SameFieldValue(f, before, after)) changed.push_back(&f);
  }
  return changed;
}

}  // namespace q700::cli
