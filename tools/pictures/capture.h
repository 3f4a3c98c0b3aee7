// Saving pictures of windows as bitmap files, for the pictures of the documentation.
#pragma once

#include <windows.h>

#include <filesystem>

namespace q700::pictures {

// Where the pictures go; nothing is saved until it is set.
void SetPictureFolder(const std::filesystem::path& folder);

// Shows and paints `window`, then saves what the screen shows of it as <folder>/<name>.bmp.
// False when the file could not be written.
bool SaveScreenshot(HWND window, const char* name);
// Saves what the screen shows in `area` (screen coordinates) the same way, as it is now.
bool SaveScreenArea(const RECT& area, const char* name);

}  // namespace q700::pictures
