// Dialog procedures that forward to a DialogHandler.
#include "ui/win32/dialog_handler.h"

#include <commctrl.h>
#include <prsht.h>

#include "ui/win32/controls.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {

HINSTANCE ResourceModule() { return GetModuleHandleW(nullptr); }

void DialogHandler::OnCommand(int id, int code) {
  if (code == BN_CLICKED) {
    OnClick(id);
  } else if (code == CBN_SELCHANGE) {
    OnSelect(id, SelectedItem(hwnd_, id));
  } else if (code == EN_CHANGE) {
    OnEdit(id, ItemText(hwnd_, id));
  }
}

INT_PTR Dispatch(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* handler = reinterpret_cast<DialogHandler*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (handler == nullptr) return FALSE;
  if (message == WM_INITDIALOG) {
    handler->OnInit();
    return TRUE;
  }
  if (message == WM_COMMAND) {
    const bool from_control = lparam != 0;
    if (from_control && handler->writing_ > 0) return TRUE;
    handler->OnCommand(LOWORD(wparam), HIWORD(wparam));
    return TRUE;
  }
  INT_PTR result = FALSE;
  if (handler->OnMessage(message, wparam, lparam, result)) return result;
  if (message == WM_NCDESTROY) handler->hwnd_ = nullptr;
  return FALSE;
}

INT_PTR CALLBACK ModalDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    auto* handler = reinterpret_cast<DialogHandler*>(lparam);
    handler->hwnd_ = dialog;
    SetWindowLongPtrW(dialog, DWLP_USER, lparam);
  }
  return Dispatch(dialog, message, wparam, lparam);
}

INT_PTR CALLBACK PropertyPageProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    const auto* page = reinterpret_cast<const PROPSHEETPAGEW*>(lparam);
    auto* handler = reinterpret_cast<DialogHandler*>(page->lParam);
    handler->hwnd_ = dialog;
    SetWindowLongPtrW(dialog, DWLP_USER, page->lParam);
  }
  return Dispatch(dialog, message, wparam, lparam);
}

INT_PTR RunModalDialog(HWND owner, const wchar_t* template_name, DialogHandler& handler) {
  return DialogBoxParamW(ResourceModule(), template_name, owner, ModalDialogProc,
                         reinterpret_cast<LPARAM>(&handler));
}

INT_PTR RunModalDialog(HWND owner, std::string_view template_name, DialogHandler& handler) {
  return RunModalDialog(owner, FromUtf8(template_name).c_str(), handler);
}

}  // namespace q700::win32
