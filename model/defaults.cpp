#include "model/defaults.h"

#include <algorithm>
#include <array>
#include <string>

#include "model/barcode_block.h"
#include "model/form_record.h"
#include "model/lookup_record.h"
#include "model/menu_record.h"
#include "model/settings_block.h"
#include "texts/terminal_texts.h"
#include "texts/text_ids.h"

namespace q700 {
namespace {

struct BarcodeDefault {
  uint8_t value;
  uint8_t kept;  // bits that the defaults leave as they are
};

constexpr std::array<BarcodeDefault, kBarcodeBlockSize> kBarcodeDefaults = {{
    {0x9B, 0x00}, {0xC9, 0x00}, {0x00, 0x00}, {0x3F, 0x00}, {0x80, 0x1F}, {0x2D, 0x00},
    {0x54, 0x00}, {0x80, 0x07}, {0x00, 0xFF}, {0x19, 0x00}, {0x3D, 0x00}, {0x00, 0x20},
    {0x43, 0x80}, {0x01, 0x00}, {0xFE, 0x00}, {0x01, 0x00}, {0xFF, 0x00}, {0x01, 0x00},
    {0xFF, 0x00}, {0x01, 0x00}, {0x66, 0x00}, {0x03, 0x00}, {0xC0, 0x3F},
}};

constexpr std::array<int, kTextSetCount> kSetDefaultIds = {
    0,
    kTerminalMainMenu,
    kTerminalUtilitiesSmall,
    kTerminalDeleteData,
    kTerminalConfirm,
    kTerminalMemoryPower,
    kTerminalLoadLookup,
    kTerminalSettingsSmall,
    kTerminalUploadPortSmall,
    kTerminalDownloadPortSmall,
    kTerminalBaudRateSmall,
    kTerminalBacklightSmall,
    kTerminalDataDeletionSmall,
    kTerminalEntryOptionsSmall,
    kTerminalViewSettingsSmall,
    kTerminalSystemFault,
    kTerminalUploadData,
    kTerminalModemTransmit,
    kTerminalSaveRecord,
    kTerminalDeleteRecord,
    kTerminalAutoDelete,
    kTerminalSetPassword,
    kTerminalConnecting,
    kTerminalModemConnection,
    kTerminalEntryErrorsSmall,
    kTerminalLoadStatus,
    kTerminalBrowseKeysSmall,
};

void ResetBarcode(Bytes barcode) {
  for (size_t i = 0; i < kBarcodeBlockSize; ++i) {
    const auto& d = kBarcodeDefaults[i];
    barcode[i] = static_cast<uint8_t>((barcode[i] & d.kept) | (d.value & ~d.kept));
  }
}

void ResetMenus(Bytes menus) {
  for (int m = 0; m < kMenuCount; ++m) {
    Bytes record = MenuAt(menus, m).bytes();
    std::fill_n(record.begin(), menu_offset::kSpare, uint8_t{0});
  }
}

void ResetForm(FormRecord form, int number) {
  using namespace form_offset;
  std::fill_n(form.bytes().begin(), kReservedText, uint8_t{0});
  form.next_target() = static_cast<uint8_t>(number);
  form.at(kStampSplit) = 1;
  form.at(kYearFlag) = 1;
  form.at(kMonthFlag) = 1;
  form.at(kDayFlag) = 1;
  form.at(kDateSeparatorFlag) = 1;
  form.at(kDateSeparator) = '/';
  form.at(kHourFlag) = 1;
  form.at(kMinuteFlag) = 1;
  form.at(kSecondFlag) = 1;
  form.at(kTimeSeparatorFlag) = 1;
  form.at(kTimeSeparator) = ':';
  for (int i = 0; i < kFormLines; ++i) {
    form.input_source(i) = 2;
    form.max_length(i) = 80;
    form.line(kPartialLength, i) = 20;
    form.auto_enter(i) = 1;
    form.reserved_text(i)[0] = 0;
  }
  std::fill(form.bytes().begin() + kLineCount, form.bytes().begin() + kErrorTarget + 1, uint8_t{0});
}

void ResetLookup(LookupRecord lookup) {
  std::fill_n(lookup.bytes().begin(), lookup_offset::kNegativeRemains, uint8_t{0});
  for (int k = 0; k < kLookupFields; ++k) lookup.field_offset(k) = 1;
  lookup.delimiter() = kTab;
  lookup.upload_flag() = 1;
}

void ResetSettings(Bytes settings) {
  using namespace settings_offset;
  const uint8_t mapping_flag = settings[kFunctionKeyMapping];
  std::fill_n(settings.begin(), kExtraMenuTexts, uint8_t{0});
  settings[kFunctionKeyMapping] = mapping_flag;
  settings[kRevision] = kCurrentRevision;
  settings[kFirstDelimiter] = kTab;
  settings[kBacklightTimeout] = 2;
  settings[kEntryPrompt] = 1;
  settings[kPromptDuration] = 6;
  settings[kDataBits] = 1;
  settings[kStartToneLength] = 1;
  settings[kStartOfText] = 2;
  settings[kEndOfText] = 3;
  settings[kPaddingChar] = 32;
  settings[kBlockEndChar] = 23;
  settings[kKeyClick] = 2;
  settings[kGoodReadBeep] = 1;
  settings[kWarningBeep] = 2;
}

void ResetWeight(Bytes weight) {
  using namespace weight_offset;
  WriteU16Le(weight, kMark, kMarkValue);
  WriteU16Le(weight, kFlags, kEnable);
  weight[kPrefix] = '2';
  weight[kPrefix + 1] = '3';
  WriteU16Le(weight, kMask, 7);
  WriteU16Le(weight, kKeyField, 2);
  WriteU16Le(weight, kQuantityField, 4);
}

void ResetTexts(Design& design, const DefaultTerminalTexts& texts) {
  for (int set = kFirstTextSet; set <= kLastTextSet; ++set) {
    const TextSetShape& shape = TextSetShapeOf(set);
    const int first = DefaultTextIdOfSet(set);
    for (int line = 0; line < shape.count; ++line) {
      std::string text;
      if (set == 7 && line == 3) {
        text.assign(12, ' ');
      } else if (first != 0) {
        text = texts.Get(first + line);
      }
      text.resize(std::min<size_t>(text.size(), shape.slot_size == 16 ? 12 : 16));
      SetSlotText(TextSlot(design, set, line), text);
    }
  }
  for (int i = 0; i < settings_offset::kExtraTextCount; ++i) {
    SetSlotText(ExtraMenuText(design.settings, i), texts.Get(kCalculatorSmall + i));
  }
}

}  // namespace

int DefaultTextIdOfSet(int set) { return kSetDefaultIds[set - kFirstTextSet]; }

void ResetDesign(Design& design, const DefaultTerminalTexts& texts) {
  ResetBarcode(design.barcode);
  std::fill(design.version_tag.begin(), design.version_tag.end(), uint8_t{0});
  std::copy_n(kVersionTag, sizeof(kVersionTag) - 1, design.version_tag.begin());
  ResetMenus(design.menus);
  for (int f = 0; f < kFormCount; ++f) ResetForm(FormAt(design, f), f + 1);
  for (int l = 0; l < kLookupCount; ++l) ResetLookup(LookupAt(design, l));
  ResetSettings(design.settings);
  ResetWeight(design.weight);
  ResetTexts(design, texts);
}

}  // namespace q700
