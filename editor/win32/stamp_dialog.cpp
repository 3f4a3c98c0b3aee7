// The date and time stamp dialog of a form ("DateTimeStampDlg").
#include "editor/stamp_logic.h"

#include "editor/form_labels.h"
#include "editor/win32/editor_controls.h"
#include "editor/win32/form_detail_dialogs.h"
#include "resources/dialogs/form_ids.h"
#include "ui/win32/dialog_handler.h"

namespace q700::win32 {
namespace {

using editor::StampView;

class StampWindow : public DialogHandler {
 public:
  StampWindow(editor::FormPage& page, TextLoader& texts)
      : texts_(texts), record_(page.record()), logic_(page.record()) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    RelabelFromTable(hwnd(), texts_, editor::kStampLabels);
    const editor::StampLists lists = editor::LoadStampLists(texts_);
    FillList(hwnd(), IDC_STAMP_POSITION, lists.positions);
    FillList(hwnd(), IDC_STAMP_YEAR_DIGITS, lists.year_digits);
    FillList(hwnd(), IDC_STAMP_DATE_STYLE, lists.date_styles);
    const StampView view = logic_.Open();
    const editor::StampTexts t = logic_.Texts();
    SetItemText(hwnd(), IDC_STAMP_DATE_SEPARATOR_EDIT, t.date_separator);
    SetItemText(hwnd(), IDC_STAMP_TIME_SEPARATOR_EDIT, t.time_separator);
    Show(view);
  }

  void OnCommand(int id, int code) override {
    if (code == CBN_SELCHANGE) {
      const int position = SelectedItem(hwnd(), id);
      if (id == IDC_STAMP_POSITION) Show(logic_.SelectPosition(position));
      if (id == IDC_STAMP_YEAR_DIGITS) Show(logic_.SelectYearDigits(position));
      if (id == IDC_STAMP_DATE_STYLE) Show(logic_.SelectDateStyle(position));
    } else if (code == EN_CHANGE) {
      editor::StampEdit edit;
      if (id == IDC_STAMP_DATE_SEPARATOR_EDIT) {
        edit = logic_.ChangeDateSeparator(ItemText(hwnd(), id));
      } else if (id == IDC_STAMP_TIME_SEPARATOR_EDIT) {
        edit = logic_.ChangeTimeSeparator(ItemText(hwnd(), id));
      } else {
        return;
      }
      Writing writing(*this);
      Rewrite(hwnd(), id, edit.rewrite);
      Show(edit.view);
    } else if (code == BN_CLICKED) {
      Click(id);
    }
  }

 private:
  void Click(int id) {
    switch (id) {
      case IDC_STAMP_SPLIT:
        return Show(logic_.ClickSplit());
      case IDC_STAMP_YEAR:
        return Show(logic_.ClickYear());
      case IDC_STAMP_MONTH:
        return Show(logic_.ClickMonth());
      case IDC_STAMP_DAY:
        return Show(logic_.ClickDay());
      case IDC_STAMP_DATE_SEPARATOR:
        return Show(logic_.ClickDateSeparator());
      case IDC_STAMP_HOUR:
        return Show(logic_.ClickHour());
      case IDC_STAMP_MINUTE:
        return Show(logic_.ClickMinute());
      case IDC_STAMP_SECOND:
        return Show(logic_.ClickSecond());
      case IDC_STAMP_TIME_SEPARATOR:
        return Show(logic_.ClickTimeSeparator());
      case IDOK:
      case IDCANCEL:
        EndOnButton(hwnd(), id, logic_);
        return;
    }
  }

  void Show(const StampView& v) {
    Writing writing(*this);
    SelectItem(hwnd(), IDC_STAMP_POSITION, v.position);
    SetChecked(hwnd(), IDC_STAMP_SPLIT, v.split);
    SetChecked(hwnd(), IDC_STAMP_YEAR, v.year);
    SelectItem(hwnd(), IDC_STAMP_YEAR_DIGITS, v.year_digits);
    SetChecked(hwnd(), IDC_STAMP_MONTH, v.month);
    SetChecked(hwnd(), IDC_STAMP_DAY, v.day);
    SetChecked(hwnd(), IDC_STAMP_DATE_SEPARATOR, v.date_separator);
    SelectItem(hwnd(), IDC_STAMP_DATE_STYLE, v.date_style);
    SetChecked(hwnd(), IDC_STAMP_HOUR, v.hour);
    SetChecked(hwnd(), IDC_STAMP_MINUTE, v.minute);
    SetChecked(hwnd(), IDC_STAMP_SECOND, v.second);
    SetChecked(hwnd(), IDC_STAMP_TIME_SEPARATOR, v.time_separator);
    // The captions' fixed start follows the language; the pattern is the record's.
    const auto& table = editor::kStampLabels;
    SetItemText(
        hwnd(), IDC_STAMP_DATE_GROUP,
        ComposedLabel(texts_, table, editor::kLabelDateFormat) + editor::DatePattern(record_));
    SetItemText(
        hwnd(), IDC_STAMP_TIME_GROUP,
        ComposedLabel(texts_, table, editor::kLabelTimeFormat) + editor::TimePattern(record_));
  }

  TextLoader& texts_;
  FormRecord record_;
  editor::StampDialog logic_;
};

}  // namespace

bool RunStampDialog(HWND owner, editor::FormPage& page, TextLoader& texts) {
  StampWindow dialog(page, texts);
  return RunModalDialog(owner, editor::kStampLabels.dialog, dialog) == IDOK;
}

}  // namespace q700::win32
