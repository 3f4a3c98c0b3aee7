// The properties dialog of a lookup line ("LookupAdvanceDlg").
#include "editor/lookup_properties_logic.h"

#include "editor/form_labels.h"
#include "editor/pickers.h"
#include "editor/win32/editor_controls.h"
#include "editor/win32/form_detail_dialogs.h"
#include "editor/win32/picker_box.h"
#include "resources/dialogs/form_ids.h"
#include "ui/win32/dialog_handler.h"

namespace q700::win32 {
namespace {

using editor::LookupPropertiesView;

class LookupPropertiesWindow : public DialogHandler {
 public:
  LookupPropertiesWindow(editor::FormPage& page, TextLoader& texts)
      : texts_(texts), logic_(page.record(), page.detail_line(), texts) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    RelabelFromTable(hwnd(), texts_, editor::kLookupPropertiesLabels);
    FillList(hwnd(), IDC_LOOKUP_ALIGNMENT, logic_.Alignments());
    const LookupPropertiesView view = logic_.Open();
    SetItemText(hwnd(), IDC_LOOKUP_FIXED_LENGTH_EDIT, logic_.Texts().fixed_length);
    MakeKeySequenceBox(Item(IDC_LOOKUP_PREFIX_BOX), logic_.prefix_box(),
                       editor::kCodeSequenceCapacity, texts_);
    MakeKeySequenceBox(Item(IDC_LOOKUP_SUFFIX_BOX), logic_.suffix_box(),
                       editor::kCodeSequenceCapacity, texts_);
    Show(view);
  }

  void OnCommand(int id, int code) override {
    if (code == CBN_SELCHANGE && id == IDC_LOOKUP_ALIGNMENT) {
      Show(logic_.SelectAlignment(SelectedItem(hwnd(), id)));
    } else if (code == EN_CHANGE && id == IDC_LOOKUP_FIXED_LENGTH_EDIT) {
      const editor::EditRewrite rewrite = logic_.ChangeFixedLength(ItemText(hwnd(), id));
      Writing writing(*this);
      Rewrite(hwnd(), id, rewrite);
    } else if (code == BN_CLICKED) {
      Click(id);
    }
  }

 private:
  void Click(int id) {
    switch (id) {
      case IDC_LOOKUP_SAVE:
        return Show(logic_.ClickSaveFieldData());
      case IDC_LOOKUP_FIXED_LENGTH:
        return Show(logic_.ClickFixedLength());
      case IDC_LOOKUP_PREFIX:
        return Show(logic_.ClickPrefix());
      case IDC_LOOKUP_SUFFIX:
        return Show(logic_.ClickSuffix());
      case IDOK:
        if (logic_.Ok().close) EndDialog(hwnd(), IDOK);
        return;
      case IDCANCEL:
        logic_.Cancel();
        EndDialog(hwnd(), IDCANCEL);
        return;
    }
  }

  void Show(const LookupPropertiesView& v) {
    Writing writing(*this);
    SetCheck(hwnd(), IDC_LOOKUP_SAVE, v.save_field_data);
    SetCheck(hwnd(), IDC_LOOKUP_FIXED_LENGTH, v.fixed_length);
    EnableItem(hwnd(), IDC_LOOKUP_FIXED_LENGTH_EDIT, v.fixed_length_edits);
    EnableItem(hwnd(), IDC_LOOKUP_ALIGNMENT, v.fixed_length_edits);
    SelectItem(hwnd(), IDC_LOOKUP_ALIGNMENT, v.alignment);
    SetCheck(hwnd(), IDC_LOOKUP_PREFIX, v.prefix);
    EnableItem(hwnd(), IDC_LOOKUP_PREFIX_BOX, v.prefix_box);
    SetCheck(hwnd(), IDC_LOOKUP_SUFFIX, v.suffix);
    EnableItem(hwnd(), IDC_LOOKUP_SUFFIX_BOX, v.suffix_box);
  }

  TextLoader& texts_;
  editor::LookupPropertiesDialog logic_;
};

}  // namespace

bool RunLookupPropertiesDialog(HWND owner, editor::FormPage& page, TextLoader& texts) {
  LookupPropertiesWindow dialog(page, texts);
  return RunModalDialog(owner, editor::kLookupPropertiesLabels.dialog, dialog) == IDOK;
}

}  // namespace q700::win32
