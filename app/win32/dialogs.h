// The program's own dialogs: About, Preferences, and the project Open and Save dialogs.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>

#include "app/front_end.h"
#include "app/win32/app.h"
#include "texts/text_loader.h"

namespace q700::win32 {

inline constexpr wchar_t kWebAddress[] = L"https://www.mirdanto.example/q700";
inline constexpr wchar_t kSupportAddress[] = L"support@mirdanto.example";

// Language ids of the About box: its title and its two credit lines.
inline constexpr int kAboutTitleId = 21;
inline constexpr int kAboutDesignedId = 22;
inline constexpr int kAboutReworkedId = 23;

void ShowAboutBox(HWND owner, TextLoader& texts);

// The Preferences dialog over the program's preferences; with OK they are stored in `app.prefs`
// and written to their file (the caller reloads the language).
DialogEnd RunPreferencesDialog(HWND owner, App& app);

// The Open dialog for a project, starting from `initial`; the chosen file or nothing.
std::optional<std::filesystem::path> ChooseProjectFileToOpen(HWND owner, TextLoader& texts,
                                                             const std::filesystem::path& initial);
// The Save dialog for a project; the chosen file or nothing.
std::optional<std::filesystem::path> ChooseProjectFileToSave(HWND owner, TextLoader& texts);

}  // namespace q700::win32
