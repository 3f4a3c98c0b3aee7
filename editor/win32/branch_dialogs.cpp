// The function-key dialogs of a form: branches ("FormBranchDlg"), and the summation
// ("FormSummation") and remains ("FormRemains") settings of one key.
#include "editor/branch_logic.h"

#include "editor/form_labels.h"
#include "editor/win32/editor_controls.h"
#include "editor/win32/form_detail_dialogs.h"
#include "resources/dialogs/form_ids.h"
#include "ui/win32/dialog_handler.h"

namespace q700::win32 {
namespace {

using editor::BranchView;
using editor::RemainsView;
using editor::SummationView;

class BranchWindow : public DialogHandler {
 public:
  BranchWindow(editor::FormPage& page, TextLoader& texts)
      : texts_(texts), record_(page.record()), logic_(page.record()) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    RelabelFromTable(hwnd(), texts_, editor::kBranchLabels);
    const std::vector<std::string> targets = editor::BranchTexts(texts_);
    for (int key = 0; key < kFunctionKeys; ++key)
      FillList(hwnd(), IDC_BRANCH_TARGET + key, targets);
    Show(logic_.Open());
  }

  void OnCommand(int id, int code) override {
    const int list_key = id - IDC_BRANCH_TARGET;
    const int more_key = id - IDC_BRANCH_MORE;
    if (code == CBN_SELCHANGE && list_key >= 0 && list_key < kFunctionKeys) {
      Show(logic_.SelectTarget(list_key, SelectedItem(hwnd(), id)));
    } else if (code != BN_CLICKED) {
      return;
    } else if (more_key >= 0 && more_key < kFunctionKeys) {
      switch (logic_.PressMore(more_key)) {
        case editor::BranchDetail::kSummation:
          RunSummationDialog(hwnd(), record_, more_key, texts_);
          break;
        case editor::BranchDetail::kRemains:
          RunRemainsDialog(hwnd(), record_, more_key, texts_);
          break;
        case editor::BranchDetail::kNone:
          break;
      }
    } else {
      EndOnButton(hwnd(), id, logic_);
    }
  }

 private:
  void Show(const BranchView& view) {
    Writing writing(*this);
    for (int key = 0; key < kFunctionKeys; ++key) {
      SelectItem(hwnd(), IDC_BRANCH_TARGET + key, view.targets[key]);
      EnableItem(hwnd(), IDC_BRANCH_MORE + key, view.more[key]);
    }
  }

  TextLoader& texts_;
  FormRecord record_;
  editor::BranchDialog logic_;
};

class SummationWindow : public DialogHandler {
 public:
  SummationWindow(FormRecord record, int key, TextLoader& texts)
      : texts_(texts), logic_(record, key) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    RelabelFromTable(hwnd(), texts_, editor::kSummationLabels);
    const editor::SummationLists lists = editor::LoadSummationLists(texts_);
    FillList(hwnd(), IDC_SUM_SOURCE, lists.sources);
    FillList(hwnd(), IDC_SUM_FIELD, lists.fields);
    FillList(hwnd(), IDC_SUM_MULTIPLY_FIELD, lists.fields);
    Show(logic_.Open());
  }

  void OnCommand(int id, int code) override {
    if (code == CBN_SELCHANGE) {
      const int position = SelectedItem(hwnd(), id);
      if (id == IDC_SUM_SOURCE) Show(logic_.SelectSource(position));
      if (id == IDC_SUM_FIELD) Show(logic_.SelectField(position));
      if (id == IDC_SUM_MULTIPLY_FIELD) Show(logic_.SelectMultiplyField(position));
    } else if (code == BN_CLICKED) {
      if (id == IDC_SUM_MULTIPLY) {
        Show(logic_.ClickMultiply());
      } else {
        EndOnButton(hwnd(), id, logic_);
      }
    }
  }

 private:
  void Show(const SummationView& v) {
    Writing writing(*this);
    SelectItem(hwnd(), IDC_SUM_SOURCE, v.source);
    SelectItem(hwnd(), IDC_SUM_FIELD, v.field);
    SetChecked(hwnd(), IDC_SUM_MULTIPLY, v.multiply);
    SelectItem(hwnd(), IDC_SUM_MULTIPLY_FIELD, v.multiply_field);
    EnableItem(hwnd(), IDC_SUM_MULTIPLY_FIELD, v.multiply_field_enabled);
  }

  TextLoader& texts_;
  editor::SummationDialog logic_;
};

class RemainsWindow : public DialogHandler {
 public:
  RemainsWindow(FormRecord record, int key, TextLoader& texts)
      : texts_(texts), logic_(record, key) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    RelabelFromTable(hwnd(), texts_, editor::kRemainsLabels);
    const editor::RemainsLists lists = editor::LoadRemainsLists(texts_);
    FillList(hwnd(), IDC_REMAINS_FILTER_FOR, lists.filters);
    FillList(hwnd(), IDC_REMAINS_FIELD, lists.fields);
    Show(logic_.Open());
  }

  void OnCommand(int id, int code) override {
    if (code == CBN_SELCHANGE) {
      const int position = SelectedItem(hwnd(), id);
      if (id == IDC_REMAINS_FILTER_FOR) Show(logic_.SelectFilterFor(position));
      if (id == IDC_REMAINS_FIELD) Show(logic_.SelectField(position));
    } else if (code == BN_CLICKED) {
      if (id == IDC_REMAINS_ENABLE) {
        Show(logic_.ClickEnable());
      } else if (id == IDC_REMAINS_SUFFIX) {
        Show(logic_.ClickSuffix());
      } else {
        EndOnButton(hwnd(), id, logic_);
      }
    }
  }

 private:
  void Show(const RemainsView& v) {
    Writing writing(*this);
    SetChecked(hwnd(), IDC_REMAINS_ENABLE, v.enable);
    SelectItem(hwnd(), IDC_REMAINS_FILTER_FOR, v.filter_for);
    EnableItem(hwnd(), IDC_REMAINS_FILTER_FOR, v.lists_enabled);
    EnableItem(hwnd(), IDC_REMAINS_FILTER_FOR_LABEL, v.lists_enabled);
    SelectItem(hwnd(), IDC_REMAINS_FIELD, v.field);
    EnableItem(hwnd(), IDC_REMAINS_FIELD, v.lists_enabled);
    EnableItem(hwnd(), IDC_REMAINS_FIELD_LABEL, v.lists_enabled);
    SetCheck(hwnd(), IDC_REMAINS_SUFFIX, v.suffix);
  }

  TextLoader& texts_;
  editor::RemainsDialog logic_;
};

}  // namespace

bool RunBranchDialog(HWND owner, editor::FormPage& page, TextLoader& texts) {
  BranchWindow dialog(page, texts);
  return RunModalDialog(owner, editor::kBranchLabels.dialog, dialog) == IDOK;
}

bool RunSummationDialog(HWND owner, FormRecord record, int key, TextLoader& texts) {
  SummationWindow dialog(record, key, texts);
  return RunModalDialog(owner, editor::kSummationLabels.dialog, dialog) == IDOK;
}

bool RunRemainsDialog(HWND owner, FormRecord record, int key, TextLoader& texts) {
  RemainsWindow dialog(record, key, texts);
  return RunModalDialog(owner, editor::kRemainsLabels.dialog, dialog) == IDOK;
}

}  // namespace q700::win32
