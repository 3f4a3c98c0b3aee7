// Relabelling a dialog, page or menu from the active language: one rule for every window.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <span>

#include "texts/label_table.h"
#include "texts/text_loader.h"

namespace q700::win32 {

struct ControlLabel {
  int control;      // control id in the dialog
  int language_id;  // language entry that relabels it
};

// When a language is active: sets the dialog's title from `title_id` (0 for none) and each
// listed control's text from its language entry, and OK and Cancel (ids 1 and 2, when the dialog
// has them) from 1218 and 1219. Controls whose entry is empty keep their resource text. With no
// language active nothing changes.
void RelabelDialog(HWND dialog, TextLoader& texts, int title_id,
                   std::span<const ControlLabel> labels);
void RelabelDialog(HWND dialog, TextLoader& texts, int title_id,
                   std::initializer_list<ControlLabel> labels);

// Sets the text of a menu item (by position) from a language entry, when a language is active and
// has the entry.
void RelabelMenuItem(HMENU menu, int position, TextLoader& texts, int language_id);

// Sets one window's text from a language entry, when a language is active and has the entry.
void RelabelWindow(HWND window, TextLoader& texts, int language_id);

}  // namespace q700::win32
