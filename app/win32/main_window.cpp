// The main window: a borderless picture of the terminal that carries the commands.
#include "app/win32/main_window.h"

#include <windows.h>

#include <commctrl.h>

#include "app/win32/commands.h"
#include "app/win32/popup_menu.h"
#include "app/win32/windows_front_end.h"
#include "app/workflow.h"
#include "resources/resource.h"

namespace q700::win32 {
namespace {

// Posted at the end of start-up when a project is named on the command line: it opens once the
// window is up, as Open would.
constexpr UINT kOpenNamedProject = WM_APP + 1;

std::filesystem::path ExecutableFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, n);
  folder.resize(folder.rfind(L'\\') + 1);  // npos + 1 leaves it empty
  return folder;
}

void StartUp(App& app, HWND hwnd) {
  app.main_window = hwnd;
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  if (app.program_folder.empty()) app.program_folder = ExecutableFolder();

  WindowsFrontEnd windows(app);
  q700::StartUp(app, windows,
                app.named_project ? LastProject::kSkipped : LastProject::kAsPreferred);

  SetWindowPos(hwnd, app.prefs.always_on_top != 0 ? HWND_TOPMOST : HWND_NOTOPMOST, kMainLeft,
               kMainTop, kTerminalWidth, kTerminalHeight, SWP_SHOWWINDOW);
  app.client.Create(hwnd, app.instance);
  RebuildPopupMenu(app);
  if (app.named_project) PostMessageW(hwnd, kOpenNamedProject, 0, 0);
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(
        hwnd, GWLP_USERDATA,
        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
  }
  App* app = reinterpret_cast<App*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (app == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  switch (message) {
    case WM_CREATE:
      StartUp(*app, hwnd);
      return 0;
    case WM_COMMAND:
      if (RunCommand(*app, LOWORD(wparam))) return 0;
      break;
    case kOpenNamedProject:
      if (app->named_project) {
        const std::filesystem::path named = *app->named_project;
        app->named_project.reset();
        WindowsFrontEnd windows(*app);
        OpenProject(*app, windows, named);
      }
      return 0;
    case WM_CLOSE: {
      WindowsFrontEnd windows(*app);
      if (CloseProgram(*app, windows) == Closing::kStay) return 0;
      DestroyWindow(hwnd);
      return 0;
    }
    case WM_DESTROY:
      app->main_window = nullptr;
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

bool RegisterWindowClasses(HINSTANCE instance) {
  WNDCLASSEXW wc = {sizeof(wc)};
  if (!GetClassInfoExW(instance, kMainClass, &wc)) {
    wc = {sizeof(wc)};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, L"TPQ700");
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kMainClass;
    if (!RegisterClassExW(&wc)) return false;
  }
  return ClientWindow::RegisterWindowClass(instance);
}

HWND CreateMainWindow(App& app) {
  return CreateWindowExW(0, kMainClass, kMainTitle, WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX,
                         kMainLeft, kMainTop, kTerminalWidth, kTerminalHeight, nullptr, nullptr,
                         app.instance, &app);
}

}  // namespace q700::win32
