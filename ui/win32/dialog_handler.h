// The pattern every editor dialog and page follows: a dialog procedure that only forwards its
// messages to an object, and a guard that keeps the notifications caused by the object's own
// writes into controls away from it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace q700::win32 {

class DialogHandler {
 public:
  virtual ~DialogHandler() = default;
  DialogHandler() = default;
  DialogHandler(const DialogHandler&) = delete;
  DialogHandler& operator=(const DialogHandler&) = delete;

  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

 protected:
  // WM_INITDIALOG: fill the controls.
  virtual void OnInit() {}
  // WM_COMMAND from a control, a menu or an accelerator. Unless a handler routes them itself, a
  // click goes to OnClick, a new list selection to OnSelect and an edited text to OnEdit.
  virtual void OnCommand(int id, int code);
  virtual void OnClick(int /*id*/) {}
  virtual void OnSelect(int /*id*/, int /*position*/) {}
  virtual void OnEdit(int /*id*/, const std::string& /*text*/) {}
  // Any other message; return true when handled, with the dialog result in `result`.
  virtual bool OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

  // While one exists, WM_COMMAND notifications from controls are not forwarded: writing a text
  // into an edit box or a selection into a list is not the user's change.
  class Writing {
   public:
    explicit Writing(DialogHandler& handler) : handler_(handler) { ++handler_.writing_; }
    ~Writing() { --handler_.writing_; }
    Writing(const Writing&) = delete;
    Writing& operator=(const Writing&) = delete;

   private:
    DialogHandler& handler_;
  };

 private:
  friend INT_PTR Dispatch(HWND, UINT, WPARAM, LPARAM);
  friend INT_PTR CALLBACK ModalDialogProc(HWND, UINT, WPARAM, LPARAM);
  friend INT_PTR CALLBACK PropertyPageProc(HWND, UINT, WPARAM, LPARAM);

  HWND hwnd_ = nullptr;
  int writing_ = 0;
};

// Ends a modal dialog on OK and Cancel (the close box sends Cancel too), telling its page logic
// first; true when it did.
template <class Logic>
bool EndOnButton(HWND dialog, int id, Logic& logic) {
  if (id == IDOK) {
    logic.Ok();
  } else if (id == IDCANCEL) {
    logic.Cancel();
  } else {
    return false;
  }
  EndDialog(dialog, id);
  return true;
}

// Runs the dialog of a template modally over `owner`; returns what the dialog ended with
// (IDOK, IDCANCEL) or -1 when it could not be created.
INT_PTR RunModalDialog(HWND owner, const wchar_t* template_name, DialogHandler& handler);
INT_PTR RunModalDialog(HWND owner, std::string_view template_name, DialogHandler& handler);

// Dialog procedure of a property page whose PROPSHEETPAGEW::lParam points to its handler.
INT_PTR CALLBACK PropertyPageProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

// The module that holds the dialog templates.
HINSTANCE ResourceModule();

}  // namespace q700::win32
