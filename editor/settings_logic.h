// The detail dialogs of the Settings page: security (password and protected functions), function
// keys and acoustic coupler. Each edits its own copy of the page's working copy of the settings
// block; OK puts the copy back over the working copy, Cancel drops it.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "editor/edit_text.h"
#include "editor/form_detail.h"
#include "model/layout.h"
#include "model/settings_block.h"
#include "texts/text_loader.h"

namespace q700::editor {

// A dialog's copy of the Settings page's working copy.
class SettingsCopy {
 public:
  explicit SettingsCopy(Bytes working_copy) : working_(working_copy.first(kSettingsBlockSize)) {}

  void Take() { std::copy(working_.begin(), working_.end(), bytes_.begin()); }
  void PutBack() { std::copy(bytes_.begin(), bytes_.end(), working_.begin()); }
  uint8_t& operator[](size_t offset) { return bytes_[offset]; }
  Bytes bytes() { return bytes_; }

 private:
  Bytes working_;
  std::array<uint8_t, kSettingsBlockSize> bytes_{};
};

inline constexpr int kSecurityBoxes = settings_offset::kSecurityFlagCount + 3;

struct SecurityView {
  std::string password;                          // 301
  std::array<CheckState, kSecurityBoxes> boxes;  // 101-112, then 113-115
};

// What the password box must show after a change, and the messages to show first, in order.
struct PasswordEntry {
  EditRewrite rewrite;
  std::vector<Message> messages;
};

class SecurityDialog {
 public:
  explicit SecurityDialog(Bytes working_copy) : copy_(working_copy) {}

  SecurityView Open();
  SecurityView View();
  // Box 0 to 14 for 101 to 115.
  SecurityView Click(int box);
  // At most 10 digits and ASCII letters.
  PasswordEntry ChangePassword(std::string_view text);

  void Ok() { copy_.PutBack(); }
  void Cancel() {}

  Bytes copy() { return copy_.bytes(); }

 private:
  uint8_t& Flag(int box);

  SettingsCopy copy_;
};

// The 20 functions of the function-key map, "Nil" to "Calculator".
std::vector<std::string> FunctionTexts(TextLoader& texts);

struct FunctionKeyView {
  CheckState enable;                                                // 101
  std::array<int, settings_offset::kFunctionKeyCount> functions{};  // 401-407
  bool lists_enabled = false;
};

class FunctionKeyDialog {
 public:
  explicit FunctionKeyDialog(Bytes working_copy) : copy_(working_copy) {}

  FunctionKeyView Open();
  FunctionKeyView View() const { return view_; }
  // The mapping flag itself changes only on OK.
  FunctionKeyView ClickEnable();
  // Key 0 to 6 for FN+1 to FN+7.
  void SelectFunction(int key, int function);

  void Ok();
  void Cancel() {}

  Bytes copy() { return copy_.bytes(); }

 private:
  SettingsCopy copy_;
  FunctionKeyView view_;
};

struct AcousticCouplerLists {
  std::vector<std::string> data_bits;    // 401
  std::vector<std::string> stop_bits;    // 402
  std::vector<std::string> parity;       // 403
  std::vector<std::string> volume;       // 406
  std::vector<std::string> block_size;   // 404
  std::vector<std::string> block_delay;  // 405
};
AcousticCouplerLists LoadAcousticCouplerLists(TextLoader& texts);

// The four picker boxes of the dialog.
enum class CouplerCharacter { kStartOfText, kEndOfText, kPadding, kBlockEnd };

struct AcousticCouplerView {
  int data_bits = 0;
  int stop_bits = 0;
  int parity = 0;
  int volume = 0;
  std::string start_tone;         // 301
  CheckState control_characters;  // 101
  std::string start_of_text;      // 302, character names
  std::string end_of_text;        // 303
  bool control_boxes = false;     // 302 and 303
  CheckState block_transmission;  // 102
  int block_size = 0;             // 404
  int block_delay = 0;            // 405
  std::string padding;            // 304
  std::string block_end;          // 305
  CheckState block_check;         // 103
  bool block_controls = false;    // 404, 405, 304, 305
};

class AcousticCouplerDialog {
 public:
  explicit AcousticCouplerDialog(Bytes working_copy) : copy_(working_copy) {}

  // A start tone length outside 1 to 5 is brought into it.
  AcousticCouplerView Open();
  AcousticCouplerView View();
  AcousticCouplerView ClickControlCharacters();
  // Block transmission always sends the control characters.
  AcousticCouplerView ClickBlockTransmission();
  CheckState ClickBlockCheck();
  // A number from 1 to 5; anything else puts the current length back.
  EditRewrite ChangeStartTone(std::string_view text);
  void SelectDataBits(int choice);
  void SelectStopBits(int choice);
  void SelectParity(int choice);
  void SelectVolume(int choice);
  void SelectBlockSize(int choice);
  void SelectBlockDelay(int choice);
  // The byte a picker box stands for, for the character picker to write.
  uint8_t& Character(CouplerCharacter box);

  void Ok() { copy_.PutBack(); }
  void Cancel() {}

  Bytes copy() { return copy_.bytes(); }

 private:
  void SetChoice(size_t offset, int choice, int count);

  SettingsCopy copy_;
};

}  // namespace q700::editor
