// Fuzz target for the language files: any bytes written as the one .lng file of a folder, which is
// scanned and then loaded by its display name. The name is the first line, at most 40
// characters, and a nameless file lists no language; a loaded file defines exactly the entries of
// its "id=label" lines (the last line of an id wins, labels at most 80 characters), and every
// text then loaded fits its slot.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "texts/language_files.h"
#include "texts/text_loader.h"

namespace {

// The display name as the first line of the file's first 100 bytes.
std::string ExpectedName(std::string_view file) {
  std::string_view head = file.substr(0, 100);
  head = head.substr(0, head.find_first_of(std::string_view("\r\n\0", 3)));
  return std::string(head.substr(0, q700::kLanguageNameMax));
}

// The entries a file defines: after its first line and before a NUL, every line whose text
// before its first "=" is a decimal id (blanks before the digits allowed, as a C program reads
// numbers) up to 65535; the label is the rest of the line without the CR of its end.
std::map<int, std::string> ExpectedEntries(std::string_view file) {
  std::map<int, std::string> entries;
  file = file.substr(0, q700::kLanguageFileMax);
  const size_t first_end = file.find('\n');
  if (first_end == std::string_view::npos) return entries;
  std::string_view body = file.substr(first_end + 1);
  body = body.substr(0, body.find('\0'));
  while (!body.empty()) {
    const size_t end = body.find('\n');
    std::string_view line = body.substr(0, end);
    body = end == std::string_view::npos ? std::string_view() : body.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    size_t i = 0;
    while (i < eq && (line[i] == ' ' || line[i] == '\t')) ++i;
    const size_t first_digit = i;
    uint64_t id = 0;
    for (; i < eq && std::isdigit(static_cast<unsigned char>(line[i])); ++i) {
      id = std::min<uint64_t>(id * 10 + static_cast<uint64_t>(line[i] - '0'), 1000000);
    }
    if (i == first_digit || id > 65535) continue;
    entries[static_cast<int>(id)] = std::string(line.substr(eq + 1, q700::kLanguageLabelMax));
  }
  return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path folder = q700::fuzz::ScratchFolder() / "languages";
  std::filesystem::create_directories(folder);
  q700::fuzz::WriteFile(folder / "Language.lng", data, size);
  const std::string_view file = q700::fuzz::AsText(data, size);

  q700::LanguageList list;
  const int count = q700::ScanLanguages(folder, list);
  const std::string name = ExpectedName(file);
  if (name.empty()) {
    Q700_FUZZ_CHECK(count == -1);
  } else {
    Q700_FUZZ_CHECK(count == 1 && list.files.size() == 1 && list.files[0].name == name);
  }

  q700::TextLoader loader;
  const bool loaded = q700::LoadLanguage(list, count, name, loader);
  Q700_FUZZ_CHECK(loaded == (count == 1));
  Q700_FUZZ_CHECK(loader.language_active() == loaded);
  if (!loaded) return 0;

  const std::map<int, std::string> expected = ExpectedEntries(file);
  Q700_FUZZ_CHECK(loader.language().size() <= expected.size());
  for (const auto& [id, label] : expected) {
    Q700_FUZZ_CHECK(loader.Label(id) == label);
    for (size_t slot = 0; slot < q700::kSlotCapacity.size(); ++slot) {
      const std::string text = loader.Load(id, static_cast<q700::Slot>(slot));
      Q700_FUZZ_CHECK(text.size() <= q700::kSlotCapacity[slot]);
      if (!label.empty()) Q700_FUZZ_CHECK(text == label.substr(0, q700::kSlotCapacity[slot]));
    }
  }
  return 0;
}
