// The rules of the Preferences dialog, apart from its window: working values taken from the file
// when the dialog opens, the lists it shows and the entries they start on, the COM port list and
// its port index, Detect Cradle, the language list with "Default <English>", and OK storing and
// writing the working values. Cancel is simply not calling Ok.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "base/message.h"

namespace q700 {

class Clock;
class PortSystem;

// Language ids of the dialog: its title, then its labels.
inline constexpr int kLanguagePreferencesTitle = 11;
inline constexpr int kLanguageDownloadViaLabel = 12;
inline constexpr int kLanguageReceiveViaLabel = 13;
inline constexpr int kLanguagePortLabel = 14;
inline constexpr int kLanguageBaudRateLabel = 15;
inline constexpr int kLanguageAutoPreloadLabel = 16;
inline constexpr int kLanguageOnTopLabel = 17;
inline constexpr int kLanguageLanguageLabel = 18;
inline constexpr int kLanguageDetectLabel = 19;

// The first entry of the language list: the built-in English texts.
inline constexpr char kDefaultLanguageEntry[] = "Default <English>";

enum class PreferenceList { kDownloadVia, kReceiveVia, kPort, kBaudRate, kLanguage };
enum class PreferenceCheck { kAutoPreload, kAlwaysOnTop };

class PreferencesLogic {
 public:
  PreferencesLogic(AppState& state, PortSystem& ports, Clock& clock);

  // The dialog opens: the preferences file is read again (the values in force stand when it
  // cannot be read), and the lists are filled. The message to show over the dialog when the
  // system has no serial port.
  std::optional<Message> Open();

  // The entries of a list, in the user's code page, and the one selected (-1: none).
  const std::vector<std::string>& Entries(PreferenceList list) const;
  int Selected(PreferenceList list) const;
  bool Checked(PreferenceCheck check) const;
  // The language label and list are usable only when language files were found.
  bool LanguagesFound() const;

  // A click on a check box.
  void Toggle(PreferenceCheck check);
  // A new selection in a list.
  void Select(PreferenceList list, int entry);
  // De&tect Cradle: the message with what the detection found; a cradle found selects its port.
  Message DetectCradle();

  // OK: the working values become the preferences and are written to their file.
  void Ok();
  void Cancel() {}

  const Preferences& working() const { return working_; }

 private:
  static size_t Index(PreferenceList list) { return static_cast<size_t>(list); }

  AppState& state_;
  PortSystem& ports_;
  Clock& clock_;
  Preferences working_;
  std::array<std::vector<std::string>, 5> entries_;
  std::array<int, 5> selected_{-1, -1, -1, -1, -1};
};

}  // namespace q700
