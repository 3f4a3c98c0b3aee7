// The program's commands over its portable state.
#include "app/workflow.h"

#include <optional>
#include <system_error>

#include "app/recent_files.h"
#include "link/download.h"
#include "link/link.h"
#include "link/receive.h"
#include "model/defaults.h"
#include "texts/file_names.h"
#include "texts/text_ids.h"

namespace q700 {
namespace {

// The editor sheet; OK marks the design modified, even when nothing changed.
void RunEditor(AppState& state, AppFrontEnd& front_end) {
  if (front_end.RunEditor() == DialogEnd::kOk) state.modified = true;
}

// Writes the design to the current file name; the failure is shown and leaves the design marked
// modified.
bool WriteCurrentFile(AppState& state, AppFrontEnd& front_end) {
  if (!WriteProjectFile(state.file_name, state.design)) {
    front_end.Show(FileFailedMessage());
    return false;
  }
  state.modified = false;
  RememberFile(state, front_end);
  return true;
}

// Open up to the choice of the file: false when the user kept unsaved changes.
bool BeginOpen(AppState& state, AppFrontEnd& front_end) {
  if (state.modified && AskSaveChanges(state, front_end) == Answer::kCancel) return false;
  front_end.ResetRecordCounter();
  state.modified = false;
  ResetDesign(state.design, state.defaults);
  ReadPreferences(state.prefs, state.prefs_path);
  front_end.PlaceWindow(WindowPlace::kHome);
  // The design is new now: whatever happens below, Save must not write it over the old file.
  state.file_name.clear();
  return true;
}

void FinishOpen(AppState& state, AppFrontEnd& front_end,
                const std::optional<std::filesystem::path>& chosen) {
  if (chosen && LoadProject(state, front_end, *chosen, LoadOnto::kNewDesign)) {
    RunEditor(state, front_end);
  }
  front_end.ShowMainMenu();
}

}  // namespace

void StartUp(AppState& state, AppFrontEnd& front_end, LastProject last) {
  if (state.prefs_path.empty()) state.prefs_path = DefaultPreferencesPath();
  ReadPreferences(state.prefs, state.prefs_path);
  state.language_count = ScanLanguages(state.program_folder, state.languages);
  LoadLanguage(state.languages, state.language_count, state.prefs.language, state.texts);
  RefillTerminalTexts(state.texts, state.defaults);
  ResetDesign(state.design, state.defaults);
  if (last == LastProject::kAsPreferred && state.prefs.auto_preload != 0 &&
      state.prefs.last_file != kNoLastFile) {
    // A failed load leaves the new design.
    LoadProject(state, front_end, FileNameFromText(state.prefs.last_file),
                LoadOnto::kCurrentDesign);
  }
}

ProjectReadResult ReadProjectOverDefaults(const std::filesystem::path& path, Design& design,
                                          const DefaultTerminalTexts& defaults, TextLoader& texts) {
  ResetDesign(design, defaults);
  return ReadProjectFile(path, design, texts);
}

bool LoadProject(AppState& state, AppFrontEnd& front_end, const std::filesystem::path& path,
                 LoadOnto onto) {
  const ProjectReadResult read =
      onto == LoadOnto::kNewDesign
          ? ReadProjectOverDefaults(path, state.design, state.defaults, state.texts)
          : ReadProjectFile(path, state.design, state.texts);
  ShowMessages(front_end, read);
  if (!read) return false;
  state.file_name = path;
  RememberFile(state, front_end);
  return true;
}

void RememberFile(AppState& state, AppFrontEnd& front_end) {
  state.prefs.last_file = FileNameToText(state.file_name);
  RememberRecentFile(state.prefs.recent, state.prefs.last_file);
  front_end.ShowRecentFiles();
  // A preferences file that cannot be written leaves the values in force for the run.
  WritePreferences(state.prefs, state.prefs_path);
}

Answer AskSaveChanges(AppState& state, AppFrontEnd& front_end) {
  Message ask;
  if (!state.texts.Label(kLanguageProgramTitle).empty()) {
    ask.caption_id = kLanguageProgramTitle;
  } else {
    ask.caption_utf8 = kProgramTitle;
  }
  ask.text_id = kTextSaveCurrentProgram;
  ask.icon = Icon::kQuestion;
  ask.buttons = Buttons::kYesNoCancel;
  const Answer answer = front_end.Show(ask);
  // Going on after a save that did not happen would lose the changes.
  if (answer == Answer::kYes && !SaveProject(state, front_end)) return Answer::kCancel;
  return answer;
}

void NewProject(AppState& state, AppFrontEnd& front_end) {
  if (state.modified && AskSaveChanges(state, front_end) == Answer::kCancel) return;
  front_end.ResetRecordCounter();
  state.file_name.clear();
  state.modified = false;
  ResetDesign(state.design, state.defaults);
  RunEditor(state, front_end);
  front_end.ShowMainMenu();
}

void OpenProject(AppState& state, AppFrontEnd& front_end) {
  if (!BeginOpen(state, front_end)) return;
  const bool offer_last = state.prefs.auto_preload != 0 && state.prefs.last_file != kNoLastFile;
  const std::filesystem::path initial =
      offer_last ? FileNameFromText(state.prefs.last_file) : std::filesystem::path();
  FinishOpen(state, front_end, front_end.ChooseProjectToOpen(initial));
}

void OpenProject(AppState& state, AppFrontEnd& front_end, const std::filesystem::path& named) {
  if (!BeginOpen(state, front_end)) return;
  // The recent files keep full paths, whatever folder the program was started in.
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(named, ec);
  FinishOpen(state, front_end, ec ? named : full);
}

bool SaveProject(AppState& state, AppFrontEnd& front_end) {
  if (state.file_name.empty()) return SaveProjectAs(state, front_end);
  return WriteCurrentFile(state, front_end);
}

bool SaveProjectAs(AppState& state, AppFrontEnd& front_end) {
  const std::optional<std::filesystem::path> chosen = front_end.ChooseProjectToSave();
  if (!chosen) return false;
  state.file_name = std::filesystem::path(WithProjectExtension(chosen->native()));
  return WriteCurrentFile(state, front_end);
}

void EditProject(AppState& state, AppFrontEnd& front_end) {
  RunEditor(state, front_end);
  front_end.ShowMainMenu();
}

void EditPreferences(AppState& state, AppFrontEnd& front_end) {
  if (front_end.RunPreferences() == DialogEnd::kOk) {
    LoadLanguage(state.languages, state.language_count, state.prefs.language, state.texts);
    RefillTerminalTexts(state.texts, state.defaults);
    front_end.RebuildPopupMenu();
  }
  front_end.PlaceWindow(WindowPlace::kWhereItIs);
}

void OpenRecentFile(AppState& state, AppFrontEnd& front_end, int index) {
  if (index < 0 || static_cast<size_t>(index) >= state.prefs.recent.size()) return;
  // Loading over unsaved changes would lose them.
  if (state.modified && AskSaveChanges(state, front_end) == Answer::kCancel) return;
  const std::filesystem::path path =
      FileNameFromText(state.prefs.recent[static_cast<size_t>(index)]);
  if (LoadProject(state, front_end, path, LoadOnto::kCurrentDesign)) state.modified = false;
  front_end.ShowMainMenu();
}

Closing CloseProgram(AppState& state, AppFrontEnd& front_end) {
  if (state.modified && AskSaveChanges(state, front_end) == Answer::kCancel) return Closing::kStay;
  return Closing::kClose;
}

void RunApplicationDownload(AppState& state, Link& link, LinkUi& ui) {
  if (const std::optional<LinkRoute> route = RouteOfVia(state.prefs.download_via)) {
    DownloadToTerminal(link, ui, state.design, *route, DownloadMode::kApplication);
  }
}

void RunLookupDownload(AppState& state, Link& link, LinkUi& ui) {
  if (const std::optional<LinkRoute> route = RouteOfVia(state.prefs.download_via)) {
    DownloadToTerminal(link, ui, state.design, *route, DownloadMode::kLookupFile);
  }
}

void RunReceiveData(AppState& state, Link& link, LinkUi& ui) {
  if (const std::optional<LinkRoute> route = RouteOfVia(state.prefs.receive_via)) {
    ShowMessages(ui, ReceiveData(link, ui, state.texts, *route));
  }
}

}  // namespace q700
