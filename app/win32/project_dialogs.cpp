// The Open and Save dialogs for project files.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "app/win32/dialogs.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {
namespace {

std::wstring Filter(App& app, std::initializer_list<int> ids) {
  std::wstring filter;
  for (int id : ids) {
    filter += FromAnsi(app.texts.Load(id, Slot::kItem));
    filter.push_back(L'\0');
  }
  filter.push_back(L'\0');
  return filter;
}

}  // namespace

std::optional<std::wstring> ChooseProjectToOpen(HWND owner, App& app, const std::wstring& initial) {
  std::vector<wchar_t> name(kFileNameMax + 1, L'\0');
  std::copy_n(initial.begin(), std::min(initial.size(), kFileNameMax), name.begin());
  const std::wstring filter = Filter(app, {1201, 1206, 1202, 1207});
  OPENFILENAMEW ofn = {sizeof(ofn)};
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&ofn)) return std::nullopt;
  return std::wstring(name.data());
}

std::optional<std::wstring> ChooseProjectToSave(HWND owner, App& app) {
  std::vector<wchar_t> name(kFileNameMax + 1, L'\0');
  const std::wstring filter = Filter(app, {1182, 1206});
  OPENFILENAMEW ofn = {sizeof(ofn)};
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrDefExt = L"TPX";
  ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
  if (!GetSaveFileNameW(&ofn)) return std::nullopt;
  return std::wstring(name.data());
}

}  // namespace q700::win32
