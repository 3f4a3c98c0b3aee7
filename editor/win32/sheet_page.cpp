// The sheet's notifications to its pages.
#include "editor/win32/sheet_page.h"

#include <commctrl.h>
#include <prsht.h>

namespace q700::win32 {

bool SheetPage::OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result) {
  if (message != WM_NOTIFY) return OnPageMessage(message, wparam, lparam, result);
  const auto* header = reinterpret_cast<const NMHDR*>(lparam);
  LONG_PTR answer = 0;
  switch (header->code) {
    case PSN_APPLY:
      if (CommitThrough()) {
        if (run_ != nullptr) run_->applied = true;
        answer = PSNRET_NOERROR;
      } else {
        answer = PSNRET_INVALID_NOCHANGEPAGE;
      }
      break;
    case PSN_RESET:
      Cancel();
      break;
    case PSN_QUERYCANCEL:
      answer = FALSE;  // closing with Cancel is always allowed
      break;
    case PSN_KILLACTIVE:
      answer = Leave() ? FALSE : TRUE;
      break;
    case PSN_SETACTIVE:
      answer = 0;
      break;
    default:
      return OnPageMessage(message, wparam, lparam, result);
  }
  SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, answer);
  result = TRUE;
  return true;
}

bool SheetPage::CommitThrough() {
  if (run_ != nullptr) {
    for (SheetPage* page : run_->pages) {
      if (page == this) break;
      if (!page->Commit()) return false;
    }
  }
  return Commit();
}

bool SheetPage::Commit() {
  // A page the user never opened has no window and nothing to commit.
  if (committed_ || hwnd() == nullptr) return true;
  if (!Apply()) return false;
  committed_ = true;
  return true;
}

}  // namespace q700::win32
