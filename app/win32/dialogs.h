// The program's own dialogs: About, Preferences, and the project Open and Save dialogs.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/win32/app.h"

namespace q700::win32 {

inline constexpr wchar_t kWebAddress[] = L"https://www.mirdanto.example/q700";
inline constexpr wchar_t kSupportAddress[] = L"support@mirdanto.example";

// Language ids of the About box: its title and its two credit lines.
inline constexpr int kAboutTitleId = 21;
inline constexpr int kAboutDesignedId = 22;
inline constexpr int kAboutReworkedId = 23;

void ShowAboutBox(HWND owner, HINSTANCE instance, TextLoader& texts);

// The Preferences dialog over the program's preferences. On OK the preferences are stored in
// `app.prefs` and written to the file, and the result is true; the caller reloads the language.
bool RunPreferencesDialog(HWND owner, App& app);

// The Open dialog for a project, starting from `initial`; the chosen path or nothing.
std::optional<std::wstring> ChooseProjectToOpen(HWND owner, App& app, const std::wstring& initial);
// The Save dialog for a project; the chosen path or nothing.
std::optional<std::wstring> ChooseProjectToSave(HWND owner, App& app);

}  // namespace q700::win32
