// The field properties dialog of an ordinary form line ("AdvanceDlg").
#include "editor/field_properties_logic.h"

#include "editor/form_labels.h"
#include "editor/pickers.h"
#include "editor/win32/editor_controls.h"
#include "editor/win32/form_detail_dialogs.h"
#include "editor/win32/picker_box.h"
#include "resources/dialogs/form_ids.h"
#include "ui/win32/dialog_handler.h"
#include "ui/win32/message_box.h"

namespace q700::win32 {
namespace {

using editor::FieldPropertiesView;

class FieldPropertiesWindow : public DialogHandler {
 public:
  FieldPropertiesWindow(editor::FormPage& page, TextLoader& texts)
      : texts_(texts),
        logic_(page.record(), page.current_form(), page.detail_line(),
               page.show_input_mark(page.detail_line()), texts) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    RelabelFromTable(hwnd(), texts_, editor::kFieldPropertiesLabels);
    const editor::FieldPropertiesLists lists = editor::LoadFieldPropertiesLists(texts_);
    FillList(hwnd(), IDC_FIELD_ALIGNMENT, lists.alignments);
    FillList(hwnd(), IDC_FIELD_DECIMALS, lists.decimal_places);
    FillList(hwnd(), IDC_FIELD_CHECK_DIGIT_LIST, lists.check_digits);
    FillList(hwnd(), IDC_FIELD_AUTO_ENTER, lists.auto_enter);
    const FieldPropertiesView view = logic_.Open();
    const editor::FieldPropertiesTexts t = logic_.Texts();
    const auto& table = editor::kFieldPropertiesLabels;
    SetItemText(
        hwnd(), IDC_FIELD_FORM_NUMBER,
        ComposedLabel(texts_, table, editor::kLabelFormNumber) + std::to_string(t.form_number));
    SetItemText(
        hwnd(), IDC_FIELD_LINE_NUMBER,
        ComposedLabel(texts_, table, editor::kLabelLineNumber) + std::to_string(t.line_number));
    SetItemText(hwnd(), IDC_FIELD_FIXED_LENGTH_EDIT, t.fixed_length);
    SetItemText(hwnd(), IDC_FIELD_INITIAL_EDIT, t.initial_value);
    SetItemText(hwnd(), IDC_FIELD_INPUT_MARK_EDIT, t.input_mark);
    SetItemText(hwnd(), IDC_FIELD_START, t.start_position);
    SetItemText(hwnd(), IDC_FIELD_PARTIAL_LENGTH, t.max_length);
    SetItemText(hwnd(), IDC_FIELD_GS1_CODE, t.gs1_code);
    SetItemText(hwnd(), IDC_FIELD_LEADING_EDIT, t.leading_code);
    MakeKeySequenceBox(Item(IDC_FIELD_PREFIX_BOX), logic_.prefix_box(),
                       editor::kCodeSequenceCapacity, texts_);
    MakeKeySequenceBox(Item(IDC_FIELD_SUFFIX_BOX), logic_.suffix_box(),
                       editor::kCodeSequenceCapacity, texts_);
    Show(view);
  }

 private:
  void OnClick(int id) override {
    switch (id) {
      case IDC_FIELD_FIXED_LENGTH:
        return Show(logic_.ClickFixedLength());
      case IDC_FIELD_INITIAL:
        return Show(logic_.ClickInitialValue());
      case IDC_FIELD_PREFIX:
        return Show(logic_.ClickPrefix());
      case IDC_FIELD_SUFFIX:
        return Show(logic_.ClickSuffix());
      case IDC_FIELD_INPUT_MARK:
        return Show(logic_.ClickInputMark());
      case IDC_FIELD_PARTIAL:
        return Show(logic_.ClickPartial());
      case IDC_FIELD_BARCODE_PART:
        return Show(logic_.ClickBarcodePart());
      case IDC_FIELD_GS1_PART:
        return Show(logic_.ClickGs1Part());
      case IDC_FIELD_CUT_GS1:
        return Show(logic_.ClickCutGs1());
      case IDC_FIELD_SAVE_FULL:
        return Show(logic_.ClickSaveFull());
      case IDC_FIELD_LEADING:
        return Show(logic_.ClickLeadingCode());
      case IDC_FIELD_CHECK_DIGIT:
        return Show(logic_.ClickCheckDigit());
      case IDOK: {
        const editor::DialogOk ok = logic_.Ok();
        if (ok.message) ShowMessageBox(hwnd(), texts_, *ok.message);
        if (ok.close) EndDialog(hwnd(), IDOK);
        return;
      }
      case IDCANCEL:
        logic_.Cancel();
        EndDialog(hwnd(), IDCANCEL);
        return;
    }
  }

  void OnSelect(int id, int position) override {
    switch (id) {
      case IDC_FIELD_ALIGNMENT:
        return Show(logic_.SelectAlignment(position));
      case IDC_FIELD_DECIMALS:
        return Show(logic_.SelectDecimalPlaces(position));
      case IDC_FIELD_CHECK_DIGIT_LIST:
        return Show(logic_.SelectCheckDigit(position));
      case IDC_FIELD_AUTO_ENTER:
        return Show(logic_.SelectAutoEnter(position));
    }
  }

  void OnEdit(int id, const std::string& text) override {
    editor::EditRewrite rewrite;
    switch (id) {
      case IDC_FIELD_FIXED_LENGTH_EDIT:
        rewrite = logic_.ChangeFixedLength(text);
        break;
      case IDC_FIELD_INITIAL_EDIT:
        rewrite = logic_.ChangeInitialValue(text);
        break;
      case IDC_FIELD_INPUT_MARK_EDIT:
        rewrite = logic_.ChangeInputMark(text);
        break;
      case IDC_FIELD_START:
        rewrite = logic_.ChangeStartPosition(text);
        break;
      case IDC_FIELD_PARTIAL_LENGTH:
        rewrite = logic_.ChangeMaxLength(text);
        break;
      case IDC_FIELD_GS1_CODE:
        rewrite = logic_.ChangeGs1Code(text);
        break;
      case IDC_FIELD_LEADING_EDIT:
        rewrite = logic_.ChangeLeadingCode(text);
        break;
      default:
        return;
    }
    Writing writing(*this);
    Rewrite(hwnd(), id, rewrite);
  }

  void Show(const FieldPropertiesView& v) {
    Writing writing(*this);
    SetCheck(hwnd(), IDC_FIELD_FIXED_LENGTH, v.fixed_length);
    EnableItem(hwnd(), IDC_FIELD_FIXED_LENGTH_EDIT, v.fixed_length_edits);
    EnableItem(hwnd(), IDC_FIELD_ALIGNMENT, v.fixed_length_edits);
    SelectItem(hwnd(), IDC_FIELD_ALIGNMENT, v.alignment);
    SetCheck(hwnd(), IDC_FIELD_INITIAL, v.initial_value);
    EnableItem(hwnd(), IDC_FIELD_INITIAL_EDIT, v.initial_value_edit);
    SetCheck(hwnd(), IDC_FIELD_PREFIX, v.prefix);
    EnableItem(hwnd(), IDC_FIELD_PREFIX_BOX, v.prefix_box);
    SetCheck(hwnd(), IDC_FIELD_SUFFIX, v.suffix);
    EnableItem(hwnd(), IDC_FIELD_SUFFIX_BOX, v.suffix_box);
    SetCheck(hwnd(), IDC_FIELD_INPUT_MARK, v.input_mark);
    EnableItem(hwnd(), IDC_FIELD_INPUT_MARK_EDIT, v.input_mark_edit);
    EnableItem(hwnd(), IDC_FIELD_DECIMALS, v.decimal_places_enabled);
    EnableItem(hwnd(), IDC_FIELD_DECIMALS_LABEL, v.decimal_places_enabled);
    SelectItem(hwnd(), IDC_FIELD_DECIMALS, v.decimal_places);
    SetCheck(hwnd(), IDC_FIELD_PARTIAL, v.partial);
    SetCheck(hwnd(), IDC_FIELD_BARCODE_PART, v.barcode_part);
    SetCheck(hwnd(), IDC_FIELD_GS1_PART, v.gs1_part);
    SetCheck(hwnd(), IDC_FIELD_CUT_GS1, v.cut_gs1);
    EnableItem(hwnd(), IDC_FIELD_START, v.start_position_edit);
    EnableItem(hwnd(), IDC_FIELD_START_LABEL, v.start_position_edit);
    EnableItem(hwnd(), IDC_FIELD_PARTIAL_LENGTH, v.max_length_edit);
    EnableItem(hwnd(), IDC_FIELD_PARTIAL_LENGTH_LABEL, v.max_length_edit);
    SetCheck(hwnd(), IDC_FIELD_SAVE_FULL, v.save_full);
    EnableItem(hwnd(), IDC_FIELD_GS1_CODE, v.gs1_code_edit);
    EnableItem(hwnd(), IDC_FIELD_GS1_CODE_LABEL, v.gs1_code_edit);
    SetCheck(hwnd(), IDC_FIELD_LEADING, v.leading_code);
    EnableItem(hwnd(), IDC_FIELD_LEADING_EDIT, v.leading_code_edit);
    SetCheck(hwnd(), IDC_FIELD_CHECK_DIGIT, v.check_digit);
    EnableItem(hwnd(), IDC_FIELD_CHECK_DIGIT_LIST, v.check_digit_list);
    SelectItem(hwnd(), IDC_FIELD_CHECK_DIGIT_LIST, v.check_digit_method);
    SelectItem(hwnd(), IDC_FIELD_AUTO_ENTER, v.auto_enter);
  }

  TextLoader& texts_;
  editor::FieldPropertiesDialog logic_;
};

}  // namespace

bool RunFieldPropertiesDialog(HWND owner, editor::FormPage& page, TextLoader& texts) {
  FieldPropertiesWindow dialog(page, texts);
  return RunModalDialog(owner, editor::kFieldPropertiesLabels.dialog, dialog) == IDOK;
}

}  // namespace q700::win32
