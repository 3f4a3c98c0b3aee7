// The symbology dialogs that edit bits of the barcode settings block: one window for every
// dialog made only of buttons (the eleven check-box dialogs, Codabar and Telepen), one for the
// four length dialogs, and the EAN128 dialog. Which controls they have and what each one edits
// comes from the tables of the portable dialogs.
#include <string>

#include "editor/barcode_labels.h"
#include "editor/symbology_logic.h"
#include "editor/win32/barcode_dialogs.h"
#include "editor/win32/editor_controls.h"
#include "resources/dialogs/barcode_ids.h"
#include "ui/win32/dialog_handler.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {
namespace {

using editor::BarcodeDialog;
using editor::ButtonStates;

static_assert(IDC_LENGTH_FIRST == editor::kFirstValueField);
static_assert(IDC_LENGTH_SECOND == editor::kSecondValueField);
static_assert(IDC_LENGTH_FIRST_LABEL == editor::kFirstValueLabel);
static_assert(IDC_LENGTH_SECOND_LABEL == editor::kSecondValueLabel);
static_assert(IDC_EAN128_TRANSMIT_CODE_ID == editor::kTransmitCodeIdBox);
static_assert(IDC_EAN128_TEXT == editor::kReplacementTextField);
static_assert(IDC_EAN128_ASCII == editor::kReplacementAsciiField);

std::wstring TemplateOf(BarcodeDialog dialog) {
  return FromUtf8(editor::InfoOf(dialog).template_name);
}

void ShowButtons(HWND dialog, const ButtonStates& states) {
  for (const editor::ButtonState& s : states) SetChecked(dialog, s.control, s.checked);
}

// A dialog of check boxes or radio buttons only. `Logic` answers its opening and every click
// with the states of all its buttons.
template <typename Logic>
class ButtonsWindow : public DialogHandler {
 public:
  ButtonsWindow(Logic& logic, const LabelTable& labels, TextLoader& texts)
      : logic_(logic), labels_(labels), texts_(texts) {}

 protected:
  void OnInit() override {
    RelabelFromTable(hwnd(), texts_, labels_);
    Show(logic_.Open());
  }

  void OnCommand(int id, int code) override {
    if (code != BN_CLICKED) return;
    if (!EndOnButton(hwnd(), id, logic_)) Show(logic_.Click(id));
  }

 private:
  void Show(const ButtonStates& states) {
    Writing writing(*this);
    ShowButtons(hwnd(), states);
  }

  Logic& logic_;
  const LabelTable& labels_;
  TextLoader& texts_;
};

template <typename Logic>
bool RunButtons(HWND owner, BarcodeDialog dialog, Logic& logic, TextLoader& texts) {
  ButtonsWindow<Logic> window(logic, editor::SymbologyLabels(dialog), texts);
  return RunModalDialog(owner, TemplateOf(dialog).c_str(), window) == IDOK;
}

class LengthWindow : public DialogHandler {
 public:
  LengthWindow(const editor::LengthDialogLayout& layout, Design& design, TextLoader& texts)
      : texts_(texts),
        labels_(editor::SymbologyLabels(layout.dialog)),
        logic_(layout, design, texts) {}

 protected:
  void OnInit() override {
    RelabelFromTable(hwnd(), texts_, labels_);
    SendDlgItemMessageW(hwnd(), IDC_LENGTH_FIRST, EM_LIMITTEXT, editor::kLengthValueChars, 0);
    SendDlgItemMessageW(hwnd(), IDC_LENGTH_SECOND, EM_LIMITTEXT, editor::kLengthValueChars, 0);
    const editor::LengthView view = logic_.Open();
    const editor::LengthTexts values = logic_.Texts();
    {
      Writing writing(*this);
      SetItemText(hwnd(), IDC_LENGTH_FIRST, values.first);
      SetItemText(hwnd(), IDC_LENGTH_SECOND, values.second);
    }
    Show(view);
  }

  void OnCommand(int id, int code) override {
    if (code == EN_CHANGE) {
      editor::EditRewrite rewrite;
      if (id == IDC_LENGTH_FIRST) {
        rewrite = logic_.ChangeFirst(ItemText(hwnd(), id));
      } else if (id == IDC_LENGTH_SECOND) {
        rewrite = logic_.ChangeSecond(ItemText(hwnd(), id));
      }
      Writing writing(*this);
      Rewrite(hwnd(), id, rewrite);
      return;
    }
    if (code != BN_CLICKED) return;
    if (!EndOnButton(hwnd(), id, logic_)) Show(logic_.Click(id));
  }

 private:
  void Show(const editor::LengthView& view) {
    Writing writing(*this);
    ShowButtons(hwnd(), view.buttons);
    SetItemText(hwnd(), IDC_LENGTH_FIRST_LABEL, view.first_label);
    SetItemText(hwnd(), IDC_LENGTH_SECOND_LABEL, view.second_label);
  }

  TextLoader& texts_;
  const LabelTable& labels_;
  editor::LengthDialog logic_;
};

// The replacement character is shown twice: as itself and as its code. Only what the user types
// into one of the two fields is passed on; the dialog's own writes into the other are not.
class Ean128Window : public DialogHandler {
 public:
  Ean128Window(Design& design, TextLoader& texts) : texts_(texts), logic_(design) {}

 protected:
  void OnInit() override {
    RelabelFromTable(hwnd(), texts_, editor::SymbologyLabels(BarcodeDialog::kEan128));
    SendDlgItemMessageW(hwnd(), IDC_EAN128_TEXT, EM_LIMITTEXT, editor::kReplacementTextLimit, 0);
    SendDlgItemMessageW(hwnd(), IDC_EAN128_ASCII, EM_LIMITTEXT, editor::kReplacementAsciiChars, 0);
    Writing writing(*this);
    ShowButtons(hwnd(), logic_.Open());
    const editor::Ean128Texts texts = logic_.Texts();
    SetItemText(hwnd(), IDC_EAN128_ASCII, texts.ascii);
    SetItemText(hwnd(), IDC_EAN128_TEXT, texts.text);
  }

  void OnCommand(int id, int code) override {
    if (code == EN_CHANGE && id == IDC_EAN128_TEXT) {
      Show(logic_.ChangeText(ItemText(hwnd(), id)));
    } else if (code == EN_CHANGE && id == IDC_EAN128_ASCII) {
      Show(logic_.ChangeAscii(ItemText(hwnd(), id)));
    } else if (code == BN_CLICKED && id == IDOK) {
      logic_.Ok();
      EndDialog(hwnd(), IDOK);
    } else if (code == BN_CLICKED && id == IDCANCEL) {
      logic_.Cancel();
      EndDialog(hwnd(), IDCANCEL);
    } else if (code == BN_CLICKED) {
      Writing writing(*this);
      ShowButtons(hwnd(), logic_.Click(id));
    }
  }

 private:
  void Show(const editor::Ean128Edit& edit) {
    Writing writing(*this);
    Rewrite(hwnd(), IDC_EAN128_ASCII, edit.ascii);
    Rewrite(hwnd(), IDC_EAN128_TEXT, edit.text);
  }

  TextLoader& texts_;
  editor::Ean128Dialog logic_;
};

}  // namespace

bool RunSymbologyDialog(HWND owner, BarcodeDialog dialog, Design& design, TextLoader& texts) {
  switch (editor::InfoOf(dialog).kind) {
    case editor::DialogKind::kCheckBoxes: {
      editor::CheckBoxDialog logic(*editor::FindCheckBoxDialog(dialog), design);
      return RunButtons(owner, dialog, logic, texts);
    }
    case editor::DialogKind::kCodabar: {
      editor::CodabarDialog logic(design);
      return RunButtons(owner, dialog, logic, texts);
    }
    case editor::DialogKind::kTelepen: {
      editor::TelepenDialog logic(design);
      return RunButtons(owner, dialog, logic, texts);
    }
    case editor::DialogKind::kLength: {
      LengthWindow window(*editor::FindLengthDialog(dialog), design, texts);
      return RunModalDialog(owner, TemplateOf(dialog).c_str(), window) == IDOK;
    }
    case editor::DialogKind::kEan128: {
      Ean128Window window(design, texts);
      return RunModalDialog(owner, TemplateOf(dialog).c_str(), window) == IDOK;
    }
    case editor::DialogKind::kCodeId:
    case editor::DialogKind::kWeightCode:
      break;
  }
  return false;
}

bool RunBarcodeDialog(HWND owner, BarcodeDialog dialog, EditorSheetContext& context) {
  switch (editor::InfoOf(dialog).kind) {
    case editor::DialogKind::kCodeId:
      return RunCodeIdDialog(owner, context);
    case editor::DialogKind::kWeightCode:
      return RunWeightCodeDialog(owner, context.design, context.texts);
    default:
      return RunSymbologyDialog(owner, dialog, context.design, context.texts);
  }
}

}  // namespace q700::win32
