// The Settings page's detail dialogs: security (SECURITYDLG), function keys (FUNCTIONKEYDLG) and
// acoustic coupler (ACSETTINGSDLG).
#include "editor/settings_logic.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "editor/page_labels.h"
#include "editor/win32/editor_controls.h"
#include "editor/win32/picker_box.h"
#include "editor/win32/settings_detail_dialogs.h"
#include "resources/dialogs/settings_ids.h"
#include "ui/win32/dialog_handler.h"
#include "ui/win32/message_box.h"

namespace q700::win32 {
namespace {

constexpr int kStartToneMin = 1;
constexpr int kStartToneMax = 5;

class SecurityWindow : public DialogHandler {
 public:
  SecurityWindow(Bytes working_copy, TextLoader& texts) : texts_(texts), logic_(working_copy) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    RelabelFromTable(hwnd(), texts_, editor::kSecurityLabels);
    const editor::SecurityView view = logic_.Open();
    SetItemText(hwnd(), IDC_SECURITY_PASSWORD, view.password);
    Show(view);
  }

  void OnCommand(int id, int code) override {
    if (code == EN_CHANGE && id == IDC_SECURITY_PASSWORD) {
      const editor::PasswordEntry entry = logic_.ChangePassword(ItemText(hwnd(), id));
      for (const Message& message : entry.messages) ShowMessageBox(hwnd(), texts_, message);
      Writing writing(*this);
      Rewrite(hwnd(), id, entry.rewrite);
    } else if (code == BN_CLICKED && !EndOnButton(hwnd(), id, logic_)) {
      const int box = id - IDC_SECURITY_FLAG - 1;
      if (box >= 0 && box < editor::kSecurityBoxes) Show(logic_.Click(box));
    }
  }

 private:
  void Show(const editor::SecurityView& view) {
    Writing writing(*this);
    for (int box = 0; box < editor::kSecurityBoxes; ++box) {
      SetCheck(hwnd(), IDC_SECURITY_FLAG + box + 1, view.boxes[box]);
    }
  }

  TextLoader& texts_;
  editor::SecurityDialog logic_;
};

class FunctionKeyWindow : public DialogHandler {
 public:
  FunctionKeyWindow(Bytes working_copy, TextLoader& texts) : texts_(texts), logic_(working_copy) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    const editor::FunctionKeyView view = logic_.Open();
    RelabelFromTable(hwnd(), texts_, editor::kFunctionKeyLabels);
    const std::vector<std::string> functions = editor::FunctionTexts(texts_);
    for (int key = 0; key < settings_offset::kFunctionKeyCount; ++key) {
      FillList(hwnd(), IDC_FNKEY_FUNCTION + key + 1, functions);
      SelectItem(hwnd(), IDC_FNKEY_FUNCTION + key + 1, view.functions[key]);
    }
    Show(view);
  }

  void OnCommand(int id, int code) override {
    if (code == CBN_SELCHANGE) {
      logic_.SelectFunction(id - IDC_FNKEY_FUNCTION - 1, SelectedItem(hwnd(), id));
    } else if (code == BN_CLICKED && !EndOnButton(hwnd(), id, logic_)) {
      if (id == IDC_FNKEY_ENABLE) Show(logic_.ClickEnable());
    }
  }

 private:
  void Show(const editor::FunctionKeyView& view) {
    Writing writing(*this);
    SetCheck(hwnd(), IDC_FNKEY_ENABLE, view.enable);
    for (int key = 0; key < settings_offset::kFunctionKeyCount; ++key) {
      EnableItem(hwnd(), IDC_FNKEY_FUNCTION + key + 1, view.lists_enabled);
    }
  }

  TextLoader& texts_;
  editor::FunctionKeyDialog logic_;
};

class AcousticCouplerWindow : public DialogHandler {
 public:
  AcousticCouplerWindow(Bytes working_copy, TextLoader& texts)
      : texts_(texts), logic_(working_copy) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    RelabelFromTable(hwnd(), texts_, editor::kAcousticCouplerLabels);
    const editor::AcousticCouplerView view = logic_.Open();
    const editor::AcousticCouplerLists lists = editor::LoadAcousticCouplerLists(texts_);
    FillList(hwnd(), IDC_AC_DATA_BITS, lists.data_bits);
    FillList(hwnd(), IDC_AC_STOP_BITS, lists.stop_bits);
    FillList(hwnd(), IDC_AC_PARITY, lists.parity);
    FillList(hwnd(), IDC_AC_VOLUME, lists.volume);
    FillList(hwnd(), IDC_AC_BLOCK_SIZE, lists.block_size);
    FillList(hwnd(), IDC_AC_BLOCK_DELAY, lists.block_delay);
    SendDlgItemMessageW(hwnd(), IDC_AC_TONE_SPIN, UDM_SETRANGE32, kStartToneMin, kStartToneMax);
    using editor::CouplerCharacter;
    MakeCharacterBox(Item(IDC_AC_START), logic_.Character(CouplerCharacter::kStartOfText), texts_);
    MakeCharacterBox(Item(IDC_AC_END), logic_.Character(CouplerCharacter::kEndOfText), texts_);
    MakeCharacterBox(Item(IDC_AC_PADDING), logic_.Character(CouplerCharacter::kPadding), texts_);
    MakeCharacterBox(Item(IDC_AC_BLOCK_END), logic_.Character(CouplerCharacter::kBlockEnd), texts_);
    Show(view);
  }

  void OnCommand(int id, int code) override {
    if (code == CBN_SELCHANGE) {
      Select(id, SelectedItem(hwnd(), id));
    } else if (code == EN_CHANGE && id == IDC_AC_TONE) {
      const editor::EditRewrite rewrite = logic_.ChangeStartTone(ItemText(hwnd(), id));
      Writing writing(*this);
      Rewrite(hwnd(), id, rewrite);
    } else if (code == BN_CLICKED && !EndOnButton(hwnd(), id, logic_)) {
      Click(id);
    }
  }

 private:
  void Click(int id) {
    switch (id) {
      case IDC_AC_CONTROL_CHARS:
        return Show(logic_.ClickControlCharacters());
      case IDC_AC_BLOCK:
        return Show(logic_.ClickBlockTransmission());
      case IDC_AC_BLOCK_CHECK: {
        Writing writing(*this);
        SetCheck(hwnd(), id, logic_.ClickBlockCheck());
        return;
      }
    }
  }

  void Select(int id, int position) {
    switch (id) {
      case IDC_AC_DATA_BITS:
        return logic_.SelectDataBits(position);
      case IDC_AC_STOP_BITS:
        return logic_.SelectStopBits(position);
      case IDC_AC_PARITY:
        return logic_.SelectParity(position);
      case IDC_AC_VOLUME:
        return logic_.SelectVolume(position);
      case IDC_AC_BLOCK_SIZE:
        return logic_.SelectBlockSize(position);
      case IDC_AC_BLOCK_DELAY:
        return logic_.SelectBlockDelay(position);
    }
  }

  void Show(const editor::AcousticCouplerView& v) {
    Writing writing(*this);
    SelectItem(hwnd(), IDC_AC_DATA_BITS, v.data_bits);
    SelectItem(hwnd(), IDC_AC_STOP_BITS, v.stop_bits);
    SelectItem(hwnd(), IDC_AC_PARITY, v.parity);
    SelectItem(hwnd(), IDC_AC_VOLUME, v.volume);
    SetItemText(hwnd(), IDC_AC_TONE, v.start_tone);
    ShowTonePosition();
    SetCheck(hwnd(), IDC_AC_CONTROL_CHARS, v.control_characters);
    SetItemText(hwnd(), IDC_AC_START, v.start_of_text);
    SetItemText(hwnd(), IDC_AC_END, v.end_of_text);
    EnableItem(hwnd(), IDC_AC_START, v.control_boxes);
    EnableItem(hwnd(), IDC_AC_END, v.control_boxes);
    SetCheck(hwnd(), IDC_AC_BLOCK, v.block_transmission);
    SelectItem(hwnd(), IDC_AC_BLOCK_SIZE, v.block_size);
    SelectItem(hwnd(), IDC_AC_BLOCK_DELAY, v.block_delay);
    SetItemText(hwnd(), IDC_AC_PADDING, v.padding);
    SetItemText(hwnd(), IDC_AC_BLOCK_END, v.block_end);
    SetCheck(hwnd(), IDC_AC_BLOCK_CHECK, v.block_check);
    for (int id : {IDC_AC_BLOCK_SIZE, IDC_AC_BLOCK_DELAY, IDC_AC_PADDING, IDC_AC_BLOCK_END}) {
      EnableItem(hwnd(), id, v.block_controls);
    }
  }

  // The up-down control starts from the length shown (later it reads the box itself).
  void ShowTonePosition() {
    const int length = static_cast<int>(logic_.copy()[settings_offset::kStartToneLength]);
    SendDlgItemMessageW(hwnd(), IDC_AC_TONE_SPIN, UDM_SETPOS32, 0, length);
  }

  TextLoader& texts_;
  editor::AcousticCouplerDialog logic_;
};

}  // namespace

bool RunSecurityDialog(HWND owner, Bytes working_copy, TextLoader& texts) {
  SecurityWindow dialog(working_copy, texts);
  return RunModalDialog(owner, editor::kSecurityLabels.dialog, dialog) == IDOK;
}

bool RunFunctionKeyDialog(HWND owner, Bytes working_copy, TextLoader& texts) {
  FunctionKeyWindow dialog(working_copy, texts);
  return RunModalDialog(owner, editor::kFunctionKeyLabels.dialog, dialog) == IDOK;
}

bool RunAcousticCouplerDialog(HWND owner, Bytes working_copy, TextLoader& texts) {
  AcousticCouplerWindow dialog(working_copy, texts);
  return RunModalDialog(owner, editor::kAcousticCouplerLabels.dialog, dialog) == IDOK;
}

}  // namespace q700::win32
