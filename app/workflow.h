// The program's commands over its portable state: start-up, New, Open (from the dialog, a recent
// file or the command line), Save, Save As, Edit, Preferences, the save prompt, closing, and the
// terminal exchanges with the connection type of the preferences. What only a front end can do
// goes through AppFrontEnd.
#pragma once

#include <filesystem>

#include "app/app_state.h"
#include "app/front_end.h"
#include "base/message.h"
#include "model/project_file.h"

namespace q700 {

struct Link;
class LinkUi;

// The language-file entry of the program's title, the caption of the save prompt.
inline constexpr int kLanguageProgramTitle = 1;
// The save prompt's caption without a language.
inline constexpr char kProgramTitle[] = "Zentakel's Q700 Application Generator";

// Whether start-up reloads the last project as the preferences ask, or leaves that to a file
// named on the command line.
enum class LastProject { kAsPreferred, kSkipped };

// Start-up, in this order: the preferences (the user's file when `state.prefs_path` is empty),
// the language files of the program folder and the language of the preferences, the default
// terminal texts in that language, a new design, and the last project when auto-preload is on.
// The front end places and shows its windows afterwards.
void StartUp(AppState& state, AppFrontEnd& front_end, LastProject last);

// The open sequence that Open, a file named on the command line and the tool share: the design
// reset to the new-project defaults, then the file read over them. The result carries what is to
// be shown (the upgrade warning, a failure's message).
ProjectReadResult ReadProjectOverDefaults(const std::filesystem::path& path, Design& design,
                                          const DefaultTerminalTexts& defaults, TextLoader& texts);

// What a project is read over: a new design (Open) or the design as it is (a recent file).
enum class LoadOnto { kNewDesign, kCurrentDesign };

// Reads a project file and shows what its result carries. On success the file becomes the
// current file name and is remembered. True when it loaded.
bool LoadProject(AppState& state, AppFrontEnd& front_end, const std::filesystem::path& path,
                 LoadOnto onto);

// The file just loaded or saved becomes the last file and the first recent file; the pop-up
// menu shows the list and the preferences file is written.
void RememberFile(AppState& state, AppFrontEnd& front_end);

// "Save current program ?" with Yes, No and Cancel. Yes saves first, and a save that does not
// happen (cancelled or failed) answers Cancel, so that the caller stops.
Answer AskSaveChanges(AppState& state, AppFrontEnd& front_end);

void NewProject(AppState& state, AppFrontEnd& front_end);
// Open with the Open dialog.
void OpenProject(AppState& state, AppFrontEnd& front_end);
// Open of a file named on the command line: as Open with that file chosen.
void OpenProject(AppState& state, AppFrontEnd& front_end, const std::filesystem::path& named);
// True when the design was written; false when the user cancelled or the write failed (shown).
bool SaveProject(AppState& state, AppFrontEnd& front_end);
bool SaveProjectAs(AppState& state, AppFrontEnd& front_end);
void EditProject(AppState& state, AppFrontEnd& front_end);
void EditPreferences(AppState& state, AppFrontEnd& front_end);
// Entry `index` (from 0) of the recent files, loaded over the design as it is.
void OpenRecentFile(AppState& state, AppFrontEnd& front_end, int index);

// Closing the main window: kStay when the user cancelled the save prompt of a modified design.
enum class Closing { kClose, kStay };
Closing CloseProgram(AppState& state, AppFrontEnd& front_end);

// The exchanges with the terminal, each over the connection type of its preference; a value past
// the three types runs nothing.
void RunApplicationDownload(AppState& state, Link& link, LinkUi& ui);
void RunLookupDownload(AppState& state, Link& link, LinkUi& ui);
void RunReceiveData(AppState& state, Link& link, LinkUi& ui);

}  // namespace q700
