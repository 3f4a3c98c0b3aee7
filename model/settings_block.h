// Settings block (268 bytes): terminal settings, security, function keys, acoustic coupler,
// start-up options, Code ID table and the extra terminal menu texts. All values are bytes.
#pragma once

#include "model/design.h"

namespace q700::settings_offset {

inline constexpr size_t kRevision = 0;
inline constexpr size_t kStartTarget = 1;
inline constexpr size_t kFirstDelimiter = 2;
inline constexpr size_t kSecondDelimiter = 3;
inline constexpr size_t kSeparateFiles = 4;
inline constexpr size_t kUploadPort = 5;
inline constexpr size_t kUploadPhone = 6;  // 21 bytes
inline constexpr size_t kPhoneSize = 21;
inline constexpr size_t kDownloadPort = 27;
inline constexpr size_t kBaudRate = 28;
inline constexpr size_t kBacklightMode = 29;
inline constexpr size_t kBacklightTimeout = 30;
inline constexpr size_t kDataDeletion = 31;
inline constexpr size_t kEntryPrompt = 32;
inline constexpr size_t kPromptDuration = 33;
inline constexpr size_t kSecurityFlags = 34;  // 12 bytes
inline constexpr int kSecurityFlagCount = 12;
inline constexpr size_t kPassword = 46;  // 12 bytes
inline constexpr size_t kPasswordSize = 12;
inline constexpr size_t kFunctionKeyMap = 58;  // 10 bytes, 7 used
inline constexpr int kFunctionKeyCount = 7;
inline constexpr size_t kLargeFont = 68;
inline constexpr size_t kDataBits = 69;
inline constexpr size_t kStopBits = 70;
inline constexpr size_t kParity = 71;
inline constexpr size_t kStartToneLength = 72;
inline constexpr size_t kControlChars = 73;
inline constexpr size_t kStartOfText = 74;
inline constexpr size_t kEndOfText = 75;
inline constexpr size_t kBlockTransmission = 76;
inline constexpr size_t kBlockSize = 77;
inline constexpr size_t kBlockDelay = 78;
inline constexpr size_t kPaddingChar = 79;
inline constexpr size_t kBlockEndChar = 80;
inline constexpr size_t kBlockCheck = 81;
inline constexpr size_t kFunctionKeyMapping = 82;
inline constexpr size_t kVolume = 83;
inline constexpr size_t kCodeIdFlag = 84;
inline constexpr size_t kCodeIds = 85;  // 15 x 2 bytes
inline constexpr int kCodeIdCount = 15;
inline constexpr size_t kModemSpeed = 115;
inline constexpr size_t kDownloadPhone = 116;  // 21 bytes
inline constexpr size_t kKeyClick = 137;
inline constexpr size_t kGoodReadBeep = 138;
inline constexpr size_t kWarningBeep = 139;
inline constexpr size_t kBuzzerSecurity = 140;  // 10 bytes, 3 used
inline constexpr size_t kExtraMenuTexts = 150;  // 5 x 21 bytes
inline constexpr size_t kExtraTextSize = 21;
inline constexpr int kExtraTextCount = 5;
inline constexpr size_t kCalculatorText = 150;
inline constexpr size_t kBuzzerText = 171;
inline constexpr size_t kKeyClickText = 192;
inline constexpr size_t kBarcodeReadText = 213;
inline constexpr size_t kWarningBeepText = 234;
inline constexpr size_t kPortTextFlags = 255;
inline constexpr size_t kFieldReplacement = 258;

inline constexpr uint8_t kCurrentRevision = 4;

// Port choices of the upload port (5 choices) and download port (4 choices).
inline constexpr uint8_t kUploadModem = 2;
inline constexpr uint8_t kUploadAcousticCoupler = 3;
inline constexpr uint8_t kUploadBluetooth = 4;
inline constexpr uint8_t kDownloadModem = 2;
inline constexpr uint8_t kDownloadBluetooth = 3;

// Bits of the port text flags byte.
inline constexpr uint8_t kUploadIsBluetooth = 1;
inline constexpr uint8_t kDownloadIsBluetooth = 2;

}  // namespace q700::settings_offset

namespace q700 {

// Extra menu text i (0 calculator, 1 buzzer, 2 key click, 3 barcode read, 4 warning beep).
inline Bytes ExtraMenuText(Bytes settings, int i) {
  return settings.subspan(
      settings_offset::kExtraMenuTexts + static_cast<size_t>(i) * settings_offset::kExtraTextSize,
      settings_offset::kExtraTextSize);
}

}  // namespace q700
