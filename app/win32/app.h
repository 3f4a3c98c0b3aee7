// The state of the Windows program, owned by its entry and handed to every window: the design,
// the texts, the preferences, the simulator, the link, the current file and the pop-up menu.
#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/preferences.h"
#include "app/win32/exchange_windows.h"
#include "editor/editor_session.h"
#include "link/link.h"
#include "link/port_list.h"
#include "model/design.h"
#include "simulator/engine.h"
#include "simulator/win32/client_window.h"
#include "texts/language_files.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700::win32 {

inline constexpr wchar_t kMainClass[] = L"TPQ700";
inline constexpr wchar_t kMainTitle[] = L"Генератор Приложений";
inline constexpr int kMainLeft = 300;
inline constexpr int kMainTop = 50;
inline constexpr size_t kFileNameMax = 255;

struct App {
  explicit App(HINSTANCE instance_in);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  HINSTANCE instance;
  HWND main_window = nullptr;
  // Where the language files are; found from the executable at start-up when left empty.
  std::filesystem::path program_folder;
  // The preferences file; the user's one when left empty.
  std::filesystem::path prefs_path;

  Design design;
  TextLoader texts;
  DefaultTerminalTexts defaults;
  Preferences prefs;
  LanguageList languages;
  int language_count = -1;
  editor::EditorSession session{texts, defaults};

  ClientWindow client{texts};
  Simulator simulator{design, SystemClock(), client};

  std::unique_ptr<PortSystem> ports;
  Win32LinkUi link_ui{instance, texts};
  Link link;

  // The project's file; empty for a design never saved.
  std::wstring file_name;
  bool modified = false;

  // PopMenuQ700 as loaded, its first sub-menu, and how many items the recent files added.
  HMENU menu_resource = nullptr;
  HMENU popup = nullptr;
  int recent_items = 0;
};

}  // namespace q700::win32
