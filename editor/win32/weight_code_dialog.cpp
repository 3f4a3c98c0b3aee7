// The Weight Code dialog (WEIGHTCODE). The prefix is taken when its field loses the focus, and
// at OK when it is confirmed with the Enter key while still being typed.
#include "editor/weight_code_logic.h"

#include "editor/barcode_labels.h"
#include "editor/win32/barcode_dialogs.h"
#include "editor/win32/editor_controls.h"
#include "resources/dialogs/barcode_ids.h"
#include "ui/win32/dialog_handler.h"

namespace q700::win32 {
namespace {

static_assert(IDC_WEIGHT_ENABLE == editor::kWeightEnableBox);
static_assert(IDC_WEIGHT_1C_FORMAT == editor::kWeightFormat1CBox);
static_assert(IDC_WEIGHT_PREFIX == editor::kWeightPrefixField);
static_assert(IDC_WEIGHT_MASK == editor::kWeightMaskList);
static_assert(IDC_WEIGHT_KEY_FIELD == editor::kWeightKeyFieldList);
static_assert(IDC_WEIGHT_QUANTITY == editor::kWeightQuantityFieldList);

class WeightCodeWindow : public DialogHandler {
 public:
  WeightCodeWindow(Design& design, TextLoader& texts) : texts_(texts), logic_(design, texts) {}

 protected:
  void OnInit() override {
    RelabelFromTable(hwnd(), texts_, editor::SymbologyLabels(editor::BarcodeDialog::kWeightCode));
    Writing writing(*this);
    const editor::WeightCodeLists lists = logic_.Lists();
    FillList(hwnd(), IDC_WEIGHT_MASK, lists.masks);
    FillList(hwnd(), IDC_WEIGHT_KEY_FIELD, lists.fields);
    FillList(hwnd(), IDC_WEIGHT_QUANTITY, lists.fields);
    SendDlgItemMessageW(hwnd(), IDC_WEIGHT_PREFIX, EM_LIMITTEXT, editor::kWeightPrefixLimit, 0);
    const editor::WeightCodeView view = logic_.Open();
    SetItemText(hwnd(), IDC_WEIGHT_PREFIX, logic_.PrefixText());
    Show(view);
  }

  void OnCommand(int id, int code) override {
    switch (code) {
      case BN_CLICKED:
        return Click(id);
      case CBN_SELCHANGE:
        return Select(id, SelectedItem(hwnd(), id));
      case EN_CHANGE:
        if (id == IDC_WEIGHT_PREFIX) Write(id, logic_.ChangePrefix(ItemText(hwnd(), id)));
        return;
      case EN_KILLFOCUS:
        if (id == IDC_WEIGHT_PREFIX) Write(id, logic_.LeavePrefix(ItemText(hwnd(), id)));
        return;
    }
  }

 private:
  void Click(int id) {
    switch (id) {
      case IDC_WEIGHT_ENABLE:
        return Show(logic_.ClickEnable());
      case IDC_WEIGHT_1C_FORMAT:
        return Show(logic_.ClickFormat1C());
      case IDOK:
      case IDCANCEL:
        EndOnButton(hwnd(), id, logic_);
        return;
    }
  }

  void Select(int id, int position) {
    switch (id) {
      case IDC_WEIGHT_MASK:
        return logic_.SelectMask(position);
      case IDC_WEIGHT_KEY_FIELD:
        return logic_.SelectKeyField(position);
      case IDC_WEIGHT_QUANTITY:
        return logic_.SelectQuantityField(position);
    }
  }

  void Write(int id, const editor::EditRewrite& rewrite) {
    Writing writing(*this);
    Rewrite(hwnd(), id, rewrite);
  }

  void Show(const editor::WeightCodeView& view) {
    Writing writing(*this);
    SetChecked(hwnd(), IDC_WEIGHT_ENABLE, view.enable);
    SetChecked(hwnd(), IDC_WEIGHT_1C_FORMAT, view.format_1c);
    SelectItem(hwnd(), IDC_WEIGHT_MASK, view.mask);
    SelectItem(hwnd(), IDC_WEIGHT_KEY_FIELD, view.key_field);
    SelectItem(hwnd(), IDC_WEIGHT_QUANTITY, view.quantity_field);
    for (int id : {IDC_WEIGHT_PREFIX, IDC_WEIGHT_MASK, IDC_WEIGHT_KEY_FIELD, IDC_WEIGHT_QUANTITY,
                   IDC_WEIGHT_1C_FORMAT}) {
      EnableItem(hwnd(), id, view.controls_enabled);
    }
  }

  TextLoader& texts_;
  editor::WeightCodeDialog logic_;
};

}  // namespace

bool RunWeightCodeDialog(HWND owner, Design& design, TextLoader& texts) {
  WeightCodeWindow window(design, texts);
  return RunModalDialog(owner, editor::SymbologyLabels(editor::BarcodeDialog::kWeightCode).dialog,
                        window) == IDOK;
}

}  // namespace q700::win32
