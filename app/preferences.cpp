// Reading and writing the preferences file.
#include "app/preferences.h"

#include <cstdlib>
#include <fstream>
#include <limits>
#include <system_error>

#include "base/atomic_file.h"

namespace q700 {
namespace {

bool IsSeparator(char c) { return c == '\r' || c == '\n'; }

// The non-empty pieces of the text between separators. A piece that runs into the end of a text
// cut at the read window is dropped rather than taken half.
std::vector<std::string_view> Pieces(std::string_view text, bool cut) {
  std::vector<std::string_view> pieces;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && !IsSeparator(text[i])) continue;
    if (i == text.size() && cut) break;
    if (i > start) pieces.push_back(text.substr(start, i - start));
    start = i + 1;
  }
  return pieces;
}

uint8_t FirstDigit(std::string_view piece) { return static_cast<uint8_t>(piece[0] - '0'); }

// A decimal number as the C library's atoi reads it, clamped to 32 bits instead of overflowing.
int32_t Decimal(std::string_view piece) {
  size_t i = 0;
  while (i < piece.size() && (piece[i] == ' ' || piece[i] == '\t')) ++i;
  bool negative = false;
  if (i < piece.size() && (piece[i] == '-' || piece[i] == '+')) negative = piece[i++] == '-';
  int64_t value = 0;
  for (; i < piece.size() && piece[i] >= '0' && piece[i] <= '9'; ++i) {
    value = value * 10 + (piece[i] - '0');
    if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) break;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

std::string Cut(std::string_view text, size_t max) { return std::string(text.substr(0, max)); }

// A text the file can hold as one field: not empty, no separator, within its limit.
bool Storable(std::string_view text, size_t max) {
  if (text.empty() || text.size() > max) return false;
  for (char c : text) {
    if (IsSeparator(c)) return false;
  }
  return true;
}

bool EnsureFolder(const std::filesystem::path& file) {
  if (!file.has_parent_path()) return true;
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  return !ec;
}

}  // namespace

std::string FormatPreferences(const Preferences& prefs) {
  std::string text;
  const auto field = [&text](std::string_view value) {
    text.append(value);
    text.push_back('\r');
  };
  const auto number = [&field](int64_t value) { field(std::to_string(value)); };
  // An empty or unstorable text would shift every later field, so the "none" values stand in.
  field(Storable(prefs.last_file, kPreferencePathMax) ? std::string_view(prefs.last_file)
                                                      : kNoLastFile);
  number(prefs.download_via);
  number(prefs.receive_via);
  number(prefs.preferred_port);
  number(prefs.baud_rate);
  number(prefs.auto_preload);
  number(prefs.always_on_top);
  const std::string language = Cut(prefs.language, kPreferenceLanguageMax);
  field(Storable(language, kPreferenceLanguageMax) ? std::string_view(language) : "0");
  number(prefs.port_index);
  size_t written = 0;
  for (const std::string& path : prefs.recent) {
    if (written == kMaxRecentFiles) break;
    if (!Storable(path, kPreferencePathMax)) continue;
    field(path);
    ++written;
  }
  return text;
}

void ParsePreferences(std::string_view text, Preferences& prefs) {
  const bool cut = text.size() > kPreferencesReadMax;
  const std::vector<std::string_view> pieces = Pieces(text.substr(0, kPreferencesReadMax), cut);
  const auto piece = [&pieces](size_t i) -> const std::string_view* {
    return i < pieces.size() ? &pieces[i] : nullptr;
  };
  Preferences defaults;
  defaults.language = prefs.language;
  prefs = defaults;
  if (auto* p = piece(0)) prefs.last_file = Cut(*p, kPreferencePathMax);
  if (auto* p = piece(1)) prefs.download_via = FirstDigit(*p);
  if (auto* p = piece(2)) prefs.receive_via = FirstDigit(*p);
  if (auto* p = piece(3)) prefs.preferred_port = Decimal(*p);
  if (auto* p = piece(4)) prefs.baud_rate = FirstDigit(*p);
  if (auto* p = piece(5)) prefs.auto_preload = FirstDigit(*p);
  if (auto* p = piece(6)) prefs.always_on_top = FirstDigit(*p);
  if (auto* p = piece(7)) prefs.language = Cut(*p, kPreferenceLanguageMax);
  if (auto* p = piece(8)) prefs.port_index = Decimal(*p);
  for (size_t i = 9; i < pieces.size() && prefs.recent.size() < kMaxRecentFiles; ++i) {
    prefs.recent.push_back(Cut(pieces[i], kPreferencePathMax));
  }
}

std::filesystem::path PreferencesFileIn(const std::filesystem::path& app_data) {
  return app_data / "MIRDANTO" / "TPQ700.ini";
}

std::filesystem::path DefaultPreferencesPath() {
#ifdef _WIN32
  const wchar_t* app_data = _wgetenv(L"APPDATA");
  if (app_data == nullptr || *app_data == L'\0') return {};
  return PreferencesFileIn(app_data);
#else
  const auto env = [](const char* name) -> std::string {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
  };
  if (const std::string app_data = env("APPDATA"); !app_data.empty()) {
    return PreferencesFileIn(app_data);
  }
  // Relative values are to be ignored, as for every XDG variable.
  if (const std::string config = env("XDG_CONFIG_HOME"); !config.empty() && config[0] == '/') {
    return PreferencesFileIn(config);
  }
  if (const std::string home = env("HOME"); !home.empty()) {
    return PreferencesFileIn(std::filesystem::path(home) / ".config");
  }
  return {};
#endif
}

bool ReadPreferences(Preferences& prefs, const std::filesystem::path& file) {
  ParsePreferences({}, prefs);
  if (file.empty()) return false;
  EnsureFolder(file);
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  // One byte past the window tells whether the file was longer.
  std::string text(kPreferencesReadMax + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  if (text.empty()) return false;
  ParsePreferences(text, prefs);
  return true;
}

bool WritePreferences(const Preferences& prefs, const std::filesystem::path& file,
                      std::string* error) {
  if (file.empty()) {
    if (error != nullptr) *error = "no folder for the preferences (APPDATA is not set)";
    return false;
  }
  if (!EnsureFolder(file)) {
    if (error != nullptr) {
      const std::u8string folder = file.parent_path().u8string();
      *error = "cannot create the folder " + std::string(folder.begin(), folder.end());
    }
    return false;
  }
  const std::string text = FormatPreferences(prefs);
  return ReplaceFileContents(
      file, ConstBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size()), error);
}

}  // namespace q700
