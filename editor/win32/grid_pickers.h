// The two picker dialogs, "The Grid Control": the key sequence picker (GRIDDLG) and the
// character picker (ACGRIDDLG). Each runs modally and returns the text its box shows afterwards.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "base/bytes.h"
#include "texts/text_loader.h"

namespace q700::win32 {

// Picks up to `capacity` key codes into `storage` (left unchanged on Cancel).
std::string RunKeySequencePicker(HWND owner, Bytes storage, int capacity, TextLoader& texts);

// Picks one ASCII character into `value` (left unchanged on Cancel).
std::string RunCharacterPicker(HWND owner, uint8_t& value, TextLoader& texts);

}  // namespace q700::win32
