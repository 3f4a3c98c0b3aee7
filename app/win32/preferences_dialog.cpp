// The Preferences dialog (PreferencesDlg): connection types, port, speed, start-up choices and
// language, edited in working values that OK stores and writes.
#include <string>
#include <vector>

#include "app/win32/dialogs.h"
#include "base/clock.h"
#include "resources/resource.h"
#include "ui/win32/message_box.h"
#include "ui/win32/relabel.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {

// The cradle detection of the link: the position of the port with a cradle and its name, or -1.
int DetectCradlePort(App& app, std::string* port_name);

namespace {

constexpr ControlLabel kLabels[] = {
    {IDC_PREF_DOWNLOAD_LABEL, 12}, {IDC_PREF_RECEIVE_LABEL, 13}, {IDC_PREF_PORT_LABEL, 14},
    {IDC_PREF_BAUD_LABEL, 15},     {IDC_PREF_AUTO_PRELOAD, 16},  {IDC_PREF_ON_TOP, 17},
    {IDC_PREF_LANGUAGE_LABEL, 18}, {IDC_PREF_DETECT, 19},
};
constexpr int kTitleId = 11;
constexpr char kDefaultLanguage[] = "Default <English>";

struct DialogState {
  App& app;
  Preferences working;
  std::vector<std::string> port_rows;
};

void AddRow(HWND list, const std::wstring& text) {
  SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Select(HWND dialog, int id, int row) {
  SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

int Selected(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

std::wstring RowText(HWND dialog, int id, int row) {
  HWND list = GetDlgItem(dialog, id);
  const LRESULT n = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(row), 0);
  if (n == CB_ERR) return {};
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(n));
  return text;
}

void FillPorts(HWND dialog, DialogState& state) {
  App& app = state.app;
  const int count = EnumeratePorts(*app.ports, state.working, &state.port_rows);
  HWND list = GetDlgItem(dialog, IDC_PREF_PORT);
  for (const std::string& row : state.port_rows) AddRow(list, FromAnsi(row));
  if (count > 0) {
    state.working.port_index = DialogPortIndex(state.working.port_index, count);
    Select(dialog, IDC_PREF_PORT,
           FindPortLabelPosition(*app.ports, state.working.port_index, state.port_rows));
  } else {
    Message none;
    none.caption_id = 1121;
    none.text_id = 1049;
    none.icon = Icon::kWarning;
    ShowMessageBox(dialog, app.texts, none);
  }
}

void FillChoices(HWND dialog, DialogState& state) {
  TextLoader& texts = state.app.texts;
  for (int id : {IDC_PREF_DOWNLOAD, IDC_PREF_RECEIVE}) {
    for (int text_id : kViaTextIds) {
      AddRow(GetDlgItem(dialog, id), FromAnsi(texts.Load(text_id, Slot::kItem)));
    }
  }
  Select(dialog, IDC_PREF_DOWNLOAD, state.working.download_via);
  Select(dialog, IDC_PREF_RECEIVE, state.working.receive_via);
  for (int text_id : kBaudTextIds) {
    AddRow(GetDlgItem(dialog, IDC_PREF_BAUD), FromAnsi(texts.Load(text_id, Slot::kItem)));
  }
  Select(dialog, IDC_PREF_BAUD, state.working.baud_rate);
  CheckDlgButton(dialog, IDC_PREF_AUTO_PRELOAD, state.working.auto_preload != 0);
  CheckDlgButton(dialog, IDC_PREF_ON_TOP, state.working.always_on_top != 0);
}

void FillLanguages(HWND dialog, DialogState& state) {
  App& app = state.app;
  HWND list = GetDlgItem(dialog, IDC_PREF_LANGUAGE);
  AddRow(list, FromUtf8(kDefaultLanguage));
  int selected = 0;
  const int count = app.language_count > 0 ? app.language_count : 0;
  for (int i = 0; i < count && static_cast<size_t>(i) < app.languages.files.size(); ++i) {
    const std::string& name = app.languages.files[static_cast<size_t>(i)].name;
    AddRow(list, FromAnsi(name));
    if (selected == 0 && name == state.working.language) selected = i + 1;
  }
  Select(dialog, IDC_PREF_LANGUAGE, selected);
  if (count == 0) {
    EnableWindow(GetDlgItem(dialog, IDC_PREF_LANGUAGE_LABEL), FALSE);
    EnableWindow(list, FALSE);
  }
}

void Initialise(HWND dialog, DialogState& state) {
  App& app = state.app;
  RelabelDialog(dialog, app.texts, kTitleId, kLabels);
  // The file may have changed since start-up; when it cannot be read, the values in force stand.
  state.working = app.prefs;
  Preferences from_file = app.prefs;
  if (ReadPreferences(from_file, app.prefs_path)) state.working = from_file;
  FillPorts(dialog, state);
  FillChoices(dialog, state);
  FillLanguages(dialog, state);
}

void Toggle(HWND dialog, int id, uint8_t& value) {
  value = value != 0 ? 0 : 1;
  CheckDlgButton(dialog, id, value != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void DetectCradle(HWND dialog, DialogState& state) {
  App& app = state.app;
  const HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  std::string port_name;
  const int position = DetectCradlePort(app, &port_name);
  Message result;
  result.caption_id = 1328;
  if (position < 0) {
    result.text_id = 1327;
    result.icon = Icon::kWarning;
  } else {
    result.text_id = 1326;
    result.detail = port_name;
    result.icon = Icon::kInformation;
  }
  ShowMessageBox(dialog, app.texts, result);
  if (position >= 0) {
    Select(dialog, IDC_PREF_PORT, FindPortLabelPosition(*app.ports, position, state.port_rows));
    state.working.port_index = position;
  }
  SetCursor(old);
}

void Accept(HWND dialog, DialogState& state) {
  App& app = state.app;
  const int language = Selected(dialog, IDC_PREF_LANGUAGE);
  state.working.language =
      language > 0 ? ToAnsi(RowText(dialog, IDC_PREF_LANGUAGE, language)) : kBuiltInLanguage;
  app.prefs = state.working;
  WritePreferences(app.prefs, app.prefs_path);
  EndDialog(dialog, IDOK);
}

void OnCommand(HWND dialog, DialogState& state, int id, int code) {
  switch (id) {
    case IDC_PREF_AUTO_PRELOAD:
      if (code == BN_CLICKED) Toggle(dialog, id, state.working.auto_preload);
      return;
    case IDC_PREF_ON_TOP:
      if (code == BN_CLICKED) Toggle(dialog, id, state.working.always_on_top);
      return;
    case IDC_PREF_DETECT:
      if (code == BN_CLICKED) DetectCradle(dialog, state);
      return;
    case IDOK:
      Accept(dialog, state);
      return;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      return;
  }
  if (code != CBN_SELCHANGE) return;
  const int row = Selected(dialog, id);
  if (row < 0) return;
  switch (id) {
    case IDC_PREF_DOWNLOAD:
      state.working.download_via = static_cast<uint8_t>(row);
      break;
    case IDC_PREF_RECEIVE:
      state.working.receive_via = static_cast<uint8_t>(row);
      break;
    case IDC_PREF_BAUD:
      state.working.baud_rate = static_cast<uint8_t>(row);
      break;
    case IDC_PREF_PORT:
      state.working.port_index =
          FindPortIndex(*state.app.ports, ToAnsi(RowText(dialog, IDC_PREF_PORT, row)));
      break;
  }
}

INT_PTR CALLBACK PreferencesProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      Initialise(dialog, *reinterpret_cast<DialogState*>(lparam));
      return TRUE;
    case WM_COMMAND:
      if (state != nullptr) OnCommand(dialog, *state, LOWORD(wparam), HIWORD(wparam));
      return TRUE;
  }
  return FALSE;
}

}  // namespace

bool RunPreferencesDialog(HWND owner, App& app) {
  DialogState state{app, app.prefs, {}};
  return DialogBoxParamW(app.instance, L"PreferencesDlg", owner, PreferencesProc,
                         reinterpret_cast<LPARAM>(&state)) == IDOK;
}

}  // namespace q700::win32
