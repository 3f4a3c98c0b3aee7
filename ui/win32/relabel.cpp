#include "ui/win32/relabel.h"

#include "ui/win32/text_convert.h"

namespace q700::win32 {

void RelabelWindow(HWND window, TextLoader& texts, int language_id) {
  if (window == nullptr) return;
  const std::string_view label = texts.Label(language_id);
  if (!label.empty()) SetWindowTextW(window, FromAnsi(label).c_str());
}

void RelabelMenuItem(HMENU menu, int position, TextLoader& texts, int language_id) {
  if (menu == nullptr) return;
  const std::string_view label = texts.Label(language_id);
  if (label.empty()) return;
  std::wstring text = FromAnsi(label);
  MENUITEMINFOW item = {sizeof(item)};
  item.fMask = MIIM_STRING;
  item.dwTypeData = text.data();
  SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item);
}

void RelabelDialog(HWND dialog, TextLoader& texts, int title_id,
                   std::span<const ControlLabel> labels) {
  if (!texts.language_active()) return;
  if (title_id != 0) RelabelWindow(dialog, texts, title_id);
  for (const ControlLabel& label : labels) {
    RelabelWindow(GetDlgItem(dialog, label.control), texts, label.language_id);
  }
  RelabelWindow(GetDlgItem(dialog, IDOK), texts, kLabelOk);
  RelabelWindow(GetDlgItem(dialog, IDCANCEL), texts, kLabelCancel);
}

void RelabelDialog(HWND dialog, TextLoader& texts, int title_id,
                   std::initializer_list<ControlLabel> labels) {
  RelabelDialog(dialog, texts, title_id,
                std::span<const ControlLabel>(labels.begin(), labels.size()));
}

}  // namespace q700::win32
