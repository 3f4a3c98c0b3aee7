// Language files (*.lng next to the program): discovery and loading into the language table.
// Format: line 1 the display name; every further line "id=label", lines ending in CR LF.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace q700 {

class TextLoader;

inline constexpr int kMaxLanguages = 20;
inline constexpr size_t kLanguageNameMax = 40;
inline constexpr size_t kLanguagePathMax = 259;
inline constexpr size_t kLanguageFileMax = 17000;
// The preference name of the built-in English texts.
inline constexpr char kBuiltInLanguage[] = "0";

struct LanguageFile {
  std::string name;  // display name, at most 40 characters
  std::filesystem::path path;
};

struct LanguageList {
  std::vector<LanguageFile> files;  // at most 20
};

// Lists the *.lng files of `folder` (in name order) into `list` and returns how many it listed;
// -1 when there is none or the first one has no name. A later file without a name ends the scan.
int ScanLanguages(const std::filesystem::path& folder, LanguageList& list);

// Loads the language whose display name is `name` into the loader's language table and makes it
// active; returns false (language inactive) when `count` is 0 or less or no listed file of that
// name could be read. Entries the file does not define keep what they held.
bool LoadLanguage(const LanguageList& list, int count, std::string_view name, TextLoader& loader);

// Parses the text of a language file (after its first line) into the language table.
void ParseLanguageText(std::string_view text, TextLoader& loader);

}  // namespace q700
