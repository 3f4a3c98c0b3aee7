// The program's portable state, one instance from start to exit: the design, the texts, the
// preferences and their file, the languages found, the current file name and the modified flag.
// Front ends add what only they have (windows, the simulator, the link).
#pragma once

#include <filesystem>

#include "app/preferences.h"
#include "model/design.h"
#include "texts/language_files.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700 {

struct AppState {
  Design design;
  TextLoader texts;
  DefaultTerminalTexts defaults;
  Preferences prefs;
  // The preferences file; start-up takes the user's one when it is left empty.
  std::filesystem::path prefs_path;
  // Where the language files are: the program's folder.
  std::filesystem::path program_folder;
  LanguageList languages;
  int language_count = -1;  // as ScanLanguages answered: -1 when there is none

  // The project's file; empty for a design never saved or loaded.
  std::filesystem::path file_name;
  // Set when the editor sheet closes with OK; cleared by New, Open and a successful save.
  bool modified = false;
};

}  // namespace q700
