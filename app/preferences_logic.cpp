// The rules of the Preferences dialog.
#include "app/preferences_logic.h"

#include "link/cradle.h"
#include "link/link_settings.h"
#include "link/port_list.h"
#include "texts/text_ids.h"

namespace q700 {

PreferencesLogic::PreferencesLogic(AppState& state, PortSystem& ports, Clock& clock)
    : state_(state), ports_(ports), clock_(clock), working_(state.prefs) {}

std::optional<Message> PreferencesLogic::Open() {
  // The file may have changed since start-up; when it cannot be read, the values in force stand.
  working_ = state_.prefs;
  Preferences from_file = state_.prefs;
  if (ReadPreferences(from_file, state_.prefs_path)) working_ = from_file;

  for (std::vector<std::string>& entries : entries_) entries.clear();
  std::optional<Message> no_ports;
  const int port_count = EnumeratePorts(ports_, working_, &entries_[Index(PreferenceList::kPort)]);
  if (port_count > 0) {
    working_.port_index = DialogPortIndex(working_.port_index, port_count);
    selected_[Index(PreferenceList::kPort)] =
        FindPortLabelPosition(ports_, working_.port_index, entries_[Index(PreferenceList::kPort)]);
  } else {
    selected_[Index(PreferenceList::kPort)] = -1;
    no_ports.emplace();
    no_ports->caption_id = kCaptionError;
    no_ports->text_id = kTextNoComPort;
    no_ports->icon = Icon::kWarning;
  }

  for (PreferenceList list : {PreferenceList::kDownloadVia, PreferenceList::kReceiveVia}) {
    for (int id : kViaTextIds) entries_[Index(list)].push_back(state_.texts.Load(id, Slot::kItem));
  }
  selected_[Index(PreferenceList::kDownloadVia)] = working_.download_via;
  selected_[Index(PreferenceList::kReceiveVia)] = working_.receive_via;
  for (int id : kBaudTextIds) {
    entries_[Index(PreferenceList::kBaudRate)].push_back(state_.texts.Load(id, Slot::kItem));
  }
  selected_[Index(PreferenceList::kBaudRate)] = working_.baud_rate;

  std::vector<std::string>& languages = entries_[Index(PreferenceList::kLanguage)];
  languages.push_back(kDefaultLanguageEntry);
  int language = 0;
  const int count = state_.language_count > 0 ? state_.language_count : 0;
  for (int i = 0; i < count && static_cast<size_t>(i) < state_.languages.files.size(); ++i) {
    const std::string& name = state_.languages.files[static_cast<size_t>(i)].name;
    languages.push_back(name);
    if (language == 0 && name == working_.language) language = i + 1;
  }
  selected_[Index(PreferenceList::kLanguage)] = language;
  return no_ports;
}

const std::vector<std::string>& PreferencesLogic::Entries(PreferenceList list) const {
  return entries_[Index(list)];
}

int PreferencesLogic::Selected(PreferenceList list) const { return selected_[Index(list)]; }

bool PreferencesLogic::Checked(PreferenceCheck check) const {
  return (check == PreferenceCheck::kAutoPreload ? working_.auto_preload
                                                 : working_.always_on_top) != 0;
}

bool PreferencesLogic::LanguagesFound() const { return state_.language_count > 0; }

void PreferencesLogic::Toggle(PreferenceCheck check) {
  uint8_t& value =
      check == PreferenceCheck::kAutoPreload ? working_.auto_preload : working_.always_on_top;
  value = value != 0 ? 0 : 1;
}

void PreferencesLogic::Select(PreferenceList list, int entry) {
  const std::vector<std::string>& entries = entries_[Index(list)];
  if (entry < 0 || static_cast<size_t>(entry) >= entries.size()) return;
  selected_[Index(list)] = entry;
  switch (list) {
    case PreferenceList::kDownloadVia:
      working_.download_via = static_cast<uint8_t>(entry);
      break;
    case PreferenceList::kReceiveVia:
      working_.receive_via = static_cast<uint8_t>(entry);
      break;
    case PreferenceList::kBaudRate:
      working_.baud_rate = static_cast<uint8_t>(entry);
      break;
    case PreferenceList::kPort:
      // The entry names its port before its first blank.
      working_.port_index = FindPortIndex(ports_, entries[static_cast<size_t>(entry)]);
      break;
    case PreferenceList::kLanguage:
      break;  // taken at OK
  }
}

Message PreferencesLogic::DetectCradle() {
  std::string port_name;
  const int position = q700::DetectCradle(ports_, clock_, &port_name);
  Message result;
  result.caption_id = kCaptionDetectingResult;
  if (position < 0) {
    result.text_id = kTextCradleNotAvailable;
    result.icon = Icon::kWarning;
    return result;
  }
  result.text_id = kTextCradleConnectedTo;
  result.detail = port_name;
  result.icon = Icon::kInformation;
  selected_[Index(PreferenceList::kPort)] =
      FindPortLabelPosition(ports_, position, entries_[Index(PreferenceList::kPort)]);
  working_.port_index = position;
  return result;
}

void PreferencesLogic::Ok() {
  const int language = selected_[Index(PreferenceList::kLanguage)];
  const std::vector<std::string>& languages = entries_[Index(PreferenceList::kLanguage)];
  working_.language = language > 0 && static_cast<size_t>(language) < languages.size()
                          ? languages[static_cast<size_t>(language)]
                          : kBuiltInLanguage;
  state_.prefs = working_;
  // A file that cannot be written leaves the new values in force for the run.
  WritePreferences(state_.prefs, state_.prefs_path);
}

}  // namespace q700
