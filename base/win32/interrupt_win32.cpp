// Interrupts on Windows: a console control handler that sets a flag and an event.
#include <windows.h>

#include <atomic>
#include <mutex>

#include "base/interrupt.h"

namespace q700 {
namespace {

std::atomic<bool> interrupted{false};
HANDLE event = nullptr;

BOOL WINAPI OnConsoleControl(DWORD type) {
  switch (type) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
      interrupted.store(true);
      if (event != nullptr) SetEvent(event);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void InstallInterruptHandlers() {
  static std::once_flag once;
  std::call_once(once, [] {
    event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
  });
}

bool Interrupted() { return interrupted.load(); }

int InterruptFd() { return -1; }

void* InterruptEvent() { return event; }

void ResetInterruptForTest() {
  interrupted.store(false);
  if (event != nullptr) ResetEvent(event);
}

}  // namespace q700
