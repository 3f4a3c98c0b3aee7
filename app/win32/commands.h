// The commands of the pop-up menu and what they share: the save prompt, saving, loading and the
// recent-file list.
#pragma once

#include <filesystem>

#include "app/win32/app.h"
#include "base/message.h"

namespace q700::win32 {

// Runs the command with this id; false for an id that is no command.
bool RunCommand(App& app, int id);

void NewProject(App& app);
void OpenProject(App& app);
// True when the design was written; false when the user cancelled or the write failed (shown).
bool SaveProject(App& app);
bool SaveProjectAs(App& app);
void EditProject(App& app);
void EditPreferences(App& app);
void OpenRecentFile(App& app, int index);
void RunApplicationDownload(App& app);
void RunLookupDownload(App& app);
void RunReceiveData(App& app);

// "Save current program ?" with Yes, No and Cancel; Yes saves first, and a save that does not
// happen (cancelled or failed) answers Cancel so that the caller stops.
Answer AskSaveChanges(App& app);

// Loads a project file into the design; failures are shown. True when it loaded.
bool LoadProject(App& app, const std::filesystem::path& path);

// The file just loaded or saved becomes the last file and the first recent file; the menu and the
// preferences file follow.
void RememberFile(App& app);

// The design's menu again: the simulator back on its main menu with a full redraw.
void ShowMainMenu(App& app);

// The exchanges with the terminal, with the IR flag of the connection type.
void StartDownload(App& app, bool ir_cradle, bool lookup_file);
void StartReceive(App& app, bool ir_cradle);

// Applies the always-on-top preference, keeping the window's place and size.
void ApplyOnTop(App& app);

}  // namespace q700::win32
