// The Preferences dialog (PreferencesDlg): its controls bound to the dialog's rules in
// app/preferences_logic.h.
#include "app/preferences_logic.h"
#include "app/win32/dialogs.h"
#include "base/clock.h"
#include "resources/resource.h"
#include "ui/win32/controls.h"
#include "ui/win32/dialog_handler.h"
#include "ui/win32/message_box.h"
#include "ui/win32/relabel.h"

namespace q700::win32 {
namespace {

constexpr ControlLabel kLabels[] = {
    {IDC_PREF_DOWNLOAD_LABEL, kLanguageDownloadViaLabel},
    {IDC_PREF_RECEIVE_LABEL, kLanguageReceiveViaLabel},
    {IDC_PREF_PORT_LABEL, kLanguagePortLabel},
    {IDC_PREF_BAUD_LABEL, kLanguageBaudRateLabel},
    {IDC_PREF_AUTO_PRELOAD, kLanguageAutoPreloadLabel},
    {IDC_PREF_ON_TOP, kLanguageOnTopLabel},
    {IDC_PREF_LANGUAGE_LABEL, kLanguageLanguageLabel},
    {IDC_PREF_DETECT, kLanguageDetectLabel},
};

struct ListControl {
  int id;
  PreferenceList list;
};
constexpr ListControl kLists[] = {
    {IDC_PREF_DOWNLOAD, PreferenceList::kDownloadVia},
    {IDC_PREF_RECEIVE, PreferenceList::kReceiveVia},
    {IDC_PREF_PORT, PreferenceList::kPort},
    {IDC_PREF_BAUD, PreferenceList::kBaudRate},
    {IDC_PREF_LANGUAGE, PreferenceList::kLanguage},
};

struct CheckControl {
  int id;
  PreferenceCheck check;
};
constexpr CheckControl kChecks[] = {
    {IDC_PREF_AUTO_PRELOAD, PreferenceCheck::kAutoPreload},
    {IDC_PREF_ON_TOP, PreferenceCheck::kAlwaysOnTop},
};

class PreferencesWindow : public DialogHandler {
 public:
  explicit PreferencesWindow(App& app) : app_(app), logic_(app, *app.ports, SystemClock()) {}

 protected:
  void OnInit() override {
    RelabelDialog(hwnd(), app_.texts, kLanguagePreferencesTitle, kLabels);
    const std::optional<Message> no_ports = logic_.Open();
    {
      Writing writing(*this);
      for (const ListControl& control : kLists) {
        FillList(hwnd(), control.id, logic_.Entries(control.list));
        SelectItem(hwnd(), control.id, logic_.Selected(control.list));
      }
      for (const CheckControl& control : kChecks) {
        SetChecked(hwnd(), control.id, logic_.Checked(control.check));
      }
      EnableItem(hwnd(), IDC_PREF_LANGUAGE_LABEL, logic_.LanguagesFound());
      EnableItem(hwnd(), IDC_PREF_LANGUAGE, logic_.LanguagesFound());
    }
    if (no_ports) ShowMessageBox(hwnd(), app_.texts, *no_ports);
  }

  void OnClick(int id) override {
    for (const CheckControl& control : kChecks) {
      if (id == control.id) {
        logic_.Toggle(control.check);
        SetChecked(hwnd(), id, logic_.Checked(control.check));
        return;
      }
    }
    if (id == IDC_PREF_DETECT) {
      DetectCradle();
    } else {
      EndOnButton(hwnd(), id, logic_);
    }
  }

  void OnSelect(int id, int position) override {
    for (const ListControl& control : kLists) {
      if (id == control.id) logic_.Select(control.list, position);
    }
  }

 private:
  void DetectCradle() {
    const HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const Message result = logic_.DetectCradle();
    ShowMessageBox(hwnd(), app_.texts, result);
    {
      Writing writing(*this);
      SelectItem(hwnd(), IDC_PREF_PORT, logic_.Selected(PreferenceList::kPort));
    }
    SetCursor(old);
  }

  App& app_;
  PreferencesLogic logic_;
};

}  // namespace

DialogEnd RunPreferencesDialog(HWND owner, App& app) {
  PreferencesWindow window(app);
  return RunModalDialog(owner, L"PreferencesDlg", window) == IDOK ? DialogEnd::kOk
                                                                  : DialogEnd::kCancel;
}

}  // namespace q700::win32
