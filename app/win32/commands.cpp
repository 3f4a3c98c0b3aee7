// The commands of the pop-up menu.
#include "app/win32/commands.h"

#include "app/preferences.h"
#include "app/win32/dialogs.h"
#include "app/win32/windows_front_end.h"
#include "app/workflow.h"
#include "resources/resource.h"

namespace q700::win32 {

bool RunCommand(App& app, int id) {
  WindowsFrontEnd windows(app);
  switch (id) {
    case IDM_NEW:
      NewProject(app, windows);
      return true;
    case IDM_OPEN:
      OpenProject(app, windows);
      return true;
    case IDM_SAVE:
      SaveProject(app, windows);
      return true;
    case IDM_SAVE_AS:
      SaveProjectAs(app, windows);
      return true;
    case IDM_EDIT:
      EditProject(app, windows);
      return true;
    case IDM_PREFERENCES:
      EditPreferences(app, windows);
      return true;
    case IDM_DOWNLOAD_APPLICATION:
      RunApplicationDownload(app, app.link, app.link_ui);
      return true;
    case IDM_DOWNLOAD_LOOKUP:
      RunLookupDownload(app, app.link, app.link_ui);
      return true;
    case IDM_RECEIVE_DATA:
      RunReceiveData(app, app.link, app.link_ui);
      return true;
    case IDM_ABOUT:
      ShowAboutBox(app.main_window, app.texts);
      return true;
    case IDM_EXIT:
      SendMessageW(app.main_window, WM_CLOSE, 0, 0);
      return true;
  }
  if (id >= IDM_RECENT_FIRST && id < IDM_RECENT_FIRST + static_cast<int>(kMaxRecentFiles)) {
    OpenRecentFile(app, windows, id - IDM_RECENT_FIRST);
    return true;
  }
  return false;
}

}  // namespace q700::win32
