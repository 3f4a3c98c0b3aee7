// The program's workflow shown in windows: message boxes, the Open and Save dialogs, the editor
// sheet, the Preferences dialog, the simulator's main menu, the main window's place and the
// pop-up menu.
#pragma once

#include "app/front_end.h"
#include "app/win32/app.h"

namespace q700::win32 {

class WindowsFrontEnd final : public AppFrontEnd {
 public:
  explicit WindowsFrontEnd(App& app) : app_(app) {}

  Answer Show(const Message& message) override;
  std::optional<std::filesystem::path> ChooseProjectToOpen(
      const std::filesystem::path& initial) override;
  std::optional<std::filesystem::path> ChooseProjectToSave() override;
  DialogEnd RunEditor() override;
  DialogEnd RunPreferences() override;
  void ShowMainMenu() override;
  void ResetRecordCounter() override;
  void PlaceWindow(WindowPlace place) override;
  void RebuildPopupMenu() override;
  void ShowRecentFiles() override;

 private:
  App& app_;
};

}  // namespace q700::win32
