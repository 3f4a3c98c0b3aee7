// The command-line tool's entry: parses the arguments and runs one command.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace q700::cli {

// Exit statuses: success, a failed operation, bad usage, stopped by Ctrl-C or SIGTERM (the
// shells' 128 + SIGINT).
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitInterrupted = 130;

std::vector<std::string> ArgsFrom(int argc, char** argv);

// Runs the tool with `args` (the program name first); messages go to `err`.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace q700::cli
