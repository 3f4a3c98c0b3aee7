// The Form page's detail dialogs. Each works on the current form of the page's working copy (the
// line dialogs on the line of the last "more..."), runs modally and returns true for OK.
#pragma once

#include <windows.h>

#include "editor/form_page.h"
#include "model/form_record.h"
#include "texts/text_loader.h"

namespace q700::win32 {

bool RunFieldPropertiesDialog(HWND owner, editor::FormPage& page, TextLoader& texts);  // AdvanceDlg
bool RunLookupPropertiesDialog(HWND owner, editor::FormPage& page, TextLoader& texts);
bool RunStampDialog(HWND owner, editor::FormPage& page, TextLoader& texts);
bool RunBranchDialog(HWND owner, editor::FormPage& page, TextLoader& texts);
// Opened from the branch dialog for function key `key` (0 to 3) of `record`.
bool RunSummationDialog(HWND owner, FormRecord record, int key, TextLoader& texts);
bool RunRemainsDialog(HWND owner, FormRecord record, int key, TextLoader& texts);

}  // namespace q700::win32
