// Start-up and the message loop of the Windows program.
#include "app/win32/program.h"

#include <memory>

#include "app/command_line.h"
#include "app/win32/app.h"
#include "app/win32/main_window.h"

namespace q700::win32 {

int RunProgram(HINSTANCE instance, int, const wchar_t* arguments) {
  if (!RegisterWindowClasses(instance)) return 0;
  const auto app = std::make_unique<App>(instance);
  if (const auto named = ProjectNamedOnCommandLine(arguments != nullptr ? arguments : L"")) {
    app->named_project = std::filesystem::path(*named);
  }
  if (CreateMainWindow(*app) == nullptr) return 0;
  HACCEL accelerators = LoadAcceleratorsW(instance, L"TPQ700");
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (app->main_window != nullptr &&
        TranslateAcceleratorW(app->main_window, accelerators, &msg)) {
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

}  // namespace q700::win32
