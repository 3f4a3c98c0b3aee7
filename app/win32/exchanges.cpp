// The three exchanges with the terminal and the cradle detection, run from the program's windows.
#include <string>

#include "app/win32/commands.h"
#include "link/cradle.h"
#include "link/download.h"
#include "link/receive.h"

namespace q700::win32 {

void StartDownload(App& app, bool ir_cradle, bool lookup_file) {
  DownloadToTerminal(app.link, app.link_ui, app.design, ir_cradle,
                     lookup_file ? DownloadMode::kLookupFile : DownloadMode::kApplication);
}

void StartReceive(App& app, bool ir_cradle) {
  q700::ReceiveData(app.link, app.link_ui, app.texts, ir_cradle);
}

int DetectCradlePort(App& app, std::string* port_name) {
  return DetectCradle(*app.ports, SystemClock(), port_name);
}

}  // namespace q700::win32
