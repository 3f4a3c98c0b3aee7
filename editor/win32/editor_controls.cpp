// Control helpers for the page logic's own values.
#include "editor/win32/editor_controls.h"

namespace q700::win32 {

void Rewrite(HWND dialog, int id, const editor::EditRewrite& rewrite) {
  if (!rewrite) return;
  SetItemText(dialog, id, *rewrite);
  SendDlgItemMessageW(dialog, id, EM_SETSEL, rewrite->size(), rewrite->size());
}

void SetCheck(HWND dialog, int id, editor::CheckState state) {
  SetChecked(dialog, id, state.checked);
  EnableItem(dialog, id, state.enabled);
}

}  // namespace q700::win32
