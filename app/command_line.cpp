// The project file named on the command line.
#include "app/command_line.h"

namespace q700 {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::optional<std::wstring> ProjectNamedOnCommandLine(std::wstring_view arguments) {
  while (!arguments.empty() && IsBlank(arguments.front())) arguments.remove_prefix(1);
  while (!arguments.empty() && IsBlank(arguments.back())) arguments.remove_suffix(1);
  if (!arguments.empty() && arguments.front() == L'"') {
    arguments.remove_prefix(1);
    arguments = arguments.substr(0, arguments.find(L'"'));
  }
  if (arguments.empty()) return std::nullopt;
  return std::wstring(arguments);
}

}  // namespace q700
