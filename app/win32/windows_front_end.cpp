// The program's workflow shown in windows.
#include "app/win32/windows_front_end.h"

#include "app/win32/dialogs.h"
#include "app/win32/popup_menu.h"
#include "editor/win32/editor_sheet.h"
#include "ui/win32/message_box.h"

namespace q700::win32 {

namespace {

// Key code of the simulator that the editor's OK sends: back to the main menu.
constexpr int kEditorCommitKey = 51;

}  // namespace

Answer WindowsFrontEnd::Show(const Message& message) {
  return ShowMessageBox(nullptr, app_.texts, message);
}

std::optional<std::filesystem::path> WindowsFrontEnd::ChooseProjectToOpen(
    const std::filesystem::path& initial) {
  return ChooseProjectFileToOpen(app_.main_window, app_.texts, initial);
}

std::optional<std::filesystem::path> WindowsFrontEnd::ChooseProjectToSave() {
  return ChooseProjectFileToSave(app_.main_window, app_.texts);
}

DialogEnd WindowsFrontEnd::RunEditor() {
  EditorSheetContext context{app_.design, app_.texts, app_.defaults, app_.session, app_.file_name};
  context.on_commit = [this] {
    app_.simulator.SimulatorKey(kEditorCommitKey);
    app_.simulator.UpdateUtilitiesLineCount();
  };
  context.mark_modified = [this] { app_.modified = true; };
  return OpenEditor(app_.main_window, context) ? DialogEnd::kOk : DialogEnd::kCancel;
}

DialogEnd WindowsFrontEnd::RunPreferences() { return RunPreferencesDialog(app_.main_window, app_); }

void WindowsFrontEnd::ShowMainMenu() { app_.simulator.ShowMainMenu(Redraw::kWholeScreen); }

void WindowsFrontEnd::ResetRecordCounter() { app_.simulator.ResetRecordCounter(); }

void WindowsFrontEnd::PlaceWindow(WindowPlace place) {
  HWND z_order = app_.prefs.always_on_top != 0 ? HWND_TOPMOST : HWND_NOTOPMOST;
  if (place == WindowPlace::kHome) {
    SetWindowPos(app_.main_window, z_order, kMainLeft, kMainTop, kTerminalWidth, kTerminalHeight,
                 0);
  } else {
    SetWindowPos(app_.main_window, z_order, 0, 0, kTerminalWidth, kTerminalHeight, SWP_NOMOVE);
  }
}

void WindowsFrontEnd::RebuildPopupMenu() { win32::RebuildPopupMenu(app_); }

void WindowsFrontEnd::ShowRecentFiles() { UpdateRecentItems(app_); }

}  // namespace q700::win32
