// Control helpers of every dialog.
#include "ui/win32/controls.h"

#include <vector>

#include "ui/win32/relabel.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {

void SetItemText(HWND dialog, int id, std::string_view ansi) {
  SetDlgItemTextW(dialog, id, FromAnsi(ansi).c_str());
}

std::string ItemText(HWND dialog, int id) {
  HWND item = GetDlgItem(dialog, id);
  const int length = GetWindowTextLengthW(item);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(item, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return ToAnsi(text);
}

void FillList(HWND dialog, int id, const std::vector<std::string>& items) {
  HWND list = GetDlgItem(dialog, id);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromAnsi(item).c_str()));
  }
}

void SelectItem(HWND dialog, int id, int position) {
  SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

int SelectedItem(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

void SetChecked(HWND dialog, int id, bool checked) {
  CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool IsItemChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void EnableItem(HWND dialog, int id, bool enabled) {
  HWND item = GetDlgItem(dialog, id);
  if (item != nullptr && (IsWindowEnabled(item) != FALSE) != enabled) {
    EnableWindow(item, enabled ? TRUE : FALSE);
  }
}

void RelabelFromTable(HWND dialog, TextLoader& texts, const LabelTable& table) {
  std::vector<ControlLabel> labels;
  for (const LabelRow& row : table.rows) {
    if (row.source == LabelSource::kLanguage) labels.push_back({row.control, row.language_id});
  }
  const bool title_loaded = table.title_source == LabelSource::kStringTable;
  RelabelDialog(dialog, texts, title_loaded ? 0 : table.title_id, labels);
  if (!texts.language_active()) return;
  if (title_loaded) {
    SetWindowTextW(dialog, FromAnsi(texts.Load(table.title_id, Slot::kCaption)).c_str());
  }
  for (const LabelRow& row : table.rows) {
    if (row.source == LabelSource::kStringTable) {
      SetItemText(dialog, row.control, texts.Load(row.language_id, Slot::kTerminalText));
    }
  }
}

}  // namespace q700::win32
