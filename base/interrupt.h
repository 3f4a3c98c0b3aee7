// Ctrl-C and its kin for the tool: the handlers are installed once, a flag tells whether one has
// arrived, and a descriptor (POSIX) or an event (Windows) lets a wait on ports wake for it.
#pragma once

namespace q700 {

// SIGINT and SIGTERM (POSIX); the console's Ctrl-C, Ctrl-Break and close (Windows). Once per
// process; later calls do nothing.
void InstallInterruptHandlers();
// True once an interrupt arrived.
bool Interrupted();
// POSIX: readable once an interrupt arrived (a self-pipe); -1 before the handlers are installed
// and on Windows.
int InterruptFd();
// Windows: a manual-reset event set once an interrupt arrived; null elsewhere.
void* InterruptEvent();
// Forgets an interrupt that arrived, for tests.
void ResetInterruptForTest();

}  // namespace q700
