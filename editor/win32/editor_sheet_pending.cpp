// Stand-in for the editor sheet until it joins the program: the sheet closes at once, unchanged.
#include "editor/win32/editor_sheet.h"

namespace q700::win32 {

bool OpenEditor(HWND, EditorSheetContext&) { return false; }

}  // namespace q700::win32
