// The Security, Function Key and Acoustic Coupler dialogs of the Settings page.
#include "editor/settings_logic.h"

#include <algorithm>

#include "editor/list_texts.h"
#include "editor/page_values.h"
#include "editor/pickers.h"

namespace q700::editor {
namespace {

using namespace settings_offset;

constexpr size_t kPasswordRead = 11;
constexpr size_t kPasswordMax = kPasswordChars;
// "Settings" protects the whole settings menu, so boxes 107 to 115 have nothing to add.
constexpr int kFirstSettingsItemBox = 6;
constexpr int kFunctionCount = kTerminalFunctionTexts.count;
constexpr uint8_t kStartToneMin = kStartToneRange.min;
constexpr uint8_t kStartToneMax = kStartToneRange.max;

bool IsPasswordCharacter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

Message PasswordMessage(int text_id) {
  Message message;
  message.caption_id = kCaptionWarning;
  message.text_id = text_id;
  message.icon = Icon::kWarning;
  return message;
}

}  // namespace

uint8_t& SecurityDialog::Flag(int box) {
  return box < kSecurityFlagCount ? copy_[kSecurityFlags + static_cast<size_t>(box)]
                                  : copy_[kBuzzerSecurity + static_cast<size_t>(box - 12)];
}

SecurityView SecurityDialog::Open() {
  copy_.Take();
  return View();
}

SecurityView SecurityDialog::View() {
  SecurityView view;
  view.password = SlotText(copy_.bytes().subspan(kPassword, kPasswordSize));
  const bool whole_menu = copy_[kSecurityFlags] != 0;
  for (int box = 0; box < kSecurityBoxes; ++box) {
    view.boxes[box] = CheckState{Flag(box) != 0, box < kFirstSettingsItemBox || !whole_menu};
  }
  return view;
}

SecurityView SecurityDialog::Click(int box) {
  if (InRange(box, kSecurityBoxes)) Flag(box) = Toggled(Flag(box));
  return View();
}

PasswordEntry SecurityDialog::ChangePassword(std::string_view text) {
  PasswordEntry entry;
  const Bytes password = copy_.bytes().subspan(kPassword, kPasswordSize);
  entry.rewrite = SettleEdit(text.substr(0, kPasswordRead), [&](std::string_view box) {
    EditRewrite rewrite;
    std::string value(box);
    if (value.size() > kPasswordMax) {
      value.resize(kPasswordMax);
      entry.messages.push_back(PasswordMessage(kTextPasswordTooLong));
      rewrite = value;
    } else if (!std::all_of(value.begin(), value.end(), IsPasswordCharacter)) {
      std::erase_if(value, [](char c) { return !IsPasswordCharacter(c); });
      entry.messages.push_back(PasswordMessage(kTextInvalidCharacter));
      rewrite = value;
    }
    SetSlotText(password, value);
    return rewrite;
  });
  return entry;
}

std::vector<std::string> FunctionTexts(TextLoader& texts) {
  return LoadTexts(texts, kTerminalFunctionTexts);
}

FunctionKeyView FunctionKeyDialog::Open() {
  copy_.Take();
  view_.enable = CheckState{copy_[kFunctionKeyMapping] != 0, true};
  for (int key = 0; key < kFunctionKeyCount; ++key) {
    const uint8_t function = copy_[kFunctionKeyMap + static_cast<size_t>(key)];
    view_.functions[key] = function < kFunctionCount ? function : 0;
  }
  view_.lists_enabled = view_.enable.checked;
  return view_;
}

FunctionKeyView FunctionKeyDialog::ClickEnable() {
  view_.enable.checked = !view_.enable.checked;
  view_.lists_enabled = view_.enable.checked;
  return view_;
}

void FunctionKeyDialog::SelectFunction(int key, int function) {
  if (InRange(key, kFunctionKeyCount) && InRange(function, kFunctionCount)) {
    view_.functions[key] = function;
  }
}

void FunctionKeyDialog::Ok() {
  copy_[kFunctionKeyMapping] = view_.enable.checked ? 1 : 0;
  for (int key = 0; key < kFunctionKeyCount; ++key) {
    copy_[kFunctionKeyMap + static_cast<size_t>(key)] = static_cast<uint8_t>(view_.functions[key]);
  }
  copy_.PutBack();
}

AcousticCouplerLists LoadAcousticCouplerLists(TextLoader& texts) {
  return {FixedTexts(kDataBitsTexts),     FixedTexts(kStopBitsTexts),
          LoadTexts(texts, kParityTexts), FixedTexts(kVolumeTexts),
          FixedTexts(kBlockSizeTexts),    LoadTexts(texts, kBlockDelayTexts)};
}

AcousticCouplerView AcousticCouplerDialog::Open() {
  copy_.Take();
  copy_[kStartToneLength] = std::clamp(copy_[kStartToneLength], kStartToneMin, kStartToneMax);
  // Block transmission sends the control characters; keep the byte saying so.
  if (copy_[kBlockTransmission] != 0) copy_[kControlChars] = 1;
  return View();
}

AcousticCouplerView AcousticCouplerDialog::View() {
  const bool block = copy_[kBlockTransmission] != 0;
  AcousticCouplerView view;
  view.data_bits = copy_[kDataBits];
  view.stop_bits = copy_[kStopBits];
  view.parity = copy_[kParity];
  view.volume = copy_[kVolume];
  view.start_tone = NumberText(copy_[kStartToneLength]);
  view.control_characters = CheckState{copy_[kControlChars] != 0 || block, !block};
  view.start_of_text = CharacterName(copy_[kStartOfText]);
  view.end_of_text = CharacterName(copy_[kEndOfText]);
  view.control_boxes = copy_[kControlChars] != 0;
  view.block_transmission = CheckState{block, true};
  view.block_size = copy_[kBlockSize];
  view.block_delay = copy_[kBlockDelay];
  view.padding = CharacterName(copy_[kPaddingChar]);
  view.block_end = CharacterName(copy_[kBlockEndChar]);
  view.block_check = CheckState{copy_[kBlockCheck] != 0, block};
  view.block_controls = block;
  return view;
}

AcousticCouplerView AcousticCouplerDialog::ClickControlCharacters() {
  copy_[kControlChars] = Toggled(copy_[kControlChars]);
  return View();
}

AcousticCouplerView AcousticCouplerDialog::ClickBlockTransmission() {
  copy_[kBlockTransmission] = Toggled(copy_[kBlockTransmission]);
  if (copy_[kControlChars] == 0) copy_[kControlChars] = 1;
  return View();
}

CheckState AcousticCouplerDialog::ClickBlockCheck() {
  copy_[kBlockCheck] = Toggled(copy_[kBlockCheck]);
  return CheckState{copy_[kBlockCheck] != 0, copy_[kBlockTransmission] != 0};
}

EditRewrite AcousticCouplerDialog::ChangeStartTone(std::string_view text) {
  return SettleEdit(text, [this](std::string_view box) -> EditRewrite {
    const std::optional<unsigned> number = ParseUnsigned(box);
    if (number && *number >= kStartToneMin && *number <= kStartToneMax) {
      copy_[kStartToneLength] = static_cast<uint8_t>(*number);
      return std::nullopt;
    }
    return NumberText(copy_[kStartToneLength]);
  });
}

void AcousticCouplerDialog::SetChoice(size_t offset, int choice, int count) {
  if (InRange(choice, count)) copy_[offset] = static_cast<uint8_t>(choice);
}

void AcousticCouplerDialog::SelectDataBits(int choice) {
  SetChoice(kDataBits, choice, kDataBitsTexts.size());
}
void AcousticCouplerDialog::SelectStopBits(int choice) {
  SetChoice(kStopBits, choice, kStopBitsTexts.size());
}
void AcousticCouplerDialog::SelectParity(int choice) {
  SetChoice(kParity, choice, kParityTexts.count);
}
void AcousticCouplerDialog::SelectVolume(int choice) {
  SetChoice(kVolume, choice, kVolumeTexts.size());
}
void AcousticCouplerDialog::SelectBlockSize(int choice) {
  SetChoice(kBlockSize, choice, kBlockSizeTexts.size());
}
void AcousticCouplerDialog::SelectBlockDelay(int choice) {
  SetChoice(kBlockDelay, choice, kBlockDelayTexts.count);
}

uint8_t& AcousticCouplerDialog::Character(CouplerCharacter box) {
  switch (box) {
    case CouplerCharacter::kStartOfText:
      return copy_[kStartOfText];
    case CouplerCharacter::kEndOfText:
      return copy_[kEndOfText];
    case CouplerCharacter::kPadding:
      return copy_[kPaddingChar];
    case CouplerCharacter::kBlockEnd:
      break;
  }
  return copy_[kBlockEndChar];
}

}  // namespace q700::editor
