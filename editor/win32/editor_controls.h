// Control helpers for the page logic's own values: corrected edit texts and check boxes that the
// logic enables and ticks.
#pragma once

#include <windows.h>

#include "editor/edit_text.h"
#include "editor/form_detail.h"
#include "ui/win32/controls.h"

namespace q700::win32 {

// Puts a corrected text back into the edit box the user is typing in, with the caret at its end.
// Nothing happens when there is no correction.
void Rewrite(HWND dialog, int id, const editor::EditRewrite& rewrite);

void SetCheck(HWND dialog, int id, editor::CheckState state);

}  // namespace q700::win32
