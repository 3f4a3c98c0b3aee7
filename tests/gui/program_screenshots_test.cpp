// The pictures of the program for the documentation: the terminal window, the Preferences dialog
// and the About box. Saved only when Q700_SCREENSHOT_DIR is set (scripts/screenshots.sh).
#include "gui/gui_test_support.h"
#include "gui/program_fixture.h"
#include "resources/resource.h"

namespace q700::test {
namespace {

class ProgramScreenshots : public ProgramTest {};

TEST_F(ProgramScreenshots, MainWindowPreferencesAndAbout) {
  Start();
  PumpMessages();
  gui_test::SaveScreenshot(app().main_window, "main-window");
  ModalScript script;
  Preferences probe;
  if (EnumeratePorts(*app().ports, probe) == 0) script.Then(ClickButton(IDOK));
  script.Then([](HWND dialog) {
    gui_test::SaveScreenshot(dialog, "preferences");
    SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  });
  script.Then([](HWND about) {
    // The mouse away from both link labels: both underlined.
    gui_test::SaveScreenshot(about, "about");
    SendMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
  });
  script.Run([&] {
    SendMessageW(app().main_window, WM_COMMAND, MAKEWPARAM(IDM_PREFERENCES, 0), 0);
    SendMessageW(app().main_window, WM_COMMAND, MAKEWPARAM(IDM_ABOUT, 0), 0);
  });
}

}  // namespace
}  // namespace q700::test
