// Writing values into dialog controls and reading the user's input back.
// Texts of the design and of the language are ANSI bytes; they are converted here, at the
// control boundary.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "texts/label_table.h"
#include "texts/text_loader.h"

namespace q700::win32 {

// Texts in the user's code page.
void SetItemText(HWND dialog, int id, std::string_view ansi);
std::string ItemText(HWND dialog, int id);

// Combo boxes: the entries in value order, and the selected position (-1 for none).
void FillList(HWND dialog, int id, const std::vector<std::string>& items);
void SelectItem(HWND dialog, int id, int position);
int SelectedItem(HWND dialog, int id);

// Check boxes and radio buttons that the page logic toggles itself.
void SetChecked(HWND dialog, int id, bool checked);
bool IsItemChecked(HWND dialog, int id);

void EnableItem(HWND dialog, int id, bool enabled);

// Relabels the dialog's title and the table's controls from the active language; labels that
// are string-table texts are loaded through the text loader.
void RelabelFromTable(HWND dialog, TextLoader& texts, const LabelTable& table);

}  // namespace q700::win32
