// Pictures of the program for the README and the guide: the terminal window, the Preferences
// dialog and the About box.
#include "gui/program_fixture.h"
#include "resources/resource.h"
#include "scenes.h"

namespace q700::pictures {
namespace {

using test::ClickButton;
using test::ModalScript;

class ProgramPictures : public test::ProgramTest {};

TEST_F(ProgramPictures, MainWindowPreferencesAndAbout) {
  Start();
  test::PumpMessages();
  Take(app().main_window, "main-window");
  ModalScript script;
  Preferences probe;
  if (EnumeratePorts(*app().ports, probe) == 0) script.Then(ClickButton(IDOK));
  script.Then([](HWND dialog) {
    Take(dialog, "preferences");
    SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  });
  script.Then([](HWND about) {
    // The mouse away from both link labels: both underlined.
    Take(about, "about");
    SendMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
  });
  script.Run([&] {
    SendMessageW(app().main_window, WM_COMMAND, MAKEWPARAM(IDM_PREFERENCES, 0), 0);
    SendMessageW(app().main_window, WM_COMMAND, MAKEWPARAM(IDM_ABOUT, 0), 0);
  });
}

}  // namespace
}  // namespace q700::pictures
