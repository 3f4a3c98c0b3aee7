// What the program's workflow asks of its front end: messages and questions, the choice of a
// project file, the editor sheet and the Preferences dialog, and what it does to the windows (the
// simulator's main menu, the window's place, the pop-up menu). The Windows program shows the real
// windows; tests record the calls.
#pragma once

#include <filesystem>
#include <optional>

#include "base/message.h"

namespace q700 {

// How a modal dialog or sheet closed.
enum class DialogEnd { kOk, kCancel };

// Where the main window goes when its place is set again.
enum class WindowPlace {
  kHome,       // back at (300, 50)
  kWhereItIs,  // kept where the user dragged it
};

class AppFrontEnd : public MessageSink {
 public:
  // Message boxes and questions (inherited `Show`), owned by the window active at the time.

  // The Open dialog for a project, offering `initial` first (empty: no name); the chosen file or
  // nothing when the user cancels.
  virtual std::optional<std::filesystem::path> ChooseProjectToOpen(
      const std::filesystem::path& initial) = 0;
  // The Save dialog for a project, starting empty; the chosen file or nothing.
  virtual std::optional<std::filesystem::path> ChooseProjectToSave() = 0;

  // The editor sheet over the design, its caption naming the current file. With OK its pages
  // have committed their working copies and the simulator has been sent back to its main menu.
  virtual DialogEnd RunEditor() = 0;
  // The Preferences dialog. With OK the preferences have been stored and written.
  virtual DialogEnd RunPreferences() = 0;

  // The simulator back on its main menu with the whole screen redrawn.
  virtual void ShowMainMenu() = 0;
  // The simulator counts the forms completed from zero again.
  virtual void ResetRecordCounter() = 0;
  // The main window at `place`, at its size, above all other windows when the always-on-top
  // preference is on.
  virtual void PlaceWindow(WindowPlace place) = 0;
  // The pop-up menu loaded afresh, in the current language, with the recent files.
  virtual void RebuildPopupMenu() = 0;
  // The recent-file items of the pop-up menu replaced by the preferences' list.
  virtual void ShowRecentFiles() = 0;
};

}  // namespace q700
