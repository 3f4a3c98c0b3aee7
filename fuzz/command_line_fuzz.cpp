// Fuzz target for the program's command line: any UTF-16 text after the program's name. What it
// names must be a piece of the text, without the quotes that delimit it and without blanks at its
// ends; nothing is named only when the text holds nothing but blanks and quotes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/command_line.h"
#include "fuzz/fuzz_support.h"

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::wstring arguments;
  for (size_t i = 0; i + 1 < size; i += 2) {
    arguments.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
  }
  const std::optional<std::wstring> named = q700::ProjectNamedOnCommandLine(arguments);

  size_t first = 0;
  while (first < arguments.size() && IsBlank(arguments[first])) ++first;
  const bool quoted = first < arguments.size() && arguments[first] == L'"';
  if (!named) {
    // Only blanks, or a quote with nothing before its closing quote.
    if (quoted) {
      Q700_FUZZ_CHECK(first + 1 == arguments.size() || arguments[first + 1] == L'"' ||
                      arguments.find_first_not_of(L" \t", first + 1) == std::wstring::npos);
    } else {
      Q700_FUZZ_CHECK(first == arguments.size());
    }
    return 0;
  }
  Q700_FUZZ_CHECK(!named->empty());
  Q700_FUZZ_CHECK(arguments.find(*named) != std::wstring::npos);
  if (quoted) {
    Q700_FUZZ_CHECK(named->find(L'"') == std::wstring::npos);
    Q700_FUZZ_CHECK(arguments.compare(first + 1, named->size(), *named) == 0);
  } else {
    Q700_FUZZ_CHECK(!IsBlank(named->front()) && !IsBlank(named->back()));
  }
  return 0;
}
