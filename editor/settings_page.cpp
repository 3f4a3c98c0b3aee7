// The Settings page: working copy of the settings block, port warnings and port texts, the
// time-out and duration boxes, Reset and the commit of the bytes the page owns.
#include "editor/settings_page.h"

#include <algorithm>
#include <memory>

#include "editor/list_texts.h"
#include "editor/page_values.h"
#include "model/defaults.h"
#include "model/settings_block.h"

namespace q700::editor {
namespace {

using namespace settings_offset;

constexpr int kUploadPorts = kUploadPortTexts.count;
constexpr int kDownloadPorts = kDownloadPortTexts.count + 1;  // and "Bluetooth SPP"
constexpr int kSpeeds = kSpeedTexts.count;
constexpr int kKeyClicks = 1 + kKeyClickTones.max - kKeyClickTones.min + 1;  // "Mute" and tones
constexpr int kBeeps = 1 + kBeepTexts.count;                                 // "Mute" and beeps
constexpr size_t kPhoneDigits = kPhoneNumberChars;
constexpr unsigned kDurationMax = kPromptDurationRange.max;
constexpr unsigned kTimeoutMin = kBacklightTimeoutRange.min;
constexpr unsigned kTimeoutMax = kBacklightTimeoutRange.max;
constexpr uint8_t kDefaultDuration = 6;

// Byte ranges, first and last included.
struct ByteRange {
  size_t first;
  size_t last;
};
constexpr ByteRange kResetRanges[] = {{5, 67}, {115, 149}};
constexpr ByteRange kAppliedRanges[] = {{5, 67}, {69, 83}, {115, 149}};

void CopyRange(ConstBytes from, Bytes to, ByteRange range) {
  std::copy(from.begin() + static_cast<std::ptrdiff_t>(range.first),
            from.begin() + static_cast<std::ptrdiff_t>(range.last + 1),
            to.begin() + static_cast<std::ptrdiff_t>(range.first));
}

// The first non-blank character of a box, or NUL.
char FirstCharacter(std::string_view box) {
  const size_t first = box.find_first_not_of(' ');
  return first == std::string_view::npos ? '\0' : box[first];
}

std::string_view Trimmed(std::string_view box) {
  const size_t first = box.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return box.substr(first, box.find_last_not_of(' ') - first + 1);
}

Message PortWarning(int text_id) {
  Message message;
  message.caption_id = kCaptionWarning;
  message.text_id = text_id;
  message.icon = Icon::kWarning;
  message.buttons = Buttons::kOkCancel;
  return message;
}

}  // namespace

Message AcousticCouplerWarning() { return PortWarning(kTextAcousticCouplerQ735); }
Message BluetoothWarning() { return PortWarning(kTextBluetoothQ785); }

SettingsPageLists SettingsPage::Lists() const {
  TextLoader& texts = session_.texts;
  SettingsPageLists lists;
  lists.upload_ports = LoadTexts(texts, kUploadPortTexts);
  lists.download_ports = LoadTexts(texts, kDownloadPortTexts);
  lists.download_ports.push_back(texts.Load(kItemBluetoothSpp, Slot::kItem));
  lists.speeds = LoadTexts(texts, kSpeedTexts);
  lists.backlight = LoadTexts(texts, kBacklightTexts);
  lists.data_deletion = LoadTexts(texts, kDeletionTexts);
  lists.entry_prompt = LoadTexts(texts, kEntryPromptTexts);
  lists.key_click = {texts.Load(kItemMute, Slot::kItem)};
  for (int tone = kKeyClickTones.min; tone <= kKeyClickTones.max; ++tone) {
    lists.key_click.push_back(texts.Load(kItemTone, Slot::kItem) + " " + std::to_string(tone));
  }
  lists.beeps = {texts.Load(kItemMute, Slot::kItem)};
  for (auto& beep : LoadTexts(texts, kBeepTexts)) lists.beeps.push_back(beep);
  return lists;
}

SettingsView SettingsPage::Open() {
  std::copy(design_.settings.begin(), design_.settings.end(), working_.begin());
  uint8_t flags = 0;
  if (working_[kUploadPort] == kUploadBluetooth) flags |= kUploadIsBluetooth;
  if (working_[kDownloadPort] == kDownloadBluetooth) flags |= kDownloadIsBluetooth;
  session_.port_flags = flags;
  session_.settings_shown = true;
  opened_ = true;
  stay_on_lcd_ = working_[kPromptDuration] != 0;
  return View();
}

PortView SettingsPage::Ports() {
  PortView view;
  view.upload_port = working_[kUploadPort];
  view.download_port = working_[kDownloadPort];
  view.upload_phone_enabled = view.upload_port == kUploadModem;
  view.download_phone_enabled = view.download_port == kDownloadModem;
  view.modem_speed_enabled = view.upload_phone_enabled || view.download_phone_enabled;
  view.baud_rate_enabled = !(view.upload_phone_enabled && view.download_phone_enabled);
  return view;
}

PromptView SettingsPage::Prompt() {
  const bool prompt = working_[kEntryPrompt] != 0;
  PromptView view;
  view.stay_on_lcd = CheckState{stay_on_lcd_, prompt};
  view.press_any_key = CheckState{!stay_on_lcd_, prompt};
  view.duration = NumberText(working_[kPromptDuration]);
  view.duration_enabled = prompt && stay_on_lcd_;
  return view;
}

SettingsView SettingsPage::View() {
  SettingsView view;
  view.ports = Ports();
  view.upload_phone = SlotText(Bytes(working_).subspan(kUploadPhone, kPhoneSize));
  view.download_phone = SlotText(Bytes(working_).subspan(kDownloadPhone, kPhoneSize));
  view.upload_phone_icon = view.ports.upload_phone_enabled;
  view.download_phone_icon = view.ports.download_phone_enabled;
  view.modem_speed = working_[kModemSpeed];
  view.baud_rate = working_[kBaudRate];
  view.backlight = working_[kBacklightMode];
  view.timeout = NumberText(working_[kBacklightTimeout]);
  view.data_deletion = working_[kDataDeletion];
  view.entry_prompt = working_[kEntryPrompt];
  view.prompt = Prompt();
  view.key_click = working_[kKeyClick];
  view.good_read_beep = working_[kGoodReadBeep];
  view.warning_beep = working_[kWarningBeep];
  return view;
}

PortView SettingsPage::SelectUploadPort(int port, MessageSink& sink) {
  const int current = working_[kUploadPort];
  if (!InRange(port, kUploadPorts) || port == current) return Ports();
  if (port == kUploadAcousticCoupler || port == kUploadBluetooth) {
    const Message warning =
        port == kUploadBluetooth ? BluetoothWarning() : AcousticCouplerWarning();
    if (sink.Show(warning) != Answer::kOk) return Ports();
  }
  working_[kUploadPort] = static_cast<uint8_t>(port);
  const bool large_font = session_.FontInForce(design_);
  if (current == kUploadBluetooth) {
    WritePortLine(session_, design_, PortMenu::kUpload, false, large_font);
    session_.port_flags &= static_cast<uint8_t>(~kUploadIsBluetooth);
  }
  if (port == kUploadBluetooth) {
    WritePortLine(session_, design_, PortMenu::kUpload, true, large_font);
    session_.port_flags |= kUploadIsBluetooth;
  }
  if (port == kUploadAcousticCoupler) RestoreAcousticLine(session_, design_, large_font);
  return Ports();
}

PortView SettingsPage::SelectDownloadPort(int port, MessageSink& sink) {
  const int current = working_[kDownloadPort];
  if (!InRange(port, kDownloadPorts) || port == current) return Ports();
  if (port == kDownloadBluetooth && sink.Show(BluetoothWarning()) != Answer::kOk) return Ports();
  working_[kDownloadPort] = static_cast<uint8_t>(port);
  const bool large_font = session_.FontInForce(design_);
  if (current == kDownloadBluetooth) {
    WritePortLine(session_, design_, PortMenu::kDownload, false, large_font);
    session_.port_flags &= static_cast<uint8_t>(~kDownloadIsBluetooth);
  }
  if (port == kDownloadBluetooth) {
    WritePortLine(session_, design_, PortMenu::kDownload, true, large_font);
    session_.port_flags |= kDownloadIsBluetooth;
  }
  return Ports();
}

void SettingsPage::ChangeUploadPhone(std::string_view text) {
  SetSlotText(Bytes(working_).subspan(kUploadPhone, kPhoneSize), text.substr(0, kPhoneDigits));
}

void SettingsPage::ChangeDownloadPhone(std::string_view text) {
  SetSlotText(Bytes(working_).subspan(kDownloadPhone, kPhoneSize), text.substr(0, kPhoneDigits));
}

void SettingsPage::SetByte(size_t offset, int value, int count) {
  if (InRange(value, count)) working_[offset] = static_cast<uint8_t>(value);
}

void SettingsPage::SelectModemSpeed(int speed) { SetByte(kModemSpeed, speed, kSpeeds); }
void SettingsPage::SelectBaudRate(int rate) { SetByte(kBaudRate, rate, kSpeeds); }
void SettingsPage::SelectBacklight(int mode) {
  SetByte(kBacklightMode, mode, kBacklightTexts.count);
}
void SettingsPage::SelectDataDeletion(int mode) {
  SetByte(kDataDeletion, mode, kDeletionTexts.count);
}
void SettingsPage::SelectKeyClick(int choice) { SetByte(kKeyClick, choice, kKeyClicks); }
void SettingsPage::SelectGoodReadBeep(int choice) { SetByte(kGoodReadBeep, choice, kBeeps); }
void SettingsPage::SelectWarningBeep(int choice) { SetByte(kWarningBeep, choice, kBeeps); }

EditRewrite SettingsPage::ChangeTimeout(std::string_view text) {
  return SettleEdit(text, [this](std::string_view box) -> EditRewrite {
    uint8_t& timeout = working_[kBacklightTimeout];
    const std::optional<unsigned> number = ParseUnsigned(box);
    if (!number || *number < kTimeoutMin) {
      timeout = kTimeoutMin;
      return NumberText(kTimeoutMin);
    }
    if (*number > kTimeoutMax) {
      // The box holds one digit: a second one typed after it replaces it.
      unsigned value = *number / 10;
      if (value == timeout) value = *number % 10;
      timeout = static_cast<uint8_t>(std::min(value, 255u));
      return NumberText(value);
    }
    if (FirstCharacter(box) == '0') return NumberText(timeout);
    timeout = static_cast<uint8_t>(*number);
    return std::nullopt;
  });
}

PromptView SettingsPage::SelectEntryPrompt(int mode) {
  SetByte(kEntryPrompt, mode, kEntryPromptTexts.count);
  return Prompt();
}

PromptView SettingsPage::ChooseStayOnLcd() {
  stay_on_lcd_ = true;
  if (working_[kPromptDuration] == 0) working_[kPromptDuration] = kDefaultDuration;
  return Prompt();
}

PromptView SettingsPage::ChoosePressAnyKey() {
  stay_on_lcd_ = false;
  working_[kPromptDuration] = 0;
  return Prompt();
}

EditRewrite SettingsPage::ChangeDuration(std::string_view text) {
  return SettleEdit(text, [this](std::string_view box) -> EditRewrite {
    uint8_t& duration = working_[kPromptDuration];
    const std::optional<unsigned> number = ParseUnsigned(box);
    if (!number) {
      duration = 0;
      return NumberText(0);
    }
    const std::string_view digits = Trimmed(box);
    if (*number > kDurationMax) return std::string(digits.substr(0, 2));
    duration = static_cast<uint8_t>(*number);
    if (digits.size() >= 2 && digits[0] == '0') return NumberText(*number);
    return std::nullopt;
  });
}

SettingsView SettingsPage::Reset() {
  auto fresh = std::make_unique<Design>();
  ResetDesign(*fresh, session_.defaults);
  for (const ByteRange& range : kResetRanges) CopyRange(fresh->settings, working_, range);
  stay_on_lcd_ = working_[kPromptDuration] != 0;
  return View();
}

void SettingsPage::Apply() {
  if (!opened_) return;
  for (const ByteRange& range : kAppliedRanges) CopyRange(working_, design_.settings, range);
  design_.settings[kPortTextFlags] = session_.port_flags;
  opened_ = false;
}

}  // namespace q700::editor
