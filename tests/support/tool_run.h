// The tool run in-process on a command line, with what it printed.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/app.h"

namespace q700::test {

struct ToolResult {
  int status;
  std::string out;
  std::string err;
};

// Runs `tpq700 ARGS...`.
inline ToolResult Tool(std::vector<std::string> args) {
  args.insert(args.begin(), "tpq700");
  std::ostringstream out, err;
  const int status = cli::Run(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace q700::test
