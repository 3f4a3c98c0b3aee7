// The picker dialogs: the grid, the result line and the buttons, forwarded to the pickers of the
// page logic.
#include "editor/win32/grid_pickers.h"

#include "editor/form_labels.h"
#include "editor/pickers.h"
#include "editor/win32/editor_controls.h"
#include "editor/win32/grid_control.h"
#include "resources/dialogs/form_ids.h"
#include "ui/win32/dialog_handler.h"
#include "ui/win32/gdi.h"
#include "ui/win32/message_box.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {
namespace {

using editor::PickerClick;
using editor::PickerKind;

COLORREF ToColor(editor::Rgb rgb) { return RGB(rgb.r, rgb.g, rgb.b); }

// The result line: white, with a sunken edge and the text in grey.
void DrawResult(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT r = item.rcItem;
  Brush fill(CreateSolidBrush(ToColor(editor::kResultFill)));
  FillRect(dc, &r, fill.get());
  Pen shadow(CreatePen(PS_SOLID, 1, ToColor(editor::kResultShadow)));
  Pen light(CreatePen(PS_SOLID, 1, ToColor(editor::kResultLight)));
  {
    Selection pen(dc, shadow.get());
    MoveToEx(dc, r.left, r.bottom - 1, nullptr);
    LineTo(dc, r.left, r.top);
    LineTo(dc, r.right, r.top);
    SelectObject(dc, light.get());
    MoveToEx(dc, r.right - 1, r.top + 1, nullptr);
    LineTo(dc, r.right - 1, r.bottom - 1);
    LineTo(dc, r.left, r.bottom - 1);
  }
  wchar_t text[editor::kResultTextMax + 8] = {};
  GetWindowTextW(item.hwndItem, text, static_cast<int>(std::size(text)));
  RECT text_rect = {r.left + editor::kResultTextIndent, r.top, r.right - 1, r.bottom};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColor(editor::kResultText));
  DrawTextW(dc, text, -1, &text_rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

class KeySequencePickerDialog : public DialogHandler {
 public:
  KeySequencePickerDialog(Bytes storage, int capacity, TextLoader& texts)
      : texts_(texts),
        picker_(storage, capacity, texts),
        box_text_(editor::ReadSequenceText(storage, capacity, texts).text) {}

  const std::string& box_text() const { return box_text_; }

 protected:
  void OnInit() override {
    RelabelFromTable(hwnd(), texts_, editor::kKeySequencePickerLabels);
    picker_.Open();
    box_text_ = picker_.result_text();
    model_.kind = PickerKind::kKeySequence;
    model_.selected = picker_.selected();
    model_.on_pick = [this](int code) { Pick(code); };
    AttachGrid(Item(IDC_GRID), &model_);
    ShowResult();
  }

  void OnCommand(int id, int code) override {
    if (code != BN_CLICKED) return;
    if (id == IDC_GRID_CLEAR) {
      picker_.Clear();
      ShowResult();
    } else if (id == IDOK) {
      box_text_ = picker_.Ok();
      EndDialog(hwnd(), IDOK);
    } else if (id == IDCANCEL) {
      box_text_ = picker_.Cancel();
      EndDialog(hwnd(), IDCANCEL);
    }
  }

  bool OnMessage(UINT message, WPARAM, LPARAM lparam, INT_PTR& result) override {
    if (message != WM_DRAWITEM) return false;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
    if (item->CtlID != IDC_GRID_RESULT) return false;
    DrawResult(*item);
    result = TRUE;
    return true;
  }

 private:
  void Pick(int code) {
    const PickerClick click = picker_.Click(code);
    if (click.selected) {
      RedrawCode(Item(IDC_GRID), click.previous);
      model_.selected = picker_.selected();
      RedrawCode(Item(IDC_GRID), model_.selected);
      UpdateWindow(Item(IDC_GRID));
    }
    if (click.message) ShowMessageBox(hwnd(), texts_, *click.message);
    ShowResult();
  }

  void ShowResult() {
    SetItemText(hwnd(), IDC_GRID_RESULT, picker_.result_text());
    InvalidateRect(Item(IDC_GRID_RESULT), nullptr, FALSE);
  }

  TextLoader& texts_;
  editor::KeySequencePicker picker_;
  GridModel model_;
  std::string box_text_;
};

class CharacterPickerDialog : public DialogHandler {
 public:
  CharacterPickerDialog(uint8_t& value, TextLoader& texts)
      : texts_(texts), picker_(value), box_text_(editor::CharacterName(value)) {}

  const std::string& box_text() const { return box_text_; }

 protected:
  void OnInit() override {
    RelabelFromTable(hwnd(), texts_, editor::kCharacterPickerLabels);
    picker_.Open();
    box_text_ = picker_.Cancel();
    model_.kind = PickerKind::kCharacter;
    model_.selected = picker_.selected();
    model_.on_pick = [this](int code) { Pick(code); };
    AttachGrid(Item(IDC_GRID), &model_);
  }

  void OnCommand(int id, int code) override {
    if (code != BN_CLICKED) return;
    if (id == IDOK) {
      box_text_ = picker_.Ok();
      EndDialog(hwnd(), IDOK);
    } else if (id == IDCANCEL) {
      box_text_ = picker_.Cancel();
      EndDialog(hwnd(), IDCANCEL);
    }
  }

 private:
  void Pick(int code) {
    const PickerClick click = picker_.Click(code);
    if (!click.selected) return;
    RedrawCode(Item(IDC_GRID), click.previous);
    model_.selected = picker_.selected();
    RedrawCode(Item(IDC_GRID), model_.selected);
  }

  TextLoader& texts_;
  editor::CharacterPicker picker_;
  GridModel model_;
  std::string box_text_;
};

}  // namespace

std::string RunKeySequencePicker(HWND owner, Bytes storage, int capacity, TextLoader& texts) {
  RegisterGridClass();
  KeySequencePickerDialog dialog(storage, capacity, texts);
  RunModalDialog(owner, editor::kKeySequencePickerLabels.dialog, dialog);
  return dialog.box_text();
}

std::string RunCharacterPicker(HWND owner, uint8_t& value, TextLoader& texts) {
  RegisterGridClass();
  CharacterPickerDialog dialog(value, texts);
  RunModalDialog(owner, editor::kCharacterPickerLabels.dialog, dialog);
  return dialog.box_text();
}

}  // namespace q700::win32
