// The pop-up menu PopMenuQ700: loaded afresh, relabelled from the language, with the recent files.
#pragma once

#include <windows.h>

#include "app/win32/app.h"

namespace q700::win32 {

// Menu positions relabelled by language ids 1101 to 1111, in that order.
inline constexpr int kRelabelledPositions[11] = {0, 1, 2, 3, 5, 6, 8, 9, 10, 12, 13};
inline constexpr int kFirstMenuLanguageId = 1101;
// Recent files go before About.
inline constexpr int kRecentPosition = 12;

// Discards the menu, loads it again, relabels it, inserts the recent files and puts the simulator
// back on its main menu.
void RebuildPopupMenu(App& app);

// Replaces the recent-file items of the menu with the preferences' list.
void UpdateRecentItems(App& app);

}  // namespace q700::win32
