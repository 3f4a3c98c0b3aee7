// The commands of the pop-up menu.
#include "app/win32/commands.h"

#include "app/recent_files.h"
#include "app/win32/dialogs.h"
#include "app/win32/popup_menu.h"
#include "editor/win32/editor_sheet.h"
#include "model/defaults.h"
#include "model/project_file.h"
#include "resources/resource.h"
#include "ui/win32/message_box.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {
namespace {

constexpr char kProgramTitle[] = "Zentakel's Q700 Application Generator";

Answer Show(App& app, const Message& message) {
  return ShowMessageBox(nullptr, app.texts, message);
}

// Writes the design to the current file name; the failure is shown and leaves the design marked
// modified.
bool WriteCurrentFile(App& app) {
  if (!WriteProjectFile(std::filesystem::path(app.file_name), app.design)) {
    Show(app, FileFailedMessage());
    return false;
  }
  app.modified = false;
  RememberFile(app);
  return true;
}

void RunEditor(App& app) {
  EditorSheetContext context{app.design, app.texts, app.defaults, app.session,
                             std::filesystem::path(app.file_name)};
  context.on_commit = [&app] {
    app.modified = true;
    app.simulator.SimulatorKey(51);
    app.simulator.UpdateUtilitiesLineCount();
  };
  context.mark_modified = [&app] { app.modified = true; };
  OpenEditor(app.main_window, context);
}

// The connection type of a preference: the IR flag, or nothing for a value past the three types.
std::optional<bool> IrFlag(uint8_t via) {
  if (via > kViaSerialSpp) return std::nullopt;
  return via == kViaCradleIr;
}

}  // namespace

Answer AskSaveChanges(App& app) {
  Message ask;
  const std::string_view title = app.texts.Label(1);
  ask.caption_utf8 = title.empty() ? std::string(kProgramTitle) : ToUtf8(FromAnsi(title));
  ask.text_id = 1131;
  ask.icon = Icon::kQuestion;
  ask.buttons = Buttons::kYesNoCancel;
  const Answer answer = Show(app, ask);
  // Going on after a save that did not happen would lose the changes.
  if (answer == Answer::kYes && !SaveProject(app)) return Answer::kCancel;
  return answer;
}

bool LoadProject(App& app, const std::filesystem::path& path) {
  MessageBoxSink sink(app.texts);
  std::string error;
  if (!ReadProjectFile(path, app.design, app.texts, sink, &error)) {
    if (!error.empty()) Show(app, FileFailedMessage());
    return false;
  }
  app.file_name = path.wstring();
  RememberFile(app);
  return true;
}

void RememberFile(App& app) {
  app.prefs.last_file = ToAnsi(app.file_name);
  RememberRecentFile(app.prefs.recent, app.prefs.last_file);
  UpdateRecentItems(app);
  WritePreferences(app.prefs, app.prefs_path);
}

void ShowMainMenu(App& app) { app.simulator.ShowMainMenu(true); }

void ApplyOnTop(App& app) {
  SetWindowPos(app.main_window, app.prefs.always_on_top != 0 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
               kTerminalWidth, kTerminalHeight, SWP_NOMOVE);
}

void NewProject(App& app) {
  if (app.modified && AskSaveChanges(app) == Answer::kCancel) return;
  app.simulator.ResetRecordCounter();
  app.file_name.clear();
  app.modified = false;
  ResetDesign(app.design, app.defaults);
  RunEditor(app);
  ShowMainMenu(app);
}

void OpenProject(App& app) {
  if (app.modified && AskSaveChanges(app) == Answer::kCancel) return;
  app.simulator.ResetRecordCounter();
  app.modified = false;
  ResetDesign(app.design, app.defaults);
  ReadPreferences(app.prefs, app.prefs_path);
  SetWindowPos(app.main_window, app.prefs.always_on_top != 0 ? HWND_TOPMOST : HWND_NOTOPMOST,
               kMainLeft, kMainTop, kTerminalWidth, kTerminalHeight, 0);
  const bool offer_last = app.prefs.auto_preload != 0 && app.prefs.last_file != kNoLastFile;
  const std::wstring initial = offer_last ? FromAnsi(app.prefs.last_file) : std::wstring();
  // The design is new now: whatever happens below, Save must not write it over the old file.
  app.file_name.clear();
  const std::optional<std::wstring> chosen = ChooseProjectToOpen(app.main_window, app, initial);
  if (chosen && LoadProject(app, std::filesystem::path(*chosen))) RunEditor(app);
  ShowMainMenu(app);
}

bool SaveProject(App& app) {
  if (app.file_name.empty()) return SaveProjectAs(app);
  return WriteCurrentFile(app);
}

bool SaveProjectAs(App& app) {
  const std::optional<std::wstring> chosen = ChooseProjectToSave(app.main_window, app);
  if (!chosen) return false;
  app.file_name = WithProjectExtension(*chosen);
  return WriteCurrentFile(app);
}

void EditProject(App& app) {
  RunEditor(app);
  ShowMainMenu(app);
}

void EditPreferences(App& app) {
  if (RunPreferencesDialog(app.main_window, app)) {
    LoadLanguage(app.languages, app.language_count, app.prefs.language, app.texts);
    RefillTerminalTexts(app.texts, app.defaults);
    RebuildPopupMenu(app);
  }
  ApplyOnTop(app);
}

void OpenRecentFile(App& app, int index) {
  if (index < 0 || static_cast<size_t>(index) >= app.prefs.recent.size()) return;
  // Loading over unsaved changes would lose them.
  if (app.modified && AskSaveChanges(app) == Answer::kCancel) return;
  const std::filesystem::path path(FromAnsi(app.prefs.recent[static_cast<size_t>(index)]));
  if (LoadProject(app, path)) app.modified = false;
  ShowMainMenu(app);
}

void RunApplicationDownload(App& app) {
  const std::optional<bool> ir = IrFlag(app.prefs.download_via);
  if (!ir) return;
  StartDownload(app, *ir, false);
}

void RunLookupDownload(App& app) {
  const std::optional<bool> ir = IrFlag(app.prefs.download_via);
  if (!ir) return;
  StartDownload(app, *ir, true);
}

void RunReceiveData(App& app) {
  const std::optional<bool> ir = IrFlag(app.prefs.receive_via);
  if (!ir) return;
  StartReceive(app, *ir);
}

bool RunCommand(App& app, int id) {
  switch (id) {
    case IDM_NEW:
      NewProject(app);
      return true;
    case IDM_OPEN:
      OpenProject(app);
      return true;
    case IDM_SAVE:
      SaveProject(app);
      return true;
    case IDM_SAVE_AS:
      SaveProjectAs(app);
      return true;
    case IDM_EDIT:
      EditProject(app);
      return true;
    case IDM_PREFERENCES:
      EditPreferences(app);
      return true;
    case IDM_DOWNLOAD_APPLICATION:
      RunApplicationDownload(app);
      return true;
    case IDM_DOWNLOAD_LOOKUP:
      RunLookupDownload(app);
      return true;
    case IDM_RECEIVE_DATA:
      RunReceiveData(app);
      return true;
    case IDM_ABOUT:
      ShowAboutBox(app.main_window, app.instance, app.texts);
      return true;
    case IDM_EXIT:
      SendMessageW(app.main_window, WM_CLOSE, 0, 0);
      return true;
  }
  if (id >= IDM_RECENT_FIRST && id < IDM_RECENT_FIRST + static_cast<int>(kMaxRecentFiles)) {
    OpenRecentFile(app, id - IDM_RECENT_FIRST);
    return true;
  }
  return false;
}

}  // namespace q700::win32
