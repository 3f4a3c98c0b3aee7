// The Settings page of the editor sheet: a working copy of the settings block for the terminal's
// system settings (ports, speeds, backlight, data deletion, entry prompt, buzzer), which its
// three detail dialogs edit too. A change of port rewrites the port menu texts of the terminal at
// once, in the design, in the Startup page's working texts and in the default texts; the rest
// reaches the design only when the sheet applies.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "editor/edit_text.h"
#include "editor/editor_session.h"
#include "editor/form_detail.h"
#include "model/design.h"

namespace q700::editor {

struct SettingsPageLists {
  std::vector<std::string> upload_ports;    // 401
  std::vector<std::string> download_ports;  // 402
  std::vector<std::string> speeds;          // 403 and 404
  std::vector<std::string> backlight;       // 405
  std::vector<std::string> data_deletion;   // 406
  std::vector<std::string> entry_prompt;    // 407
  std::vector<std::string> key_click;       // 408: "Mute", "Tone 1" .. "Tone 5"
  std::vector<std::string> beeps;           // 409 and 410
};

// The port lists and the controls that follow them.
struct PortView {
  int upload_port = 0;                  // 401
  int download_port = 0;                // 402
  bool upload_phone_enabled = false;    // 301
  bool download_phone_enabled = false;  // 302
  bool modem_speed_enabled = false;     // 403
  bool baud_rate_enabled = true;        // 404
};

// The entry prompt's radio buttons and duration box.
struct PromptView {
  CheckState stay_on_lcd;    // 151
  CheckState press_any_key;  // 152
  std::string duration;      // 304
  bool duration_enabled = false;
};

struct SettingsView {
  PortView ports;
  std::string upload_phone;          // 301
  std::string download_phone;        // 302
  bool upload_phone_icon = false;    // 903, follows the port only when filled or reset
  bool download_phone_icon = false;  // 905
  int modem_speed = 0;               // 403
  int baud_rate = 0;                 // 404
  int backlight = 0;                 // 405
  std::string timeout;               // 303
  int data_deletion = 0;             // 406
  int entry_prompt = 0;              // 407
  PromptView prompt;
  int key_click = 0;       // 408
  int good_read_beep = 0;  // 409
  int warning_beep = 0;    // 410
};

class SettingsPage {
 public:
  // The page writes port lines into `design` at once, so it keeps it.
  SettingsPage(EditorSession& session, Design& design) : session_(session), design_(design) {}

  SettingsPageLists Lists() const;

  // The page is first shown: copy the settings block, derive the port text flags.
  SettingsView Open();
  SettingsView View();

  // Port lists: choosing the acoustic coupler or Bluetooth SPP asks through `sink` (OK/Cancel);
  // Cancel keeps the port shown before.
  PortView SelectUploadPort(int port, MessageSink& sink);
  PortView SelectDownloadPort(int port, MessageSink& sink);
  void ChangeUploadPhone(std::string_view text);
  void ChangeDownloadPhone(std::string_view text);
  void SelectModemSpeed(int speed);
  void SelectBaudRate(int rate);
  void SelectBacklight(int mode);
  // Digits only: a second digit replaces the first; nothing or 0 gives 1.
  EditRewrite ChangeTimeout(std::string_view text);
  void SelectDataDeletion(int mode);
  PromptView SelectEntryPrompt(int mode);
  PromptView ChooseStayOnLcd();    // 151
  PromptView ChoosePressAnyKey();  // 152
  // Digits only: at most two digits, no leading zero.
  EditRewrite ChangeDuration(std::string_view text);
  void SelectKeyClick(int choice);
  void SelectGoodReadBeep(int choice);
  void SelectWarningBeep(int choice);
  // The New values of bytes 5 to 67 and 115 to 149; port flags and texts stay.
  SettingsView Reset();

  // The sheet closes with OK: bytes 5-67, 69-83 and 115-149 and the port text flags.
  void Apply();
  void Cancel() { opened_ = false; }

  bool opened() const { return opened_; }
  // The working copy that the Security, Function Key and Acoustic Coupler dialogs edit.
  Bytes working_copy() { return working_; }

 private:
  PortView Ports();
  PromptView Prompt();
  void SetByte(size_t offset, int value, int count);

  EditorSession& session_;
  Design& design_;
  std::array<uint8_t, kSettingsBlockSize> working_{};
  bool stay_on_lcd_ = true;  // radio 151 chosen, else 152
  bool opened_ = false;
};

// The warnings asked before a port that only some terminals have.
Message AcousticCouplerWarning();
Message BluetoothWarning();

}  // namespace q700::editor
