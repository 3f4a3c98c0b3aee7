// Printing the findings of the design check.
#include "cli/check_report.h"

#include <algorithm>
#include <ostream>

namespace q700::cli {

void PrintFindings(std::ostream& out, const std::string& file,
                   const std::vector<Finding>& findings) {
  for (const Finding& f : findings) {
    out << file << ": " << (f.severity == Severity::kError ? "error" : "warning") << ": " << f.field
        << ": " << f.message << "\n";
  }
}

std::string CountFindings(const std::vector<Finding>& findings) {
  const auto errors = std::count_if(findings.begin(), findings.end(), [](const Finding& f) {
    return f.severity == Severity::kError;
  });
  const auto warnings = static_cast<long>(findings.size()) - errors;
  const auto counted = [](long n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
  };
  if (errors == 0) return counted(warnings, "warning");
  if (warnings == 0) return counted(errors, "error");
  return counted(errors, "error") + " and " + counted(warnings, "warning");
}

}  // namespace q700::cli
