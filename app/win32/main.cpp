// Entry of TPQ700.exe.
#include <windows.h>

#include "app/win32/program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int show) {
  return q700::win32::RunProgram(instance, show, arguments);
}
