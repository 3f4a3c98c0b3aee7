// Picker boxes: edit boxes that show a stored code or key sequence and, on a left click, open
// the picker of their kind over that storage. While the picker is open the box is painted blue.
// What is typed into a box is ignored: its value only ever comes from its picker.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/bytes.h"
#include "texts/text_loader.h"

namespace q700::win32 {

// A box of a key sequence of up to `capacity` codes kept in `storage` (a 2-byte Code ID, a
// 10-byte prefix or suffix code); it shows the sequence text at once. `storage` and `texts`
// must outlive the box.
void MakeKeySequenceBox(HWND edit, Bytes storage, int capacity, TextLoader& texts);

// A box of one ASCII character kept in `value`; it shows the character's name at once.
void MakeCharacterBox(HWND edit, uint8_t& value, TextLoader& texts);

// Whether the box's picker is open now.
bool IsPickerOpen(HWND edit);

}  // namespace q700::win32
