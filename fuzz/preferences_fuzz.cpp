// Fuzz target for the preferences reader: any bytes as TPQ700.ini. Whatever the file holds, the
// texts read are within their limits and can be written back as one field each; writing the
// preferences and reading them again gives them back, so a damaged file is repaired by the next
// write rather than shifting fields.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/preferences.h"
#include "fuzz/fuzz_support.h"

namespace {

bool Field(const std::string& text, size_t max) {
  return !text.empty() && text.size() <= max && text.find_first_of("\r\n") == std::string::npos;
}

bool SamePreferences(const q700::Preferences& a, const q700::Preferences& b) {
  return a.last_file == b.last_file && a.download_via == b.download_via &&
         a.receive_via == b.receive_via && a.preferred_port == b.preferred_port &&
         a.baud_rate == b.baud_rate && a.auto_preload == b.auto_preload &&
         a.always_on_top == b.always_on_top && a.language == b.language &&
         a.port_index == b.port_index && a.recent == b.recent;
}

// The one-digit fields are written in decimal and read by their first digit: a value above 9
// (from a file holding a letter there) cannot come back the same.
bool OneDigitFields(const q700::Preferences& p) {
  return p.download_via <= 9 && p.receive_via <= 9 && p.baud_rate <= 9 && p.auto_preload <= 9 &&
         p.always_on_top <= 9;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path file =
      q700::PreferencesFileIn(q700::fuzz::ScratchFolder() / "appdata");
  static bool folder_made = [] {
    std::filesystem::create_directories(file.parent_path());
    return true;
  }();
  (void)folder_made;
  q700::fuzz::WriteFile(file, data, size);

  q700::Preferences prefs;
  prefs.language = "Before";
  const bool read = q700::ReadPreferences(prefs, file);
  Q700_FUZZ_CHECK(read == (size > 0));
  Q700_FUZZ_CHECK(prefs.last_file.size() <= q700::kPreferencePathMax);
  Q700_FUZZ_CHECK(prefs.language.size() <= q700::kPreferenceLanguageMax);
  Q700_FUZZ_CHECK(prefs.recent.size() <= q700::kMaxRecentFiles);
  Q700_FUZZ_CHECK(Field(prefs.last_file, q700::kPreferencePathMax));
  Q700_FUZZ_CHECK(Field(prefs.language, q700::kPreferenceLanguageMax));
  for (const std::string& path : prefs.recent) {
    Q700_FUZZ_CHECK(Field(path, q700::kPreferencePathMax));
  }

  Q700_FUZZ_CHECK(q700::WritePreferences(prefs, file));
  q700::Preferences again;
  Q700_FUZZ_CHECK(q700::ReadPreferences(again, file));
  if (OneDigitFields(prefs)) {
    Q700_FUZZ_CHECK(SamePreferences(prefs, again));
  } else {
    // Once written, they settle.
    Q700_FUZZ_CHECK(q700::WritePreferences(again, file));
    q700::Preferences third;
    Q700_FUZZ_CHECK(q700::ReadPreferences(third, file));
    Q700_FUZZ_CHECK(SamePreferences(again, third));
  }
  return 0;
}
