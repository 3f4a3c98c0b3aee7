// The Windows program: start-up, the main window and the message loop.
#pragma once

#include <windows.h>

namespace q700::win32 {

// Runs the program until its main window is destroyed; returns the exit code. `arguments` is the
// command line after the program's name: a project file to open.
int RunProgram(HINSTANCE instance, int show, const wchar_t* arguments);

}  // namespace q700::win32
