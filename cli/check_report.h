// The findings of the design check as the tool prints them, one a line:
// "FILE: error: FIELD: what is wrong".
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "model/design_check.h"

namespace q700::cli {

void PrintFindings(std::ostream& out, const std::string& file,
                   const std::vector<Finding>& findings);

// "2 errors and 1 warning", "1 warning".
std::string CountFindings(const std::vector<Finding>& findings);

}  // namespace q700::cli
