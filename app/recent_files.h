// The recent-file list of the pop-up menu and the naming rules of saving: most recent first, at
// most four paths; menu labels that cut long paths in the middle; the project extension.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace q700 {

// Puts `path` at the front of the list: a path already listed moves there, a new one is added,
// and when the list was full the oldest drops off. At most kMaxRecentFiles entries.
void RememberRecentFile(std::vector<std::string>& recent, std::string_view path);

// The menu label of entry `index` (from 0): "&1:  " and the path, a path longer than 40
// characters shown as its first 15 characters, "..." and its last 22.
std::string RecentFileLabel(int index, std::string_view path);

// The name a project is saved under: ".TPX" appended unless it already ends in it (any case).
std::string WithProjectExtension(std::string_view name);
std::wstring WithProjectExtension(std::wstring_view name);

}  // namespace q700
