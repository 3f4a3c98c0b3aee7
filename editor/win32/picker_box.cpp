// The picker boxes: subclassed edit boxes that open the grid pickers.
#include "editor/win32/picker_box.h"

#include <commctrl.h>

#include <string>

#include "editor/pickers.h"
#include "editor/win32/grid_pickers.h"
#include "ui/win32/gdi.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {
namespace {

constexpr UINT_PTR kPickerBoxId = 0x9B0C;
// The box's state is also kept as a window property, where IsPickerOpen finds it.
constexpr wchar_t kPickerBoxProperty[] = L"Q700PickerBox";

struct PickerBox {
  editor::PickerKind kind;
  Bytes storage;     // the key sequence
  int capacity = 0;  // codes in a key sequence
  uint8_t* value;    // the character
  TextLoader& texts;
  bool open = false;
};

void ShowText(HWND edit, const std::string& ansi) { SetWindowTextW(edit, FromAnsi(ansi).c_str()); }

void OpenPicker(HWND edit, PickerBox& box) {
  SetFocus(edit);
  box.open = true;
  InvalidateRect(edit, nullptr, TRUE);
  UpdateWindow(edit);
  HWND owner = GetParent(edit);
  const std::string text = box.kind == editor::PickerKind::kCharacter
                               ? RunCharacterPicker(owner, *box.value, box.texts)
                               : RunKeySequencePicker(owner, box.storage, box.capacity, box.texts);
  box.open = false;
  ShowText(edit, text);
  InvalidateRect(edit, nullptr, TRUE);
}

bool PaintOpen(HWND edit) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(edit, &ps);
  RECT client;
  GetClientRect(edit, &client);
  Brush blue(CreateSolidBrush(RGB(editor::kPickerBoxOpenFill.r, editor::kPickerBoxOpenFill.g,
                                  editor::kPickerBoxOpenFill.b)));
  FillRect(dc, &client, blue.get());
  EndPaint(edit, &ps);
  return true;
}

LRESULT CALLBACK PickerBoxProc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                               DWORD_PTR data) {
  auto* box = reinterpret_cast<PickerBox*>(data);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!box->open) OpenPicker(edit, *box);
      return 0;
    case WM_KEYDOWN:
      // Space and F4 open the picker from the keyboard, as they open a drop-down list.
      if ((wparam == VK_SPACE || wparam == VK_F4) && !box->open) OpenPicker(edit, *box);
      if (wparam == VK_DELETE || wparam == VK_SPACE || wparam == VK_F4) return 0;
      break;
    case WM_CHAR:
      // Typed characters would never be stored: keep them out of the box. Tab and Enter still
      // reach the dialog.
      if (wparam != VK_TAB && wparam != VK_RETURN && wparam != VK_ESCAPE) return 0;
      break;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
      return 0;
    case WM_PAINT:
      if (box->open && PaintOpen(edit)) return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, PickerBoxProc, kPickerBoxId);
      RemovePropW(edit, kPickerBoxProperty);
      delete box;
      break;
  }
  return DefSubclassProc(edit, message, wparam, lparam);
}

void Attach(HWND edit, PickerBox* box, const std::string& text) {
  delete static_cast<PickerBox*>(GetPropW(edit, kPickerBoxProperty));
  SetPropW(edit, kPickerBoxProperty, box);
  SetWindowSubclass(edit, PickerBoxProc, kPickerBoxId, reinterpret_cast<DWORD_PTR>(box));
  ShowText(edit, text);
}

}  // namespace

void MakeKeySequenceBox(HWND edit, Bytes storage, int capacity, TextLoader& texts) {
  Attach(edit, new PickerBox{editor::PickerKind::kKeySequence, storage, capacity, nullptr, texts},
         editor::ReadSequenceText(storage, capacity, texts).text);
}

void MakeCharacterBox(HWND edit, uint8_t& value, TextLoader& texts) {
  Attach(edit, new PickerBox{editor::PickerKind::kCharacter, {}, 0, &value, texts},
         editor::CharacterName(value));
}

bool IsPickerOpen(HWND edit) {
  const auto* box = static_cast<const PickerBox*>(GetPropW(edit, kPickerBoxProperty));
  return box != nullptr && box->open;
}

}  // namespace q700::win32
