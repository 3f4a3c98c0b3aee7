// The user's request to stop (Ctrl-C, SIGTERM, closing the console): noted once by a handler, then
// seen by every wait of the program, which ends its work cleanly instead of being killed midway.
#pragma once

namespace q700 {

// Installs the handlers (SIGINT and SIGTERM on POSIX; console Ctrl-C, Ctrl-Break and close on
// Windows). Safe to call more than once: only the first call installs.
void InstallInterruptHandlers();

// True once a request to stop arrived.
bool Interrupted();

// POSIX: a descriptor that becomes readable once a request arrived, to poll beside a port.
// -1 before InstallInterruptHandlers and on Windows.
int InterruptFd();

// Windows: a manual-reset event set once a request arrived, to wait on beside a port.
// nullptr before InstallInterruptHandlers and on POSIX.
void* InterruptEvent();

// Forgets a request that arrived (tests only), so the next test starts clean.
void ResetInterruptForTest();

}  // namespace q700
