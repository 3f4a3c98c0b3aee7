// The Windows program: start-up, the main window and the message loop.
#pragma once

#include <windows.h>

namespace q700::win32 {

// Runs the program until its main window is destroyed; returns the exit code.
int RunProgram(HINSTANCE instance, int show);

}  // namespace q700::win32
