// The Code ID dialog (CODEIDDLG): fifteen picker boxes over the dialog's working Code IDs, the
// five preset sets and Clear. Its OK writes the Code IDs and marks the design modified itself.
#include "editor/code_id_logic.h"

#include "editor/barcode_labels.h"
#include "editor/pickers.h"
#include "editor/win32/barcode_dialogs.h"
#include "editor/win32/editor_controls.h"
#include "editor/win32/picker_box.h"
#include "resources/dialogs/barcode_ids.h"
#include "ui/win32/dialog_handler.h"

namespace q700::win32 {
namespace {

using editor::kCodeIdCount;
using editor::kCodeIdPresetCount;

static_assert(IDC_CODE_ID_ENABLE == editor::kCodeIdEnableBox);
static_assert(IDC_CODE_ID_LABEL + 1 == editor::kFirstCodeIdLabel);
static_assert(IDC_CODE_ID_BOX + 1 == editor::kFirstCodeIdField);
static_assert(IDC_CODE_ID_SET + 1 == editor::kFirstCodeIdSetButton);
static_assert(IDC_CODE_ID_CLEAR == editor::kCodeIdClearButton);

class CodeIdWindow : public DialogHandler {
 public:
  explicit CodeIdWindow(EditorSheetContext& context)
      : context_(context), logic_(context.design, context.texts) {}

 protected:
  void OnInit() override {
    RelabelFromTable(hwnd(), context_.texts,
                     editor::SymbologyLabels(editor::BarcodeDialog::kCodeId));
    const editor::CodeIdView view = logic_.Open();
    for (int i = 0; i < kCodeIdCount; ++i) {
      MakeKeySequenceBox(Item(IDC_CODE_ID_BOX + 1 + i), logic_.code_id_box(i),
                         editor::kCodeIdCapacity, context_.texts);
    }
    Show(view);
  }

  void OnCommand(int id, int code) override {
    if (code != BN_CLICKED) return;
    if (id == IDC_CODE_ID_ENABLE) {
      Show(logic_.ClickEnable());
    } else if (id > IDC_CODE_ID_SET && id <= IDC_CODE_ID_SET + kCodeIdPresetCount) {
      Show(logic_.PressSet(id - IDC_CODE_ID_SET - 1));
    } else if (id == IDC_CODE_ID_CLEAR) {
      Show(logic_.PressClear());
    } else if (id == IDOK) {
      if (logic_.Ok().mark_modified && context_.mark_modified) context_.mark_modified();
      EndDialog(hwnd(), IDOK);
    } else if (id == IDCANCEL) {
      logic_.Cancel();
      EndDialog(hwnd(), IDCANCEL);
    }
  }

 private:
  void Show(const editor::CodeIdView& view) {
    Writing writing(*this);
    SetChecked(hwnd(), IDC_CODE_ID_ENABLE, view.enable);
    for (int i = 0; i < kCodeIdCount; ++i) {
      const int n = i + 1;
      SetItemText(hwnd(), IDC_CODE_ID_BOX + n, view.fields[static_cast<size_t>(i)]);
      EnableItem(hwnd(), IDC_CODE_ID_LABEL + n, view.controls_enabled);
      EnableItem(hwnd(), IDC_CODE_ID_BOX + n, view.controls_enabled);
    }
    for (int n = 1; n <= kCodeIdPresetCount; ++n) {
      EnableItem(hwnd(), IDC_CODE_ID_SET + n, view.controls_enabled);
    }
    EnableItem(hwnd(), IDC_CODE_ID_CLEAR, view.controls_enabled);
  }

  EditorSheetContext& context_;
  editor::CodeIdDialog logic_;
};

}  // namespace

bool RunCodeIdDialog(HWND owner, EditorSheetContext& context) {
  CodeIdWindow window(context);
  return RunModalDialog(owner, editor::SymbologyLabels(editor::BarcodeDialog::kCodeId).dialog,
                        window) == IDOK;
}

}  // namespace q700::win32
