// The state of the Windows program, owned by its entry and handed to every window: the portable
// state (design, texts, preferences, current file) and what only the program has: its windows,
// the simulator, the link and the pop-up menu.
#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "app/app_state.h"
#include "app/win32/exchange_windows.h"
#include "editor/editor_session.h"
#include "link/link.h"
#include "link/port_list.h"
#include "simulator/engine.h"
#include "simulator/win32/client_window.h"

namespace q700::win32 {

inline constexpr wchar_t kMainClass[] = L"TPQ700";
inline constexpr wchar_t kMainTitle[] = L"Генератор Приложений";
inline constexpr int kMainLeft = 300;
inline constexpr int kMainTop = 50;
inline constexpr size_t kFileNameMax = 255;

struct App : AppState {
  explicit App(HINSTANCE instance_in);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  HINSTANCE instance;
  HWND main_window = nullptr;
  // A project named on the command line, opened once the window is up instead of the last file.
  std::optional<std::filesystem::path> named_project;

  editor::EditorSession session{texts, defaults};

  ClientWindow client{texts};
  Simulator simulator{design, SystemClock(), client};

  std::unique_ptr<PortSystem> ports;
  Win32LinkUi link_ui{instance, texts};
  Link link;

  // PopMenuQ700 as loaded, its first sub-menu, and how many items the recent files added.
  HMENU menu_resource = nullptr;
  HMENU popup = nullptr;
  int recent_items = 0;
};

}  // namespace q700::win32
