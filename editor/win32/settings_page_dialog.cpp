// The Settings page of the editor sheet: forwards the page's controls to the Settings page logic,
// asks the port warnings and opens the three detail dialogs over the page's working copy.
#include <memory>

#include "editor/page_labels.h"
#include "editor/settings_page.h"
#include "editor/win32/editor_controls.h"
#include "editor/win32/settings_detail_dialogs.h"
#include "editor/win32/sheet_page.h"
#include "model/settings_block.h"
#include "resources/dialogs/settings_ids.h"
#include "ui/win32/message_box.h"

namespace q700::win32 {
namespace {

using editor::SettingsPage;
using editor::SettingsView;

constexpr int kPhoneDigits = 20;

class SettingsPageDialog : public SheetPage {
 public:
  explicit SettingsPageDialog(EditorSheetContext& context)
      : context_(context), page_(context.session, context.design) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    RelabelFromTable(hwnd(), context_.texts, editor::kSettingsPageLabels);
    const editor::SettingsPageLists lists = page_.Lists();
    FillList(hwnd(), IDC_SETTINGS_UPLOAD, lists.upload_ports);
    FillList(hwnd(), IDC_SETTINGS_DOWNLOAD, lists.download_ports);
    FillList(hwnd(), IDC_SETTINGS_MODEM_SPEED, lists.speeds);
    FillList(hwnd(), IDC_SETTINGS_BAUD_RATE, lists.speeds);
    FillList(hwnd(), IDC_SETTINGS_BACKLIGHT, lists.backlight);
    FillList(hwnd(), IDC_SETTINGS_DELETION, lists.data_deletion);
    FillList(hwnd(), IDC_SETTINGS_PROMPT, lists.entry_prompt);
    FillList(hwnd(), IDC_SETTINGS_KEY_CLICK, lists.key_click);
    FillList(hwnd(), IDC_SETTINGS_GOOD_READ, lists.beeps);
    FillList(hwnd(), IDC_SETTINGS_WARNING, lists.beeps);
    for (int id : {IDC_SETTINGS_UPLOAD_PHONE, IDC_SETTINGS_DOWNLOAD_PHONE}) {
      SendDlgItemMessageW(hwnd(), id, EM_LIMITTEXT, kPhoneDigits, 0);
    }
    Show(page_.Open());
  }

  bool Apply() override {
    page_.Apply();
    return true;
  }

  void Cancel() override { page_.Cancel(); }

 private:
  void OnClick(int id) override {
    switch (id) {
      case IDC_SETTINGS_STAY:
        return ShowPrompt(page_.ChooseStayOnLcd());
      case IDC_SETTINGS_PRESS_KEY:
        return ShowPrompt(page_.ChoosePressAnyKey());
      case IDC_SETTINGS_SECURITY:
        RunSecurityDialog(hwnd(), page_.working_copy(), context_.texts);
        return;
      case IDC_SETTINGS_COUPLER:
        RunAcousticCouplerDialog(hwnd(), page_.working_copy(), context_.texts);
        return;
      case IDC_SETTINGS_FUNCTION_KEYS:
        RunFunctionKeyDialog(hwnd(), page_.working_copy(), context_.texts);
        return;
      case IDC_SETTINGS_RESET:
        return Show(page_.Reset());
    }
  }

  void OnSelect(int id, int position) override {
    MessageBoxSink warnings(context_.texts, sheet());
    switch (id) {
      case IDC_SETTINGS_UPLOAD:
        return ShowPorts(page_.SelectUploadPort(position, warnings));
      case IDC_SETTINGS_DOWNLOAD:
        return ShowPorts(page_.SelectDownloadPort(position, warnings));
      case IDC_SETTINGS_MODEM_SPEED:
        return page_.SelectModemSpeed(position);
      case IDC_SETTINGS_BAUD_RATE:
        return page_.SelectBaudRate(position);
      case IDC_SETTINGS_BACKLIGHT:
        return page_.SelectBacklight(position);
      case IDC_SETTINGS_DELETION:
        return page_.SelectDataDeletion(position);
      case IDC_SETTINGS_PROMPT:
        return ShowPrompt(page_.SelectEntryPrompt(position));
      case IDC_SETTINGS_KEY_CLICK:
        return page_.SelectKeyClick(position);
      case IDC_SETTINGS_GOOD_READ:
        return page_.SelectGoodReadBeep(position);
      case IDC_SETTINGS_WARNING:
        return page_.SelectWarningBeep(position);
    }
  }

  void OnEdit(int id, const std::string& text) override {
    editor::EditRewrite rewrite;
    switch (id) {
      case IDC_SETTINGS_UPLOAD_PHONE:
        return page_.ChangeUploadPhone(text);
      case IDC_SETTINGS_DOWNLOAD_PHONE:
        return page_.ChangeDownloadPhone(text);
      case IDC_SETTINGS_TIMEOUT:
        rewrite = page_.ChangeTimeout(text);
        break;
      case IDC_SETTINGS_DURATION:
        rewrite = page_.ChangeDuration(text);
        break;
      default:
        return;
    }
    Writing writing(*this);
    Rewrite(hwnd(), id, rewrite);
  }

  void Show(const SettingsView& view) {
    Writing writing(*this);
    ShowPorts(view.ports);
    SetItemText(hwnd(), IDC_SETTINGS_UPLOAD_PHONE, view.upload_phone);
    SetItemText(hwnd(), IDC_SETTINGS_DOWNLOAD_PHONE, view.download_phone);
    EnableItem(hwnd(), IDC_SETTINGS_UPLOAD_ICON, view.upload_phone_icon);
    EnableItem(hwnd(), IDC_SETTINGS_DOWNLOAD_ICON, view.download_phone_icon);
    SelectItem(hwnd(), IDC_SETTINGS_MODEM_SPEED, view.modem_speed);
    SelectItem(hwnd(), IDC_SETTINGS_BAUD_RATE, view.baud_rate);
    SelectItem(hwnd(), IDC_SETTINGS_BACKLIGHT, view.backlight);
    SetItemText(hwnd(), IDC_SETTINGS_TIMEOUT, view.timeout);
    SelectItem(hwnd(), IDC_SETTINGS_DELETION, view.data_deletion);
    SelectItem(hwnd(), IDC_SETTINGS_PROMPT, view.entry_prompt);
    ShowPrompt(view.prompt);
    SelectItem(hwnd(), IDC_SETTINGS_KEY_CLICK, view.key_click);
    SelectItem(hwnd(), IDC_SETTINGS_GOOD_READ, view.good_read_beep);
    SelectItem(hwnd(), IDC_SETTINGS_WARNING, view.warning_beep);
  }

  void ShowPorts(const editor::PortView& ports) {
    Writing writing(*this);
    SelectItem(hwnd(), IDC_SETTINGS_UPLOAD, ports.upload_port);
    SelectItem(hwnd(), IDC_SETTINGS_DOWNLOAD, ports.download_port);
    EnableItem(hwnd(), IDC_SETTINGS_UPLOAD_PHONE, ports.upload_phone_enabled);
    EnableItem(hwnd(), IDC_SETTINGS_DOWNLOAD_PHONE, ports.download_phone_enabled);
    EnableItem(hwnd(), IDC_SETTINGS_MODEM_SPEED, ports.modem_speed_enabled);
    EnableItem(hwnd(), IDC_SETTINGS_BAUD_RATE, ports.baud_rate_enabled);
  }

  void ShowPrompt(const editor::PromptView& prompt) {
    Writing writing(*this);
    SetCheck(hwnd(), IDC_SETTINGS_STAY, prompt.stay_on_lcd);
    SetCheck(hwnd(), IDC_SETTINGS_PRESS_KEY, prompt.press_any_key);
    SetItemText(hwnd(), IDC_SETTINGS_DURATION, prompt.duration);
    EnableItem(hwnd(), IDC_SETTINGS_DURATION, prompt.duration_enabled);
  }

  EditorSheetContext& context_;
  SettingsPage page_;
};

}  // namespace

std::unique_ptr<SheetPage> CreateSettingsPage(EditorSheetContext& context) {
  return std::make_unique<SettingsPageDialog>(context);
}

}  // namespace q700::win32
