// The three exchanges with the terminal, run from the pop-up menu.
#include "shell/win32/commands.h"

namespace q700::win32 {

// The exchanges of the link are not part of the program yet.
void StartDownload(App&, bool, bool) {}
void StartReceive(App&, bool) {}

}  // namespace q700::win32
