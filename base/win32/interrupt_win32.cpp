// Stop requests on Windows: the console's Ctrl-C, Ctrl-Break and close set a flag and a
// manual-reset event that waits on a port include.
#include <windows.h>

#include <atomic>
#include <mutex>

#include "base/interrupt.h"

namespace q700 {
namespace {

std::atomic<bool> interrupted{false};
HANDLE event = nullptr;
std::once_flag install_once;

BOOL WINAPI OnConsoleEvent(DWORD type) {
  switch (type) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      interrupted.store(true);
      if (event != nullptr) SetEvent(event);
      // The handler runs on its own thread; for a close, Windows ends the process when the handler
      // returns, so give the main thread a moment to finish its clean-up first.
      if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) Sleep(2000);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void InstallInterruptHandlers() {
  std::call_once(install_once, [] {
    event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
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
