// The grid of codes that both pickers show: a child window class (Q700Grid in the picker
// templates) painted and hit-tested by the picker rules of the page logic.
#pragma once

#include <windows.h>

#include <functional>

#include "editor/pickers.h"

namespace q700::win32 {

struct GridModel {
  editor::PickerKind kind = editor::PickerKind::kKeySequence;
  int selected = -1;                      // the code drawn selected
  std::function<void(int code)> on_pick;  // a click chose a code that may be chosen
};

// Registers the grid's window class; a picker template can then be created.
void RegisterGridClass();

// Hands the model to a grid window; it must outlive the window.
void AttachGrid(HWND grid, GridModel* model);

// Repaints the cell of a code.
void RedrawCode(HWND grid, int code);

}  // namespace q700::win32
