// The user's preferences (connection, port, speed, start-up choices, language, recent files) and
// their file TPQ700.ini: fields in a fixed order, each ended by a lone carriage return.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "link/link_settings.h"

namespace q700 {

inline constexpr size_t kPreferencePathMax = 255;
inline constexpr size_t kPreferenceLanguageMax = 40;
inline constexpr size_t kMaxRecentFiles = 4;
// What the reader takes of a file. The largest file the writer makes (four recent paths of 255
// characters and the longest numbers) is about 1,360 bytes, so the window leaves room for it.
inline constexpr size_t kPreferencesReadMax = 2048;
// The last-file text that means "none": an empty field would be skipped by the reader.
inline constexpr char kNoLastFile[] = "Unknow";

// The link's settings (connection types, port, speed) are the first part of the record, so the
// link reads and resolves them in place.
struct Preferences : LinkSettings {
  std::string last_file = kNoLastFile;  // at most 255 characters
  uint8_t auto_preload = 0;
  uint8_t always_on_top = 0;
  std::string language = "0";       // display name of the language file; "0" the built-in texts
  std::vector<std::string> recent;  // at most 4 paths, most recent first
};

// The file's text for `prefs`.
std::string FormatPreferences(const Preferences& prefs);

// Sets `prefs` from a file's text: fields present take their values, missing ones their
// defaults, except the language, which keeps what it held. Only the first kPreferencesReadMax
// bytes count; a field cut there is dropped.
void ParsePreferences(std::string_view text, Preferences& prefs);

// The preferences file inside an application-data folder: <folder>/MIRDANTO/TPQ700.ini.
std::filesystem::path PreferencesFileIn(const std::filesystem::path& app_data);

// Where this user's preferences live: %APPDATA%\MIRDANTO\TPQ700.ini on Windows; on other systems
// $APPDATA/MIRDANTO/TPQ700.ini when APPDATA is set, else under $XDG_CONFIG_HOME (default
// ~/.config). Empty when no such folder is known.
std::filesystem::path DefaultPreferencesPath();

// Creates the file's folder when it is missing and reads the file. Returns false (with every field
// at its default, the language as it was) when there is no file or it cannot be read.
bool ReadPreferences(Preferences& prefs, const std::filesystem::path& file);

// Creates the file's folder when it is missing and replaces the file with `prefs`. Returns false,
// with a reason in `error` when given, when the file cannot be written; it then stays as it was.
bool WritePreferences(const Preferences& prefs, const std::filesystem::path& file,
                      std::string* error = nullptr);

}  // namespace q700
