// The cradle detection behind the Preferences dialog's "De&tect Cradle".
#include <string>

#include "shell/win32/app.h"

namespace q700::win32 {

// The link's detection is not part of the program yet: no cradle is found.
int DetectCradlePort(App&, std::string*) { return -1; }

}  // namespace q700::win32
