// The main window: start-up, the command dispatcher and closing.
#pragma once

#include <windows.h>

#include "app/win32/app.h"

namespace q700::win32 {

// Registers the TPQ700 and Client window classes (once per process).
bool RegisterWindowClasses(HINSTANCE instance);

// Creates the main window, which runs the start-up: preferences, languages, a new design (or the
// last file), placement at (300, 50) and the Client window with the pop-up menu; then, once the
// message loop runs, opens `app.named_project` when there is one. Null on failure.
HWND CreateMainWindow(App& app);

}  // namespace q700::win32
