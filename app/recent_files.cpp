// The recent-file list and the naming rules of saving.
#include "app/recent_files.h"

#include <algorithm>

#include "app/preferences.h"

namespace q700 {

void RememberRecentFile(std::vector<std::string>& recent, std::string_view path) {
  std::vector<std::string> list;
  list.reserve(kMaxRecentFiles);
  list.emplace_back(path);
  for (const std::string& entry : recent) {
    if (list.size() == kMaxRecentFiles) break;
    if (entry != path) list.push_back(entry);
  }
  recent = std::move(list);
}

std::string RecentFileLabel(int index, std::string_view path) {
  std::string label = "&" + std::to_string(index + 1) + ":  ";
  if (path.size() > 40) {
    label.append(path.substr(0, 15));
    label.append("...");
    label.append(path.substr(path.size() - 22));
  } else {
    label.append(path);
  }
  return label;
}

namespace {

template <class Char>
std::basic_string<Char> AppendExtension(std::basic_string_view<Char> name) {
  static constexpr Char kExtension[] = {'.', 'T', 'P', 'X'};
  std::basic_string<Char> result(name);
  bool has = name.size() >= 4;
  for (size_t i = 0; has && i < 4; ++i) {
    Char c = name[name.size() - 4 + i];
    if (c >= 'a' && c <= 'z') c = static_cast<Char>(c - 'a' + 'A');
    has = c == kExtension[i];
  }
  if (!has) result.append(kExtension, 4);
  return result;
}

}  // namespace

std::string WithProjectExtension(std::string_view name) { return AppendExtension(name); }
std::wstring WithProjectExtension(std::wstring_view name) { return AppendExtension(name); }

}  // namespace q700
