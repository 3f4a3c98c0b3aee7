// The Settings page's detail dialogs. Each edits a copy of the page's working copy of the settings
// block, runs modally and puts its copy back on OK (returning true).
#pragma once

#include <windows.h>

#include "base/bytes.h"
#include "texts/text_loader.h"

namespace q700::win32 {

bool RunSecurityDialog(HWND owner, Bytes working_copy, TextLoader& texts);         // SECURITYDLG
bool RunFunctionKeyDialog(HWND owner, Bytes working_copy, TextLoader& texts);      // FUNCTIONKEYDLG
bool RunAcousticCouplerDialog(HWND owner, Bytes working_copy, TextLoader& texts);  // ACSETTINGSDLG

}  // namespace q700::win32
