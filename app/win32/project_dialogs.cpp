// The Open and Save dialogs for project files.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "app/win32/dialogs.h"
#include "texts/text_ids.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {
namespace {

std::wstring Filter(TextLoader& texts, std::initializer_list<int> ids) {
  std::wstring filter;
  for (int id : ids) {
    filter += FromAnsi(texts.Load(id, Slot::kItem));
    filter.push_back(L'\0');
  }
  filter.push_back(L'\0');
  return filter;
}

}  // namespace

std::optional<std::filesystem::path> ChooseProjectFileToOpen(HWND owner, TextLoader& texts,
                                                             const std::filesystem::path& initial) {
  std::vector<wchar_t> name(kFileNameMax + 1, L'\0');
  const std::wstring& start = initial.native();
  std::copy_n(start.begin(), std::min(start.size(), kFileNameMax), name.begin());
  const std::wstring filter =
      Filter(texts, {kFilterProjectOpen, kPatternProject, kFilterAllFiles, kPatternAll});
  OPENFILENAMEW ofn = {sizeof(ofn)};
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&ofn)) return std::nullopt;
  return std::filesystem::path(name.data());
}

std::optional<std::filesystem::path> ChooseProjectFileToSave(HWND owner, TextLoader& texts) {
  std::vector<wchar_t> name(kFileNameMax + 1, L'\0');
  const std::wstring filter = Filter(texts, {kFilterProjectSave, kPatternProject});
  OPENFILENAMEW ofn = {sizeof(ofn)};
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrDefExt = L"TPX";
  ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
  if (!GetSaveFileNameW(&ofn)) return std::nullopt;
  return std::filesystem::path(name.data());
}

}  // namespace q700::win32
