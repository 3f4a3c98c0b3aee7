// The commands of the pop-up menu: each runs the program's workflow with the windows as its front
// end, or the link's exchanges with the program's windows.
#pragma once

#include "app/win32/app.h"

namespace q700::win32 {

// Runs the command with this id; false for an id that is no command.
bool RunCommand(App& app, int id);

}  // namespace q700::win32
