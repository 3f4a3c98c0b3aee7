// The table of every field of a design: names, places, types, ranges and choice labels.
#include <unordered_map>

#include "model/barcode_block.h"
#include "model/choice_lists.h"
#include "model/field_names.h"
#include "model/form_record.h"
#include "model/lookup_record.h"
#include "model/menu_record.h"
#include "model/settings_block.h"
#include "texts/string_table.h"
#include "texts/text_ids.h"

namespace q700 {

// Labels are the built-in texts with their blanks tidied: "form  " and 3 give "form 3".
std::string TidyLabel(std::string_view text) {
  std::string out;
  bool blank = false;
  for (char c : text) {
    if (c == ' ' || c == '\t') {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

namespace {

std::string Label(int id) {
  const char* text = FindStringTableText(id);
  return TidyLabel(text != nullptr ? text : "");
}

std::vector<std::string> Labels(int first, int count) {
  std::vector<std::string> labels;
  labels.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) labels.push_back(Label(first + i));
  return labels;
}

std::vector<std::string> Labels(TextList list) { return Labels(list.first, list.count); }

template <size_t N>
std::vector<std::string> Labels(const std::array<std::string_view, N>& texts) {
  return {texts.begin(), texts.end()};
}

std::vector<std::string> Numbered(int label_id, int first, int last) {
  std::vector<std::string> labels;
  for (int n = first; n <= last; ++n)
    labels.push_back(TidyLabel(Label(label_id) + " " + std::to_string(n)));
  return labels;
}

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// Target codes: "main", form 1 to 10, menu 1 to 10.
std::vector<std::string> Targets() {
  return Concat(
      {{Label(kItemMain)}, Numbered(kItemForm, 1, kFormCount), Numbered(kItemMenu, 1, kMenuCount)});
}

std::vector<std::string> Fields8() { return Numbered(kItemField, 1, kFormLines); }

class Builder {
 public:
  explicit Builder(std::vector<FieldInfo>& out) : out_(out) {}

  void Begin(DesignBlock block, size_t base, std::string prefix) {
    block_ = block;
    base_ = base;
    prefix_ = std::move(prefix);
  }

  FieldInfo& Number(const std::string& name, size_t offset, int min, int max, uint8_t low = 0,
                    uint8_t width = 8) {
    FieldInfo f;
    f.name = prefix_ + name;
    f.block = block_;
    f.offset = base_ + offset;
    f.kind = FieldKind::kNumber;
    f.bit_low = low;
    f.bit_width = width;
    f.min = min;
    f.max = max;
    out_.push_back(std::move(f));
    return out_.back();
  }

  // An offset of the current record within its block.
  size_t Offset(size_t offset) const { return base_ + offset; }

  FieldInfo& Number(const std::string& name, size_t offset, NumberRange range) {
    return Number(name, offset, range.min, range.max);
  }

  FieldInfo& Flag(const std::string& name, size_t offset, uint8_t bit = 0) {
    return Number(name, offset, 0, 1, bit, 1);
  }
  FieldInfo& Bit(const std::string& name, BitField bits) {
    return Number(name, bits.byte, 0, (1 << bits.width) - 1, bits.low, bits.width);
  }
  FieldInfo& Choice(const std::string& name, size_t offset, std::vector<std::string> labels,
                    uint8_t low = 0, uint8_t width = 8) {
    FieldInfo& f = Number(name, offset, 0, static_cast<int>(labels.size()) - 1, low, width);
    f.kind = FieldKind::kChoice;
    f.labels = std::move(labels);
    return f;
  }
  FieldInfo& BitChoice(const std::string& name, BitField bits, std::vector<std::string> labels) {
    return Choice(name, bits.byte, std::move(labels), bits.low, bits.width);
  }
  FieldInfo& Word(const std::string& name, size_t offset, int min, int max) {
    FieldInfo& f = Number(name, offset, min, max, 0, 16);
    f.word = true;
    return f;
  }
  FieldInfo& Text(const std::string& name, size_t offset, size_t slot, int max_chars) {
    FieldInfo& f = Number(name, offset, 0, max_chars);
    f.kind = FieldKind::kText;
    f.size = slot;
    return f;
  }
  FieldInfo& Chars(const std::string& name, size_t offset, size_t count) {
    FieldInfo& f = Number(name, offset, 0, static_cast<int>(count));
    f.kind = FieldKind::kChars;
    f.size = count;
    return f;
  }
  FieldInfo& Char(const std::string& name, size_t offset, int max = 255) {
    FieldInfo& f = Number(name, offset, 0, max);
    f.kind = FieldKind::kChar;
    return f;
  }

 private:
  std::vector<FieldInfo>& out_;
  DesignBlock block_ = DesignBlock::kSettings;
  size_t base_ = 0;
  std::string prefix_;
};

void AddMenus(Builder& b) {
  using namespace menu_offset;
  for (int m = 0; m < kMenuCount; ++m) {
    b.Begin(DesignBlock::kMenus, m * kMenuRecordSize, "menu." + std::to_string(m + 1) + ".");
    b.Choice("font", kFontSize, Labels(kFontTexts));
    b.Flag("caption_flag", kCaptionFlag);
    b.Text("caption", kCaption, kTextSize, 16);
    b.Choice("escape", kEscapeTarget, Targets());
    for (int k = 0; k < kMenuItems; ++k) {
      const std::string item = "item." + std::to_string(k + 1) + ".";
      b.Text(item + "text", kItemTexts + k * kTextSize, kTextSize, 16);
      b.Choice(item + "target", kItemTargets + k, Targets());
    }
    b.Flag("save_caption", kSaveCaption);
    b.Flag("save_item", kSaveItem);
    b.Flag("pass_down", kPassDown);
    b.Number("item_count", kItemCount, 0, 10);
    b.Number("current_item", kCurrentItem, 0, 9);
  }
}

void AddFormLine(Builder& b, const std::string& p, int i) {
  using namespace form_offset;
  b.Choice(p + "type", kDataType + i, Labels(kFieldTypeTexts));
  b.Text(p + "prompt", kPrompt + i * kPromptSize, kPromptSize, 16);
  b.Choice(p + "input_source", kInputSource + i, Labels(kInputSourceTexts));
  b.Number(p + "min_length", kMinLength + i, kLineLengthRange);
  b.Number(p + "max_length", kMaxLength + i, kLineLengthRange);
  b.Choice(p + "lookup_column", kLookupColumn + i,
           Concat({{Label(kItemNoLookup)},
                   Fields8(),
                   Numbered(kItemMinusField, 1, kFormLines),
                   Numbered(kItemPlusField, 1, kFormLines)}));
  b.Flag(p + "fixed_length_flag", kFixedLengthFlag + i);
  b.Choice(p + "alignment", kAlignment + i, Labels(kAlignmentTexts));
  b.Number(p + "fixed_length", kFixedLength + i, 0, 255);
  b.Flag(p + "initial_value_flag", kInitialFlag + i);
  b.Text(p + "initial_value", kInitialValue + i * kCodeSize, kCodeSize, kInitialValueChars);
  b.Flag(p + "prefix_flag", kPrefixFlag + i);
  b.Chars(p + "prefix", kPrefix + i * kCodeSize, kCodeSize);
  b.Flag(p + "suffix_flag", kSuffixFlag + i);
  b.Chars(p + "suffix", kSuffix + i * kCodeSize, kCodeSize);
  b.Choice(p + "partial.mode", kPartialMode + i,
           {"whole barcode", "barcode part", "GS1 part", "GS1 part, cut GS1 code"});
  b.Number(p + "partial.start", kPartialStart + i, 0, 127, 0, 7);
  b.Flag(p + "partial.save_full", kPartialStart + i, 7);
  b.Number(p + "partial.length", kPartialLength + i, 0, 80);
  b.Flag(p + "leading_code_flag", kLeadingFlag + i);
  b.Chars(p + "leading_code", kLeadingCode + i * kLeadingCodeSize, kLeadingCodeSize);
  b.Choice(p + "auto_enter", kAutoEnter + i, Labels(kAutoEnterTexts));
  b.Char(p + "input_mark", kInputMark + i);
  b.Choice(p + "check_digit", kCheckDigit + i, Concat({{"none"}, Labels(kCheckDigitTexts)}));
  b.Choice(p + "decimal_places", kDecimalPlaces + i, Labels(kDecimalPlacesTexts));
  b.Chars(p + "gs1_code", kGs1Code + i * kGs1CodeSize, kGs1CodeSize);
}

void AddForms(Builder& b) {
  using namespace form_offset;
  for (int f = 0; f < kFormCount; ++f) {
    b.Begin(DesignBlock::kForms, f * kFormRecordSize, "form." + std::to_string(f + 1) + ".");
    b.Choice("font", kFontSize, Labels(kFontTexts));
    b.Choice("escape", kEscapeTarget, Targets());
    b.Choice("next", kNextTarget, Concat({Targets(), {Label(kItemBackToErrorForm)}}));
    b.Choice("error_target", kErrorTarget, Concat({{Label(kItemSkipError)}, Targets()}));
    b.Choice("lookup", kLookupFile, Labels(kFormLookupTexts));
    b.Choice("record_action", kRecordAction, Labels(kRecordActionTexts));
    b.Choice("stamp.position", kStampPosition, Labels(kStampPositionTexts));
    b.Flag("stamp.split", kStampSplit);
    b.Flag("stamp.year", kYearFlag);
    b.Choice("stamp.year_digits", kYearDigits, Labels(kYearDigitsTexts));
    b.Flag("stamp.month", kMonthFlag);
    b.Flag("stamp.day", kDayFlag);
    b.Flag("stamp.date_separator_flag", kDateSeparatorFlag);
    b.Text("stamp.date_separator", kDateSeparator, 2, 1);
    b.Choice("stamp.date_style", kDateStyle, Labels(kDateStyleTexts));
    b.Flag("stamp.hour", kHourFlag);
    b.Flag("stamp.minute", kMinuteFlag);
    b.Flag("stamp.second", kSecondFlag);
    b.Flag("stamp.time_separator_flag", kTimeSeparatorFlag);
    b.Text("stamp.time_separator", kTimeSeparator, 2, 1);
    b.Number("line_count", kLineCount, 0, 8);
    b.Number("current_line", kCurrentLine, 0, 7);
    for (int i = 0; i < kFormLines; ++i) AddFormLine(b, "line." + std::to_string(i + 1) + ".", i);
    for (int k = 0; k < kFunctionKeys; ++k) {
      const std::string p = "fn." + std::to_string(k + 1) + ".";
      b.Choice(p + "branch", kBranch + k,
               Concat({{Label(kItemBranchDisable)},
                       Numbered(kItemForm, 1, kFormCount),
                       Labels(kBranchEndTexts)}));
      b.Choice(p + "summation.field", kSummationFields + k, Fields8(), 0, 4);
      b.Choice(p + "summation.multiply", kSummationFields + k, Concat({{"none"}, Fields8()}), 4, 4);
      b.Choice(p + "summation.source", kSummationSource + k, Labels(kSummationSourceTexts));
      b.Flag(p + "remains.enable", kRemainsFilter + k, 4);
      b.Choice(p + "remains.field", kRemainsFilter + k, Fields8(), 0, 4);
      b.Flag(p + "remains.suffix", kRemainsOptions + k, 0);
      b.Choice(p + "remains.filter", kRemainsOptions + k, Labels(kVariableTexts), 4, 4);
    }
  }
}

void AddLookups(Builder& b) {
  using namespace lookup_offset;
  for (int l = 0; l < kLookupCount; ++l) {
    b.Begin(DesignBlock::kLookups, l * kLookupRecordSize, "lookup." + std::to_string(l + 1) + ".");
    b.Number("member_length", kMemberLength, 0, 255);
    b.Number("field_count", kFieldCount, 0, 8);
    b.Choice("key_field", kKeyField, Fields8());
    for (int k = 0; k < kLookupFields; ++k) {
      const std::string p = "field." + std::to_string(k + 1) + ".";
      b.Number(p + "offset", kFieldOffsets + k, 0, 255);
      b.Number(p + "length", kFieldLengths + k, 0, 255);
    }
    b.Number("delimiter", kDelimiter, 0, 255).excluded = 13;
    b.Flag("upload", kUploadFlag);
    // Stored 2 higher under "Only read data once", which offers only the two inserting actions.
    FieldInfo& no_match = b.Choice("no_match", kNoMatchAction, Labels(kNoMatchTexts));
    no_match.raised_while = b.Offset(kReadOnce);
    no_match.raise = 2;
    b.Choice("bad_format", kBadFormatAction, Labels(kBadFormatTexts));
    b.Flag("read_once", kReadOnce);
    b.Flag("negative_remains", kNegativeRemains);
    b.Flag("delete_if_empty", kDeleteIfEmpty);
  }
}

void AddSettings(Builder& b) {
  using namespace settings_offset;
  b.Begin(DesignBlock::kSettings, 0, "settings.");
  b.Number("revision", kRevision, 0, 255);
  b.Choice("start", kStartTarget, Labels(kStartTargetTexts));
  b.Number("delimiter1", kFirstDelimiter, 0, 255).excluded = 13;
  b.Number("delimiter2", kSecondDelimiter, 0, 255).excluded = 13;
  b.Flag("separate_files", kSeparateFiles);
  b.Choice("upload_port", kUploadPort, Labels(kUploadPortTexts));
  b.Text("upload_phone", kUploadPhone, kPhoneSize, kPhoneNumberChars);
  b.Choice("download_port", kDownloadPort,
           Concat({Labels(kDownloadPortTexts), {Label(kItemBluetoothSpp)}}));
  b.Choice("baud_rate", kBaudRate, Labels(kSpeedTexts));
  b.Choice("backlight", kBacklightMode, Labels(kBacklightTexts));
  b.Number("backlight_timeout", kBacklightTimeout, kBacklightTimeoutRange);
  b.Choice("data_deletion", kDataDeletion, Labels(kDeletionTexts));
  b.Choice("entry_prompt", kEntryPrompt, Labels(kEntryPromptTexts));
  b.Number("prompt_duration", kPromptDuration, kPromptDurationRange);
  static const char* const kSecurity[] = {"settings",      "edit_data",        "delete_data",
                                          "set_date_time", "load_application", "load_lookup_file",
                                          "upload_port",   "download_port",    "baud_rate",
                                          "backlight",     "data_deletion",    "entry_options"};
  for (int i = 0; i < kSecurityFlagCount; ++i) {
    b.Flag(std::string("security.") + kSecurity[i], kSecurityFlags + i);
  }
  b.Text("password", kPassword, kPasswordSize, kPasswordChars).charset =
      "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  for (int k = 0; k < kFunctionKeyCount; ++k) {
    b.Choice("fn." + std::to_string(k + 1), kFunctionKeyMap + k, Labels(kTerminalFunctionTexts));
  }
  b.Flag("fn_mapping", kFunctionKeyMapping);
  b.Flag("large_font", kLargeFont);
  b.Choice("ac.data_bits", kDataBits, Labels(kDataBitsTexts));
  b.Choice("ac.stop_bits", kStopBits, Labels(kStopBitsTexts));
  b.Choice("ac.parity", kParity, Labels(kParityTexts));
  b.Number("ac.start_tone", kStartToneLength, kStartToneRange);
  b.Flag("ac.control_chars", kControlChars);
  b.Number("ac.start_of_text", kStartOfText, 0, 127);
  b.Number("ac.end_of_text", kEndOfText, 0, 127);
  b.Flag("ac.block_transmission", kBlockTransmission);
  b.Choice("ac.block_size", kBlockSize, Labels(kBlockSizeTexts));
  b.Choice("ac.block_delay", kBlockDelay, Labels(kBlockDelayTexts));
  b.Number("ac.padding", kPaddingChar, 0, 127);
  b.Number("ac.block_end", kBlockEndChar, 0, 127);
  b.Flag("ac.block_check", kBlockCheck);
  b.Choice("ac.volume", kVolume, Labels(kVolumeTexts));
  b.Flag("code_id.enable", kCodeIdFlag);
  static const char* const kCodeIdNames[] = {"code39",
                                             "italian_pharmacode",
                                             "french_pharmacode",
                                             "industrial25",
                                             "interleave25",
                                             "matrix25",
                                             "codabar",
                                             "code93",
                                             "code128",
                                             "upce",
                                             "ean8",
                                             "ean13",
                                             "upca",
                                             "msi",
                                             "plessey"};
  for (int i = 0; i < kCodeIdCount; ++i) {
    b.Chars(std::string("code_id.") + kCodeIdNames[i], kCodeIds + 2 * i, 2);
  }
  b.Choice("modem_speed", kModemSpeed, Labels(kSpeedTexts));
  b.Text("download_phone", kDownloadPhone, kPhoneSize, kPhoneNumberChars);
  b.Choice(
      "key_click", kKeyClick,
      Concat({{Label(kItemMute)}, Numbered(kItemTone, kKeyClickTones.min, kKeyClickTones.max)}));
  b.Choice("good_read_beep", kGoodReadBeep, Concat({{Label(kItemMute)}, Labels(kBeepTexts)}));
  b.Choice("warning_beep", kWarningBeep, Concat({{Label(kItemMute)}, Labels(kBeepTexts)}));
  b.Flag("security.key_click", kBuzzerSecurity);
  b.Flag("security.barcode_good_read", kBuzzerSecurity + 1);
  b.Flag("security.warning_beep", kBuzzerSecurity + 2);
  static const char* const kExtra[] = {"calculator", "buzzer", "key_click", "barcode_read",
                                       "warning_beep"};
  for (int i = 0; i < kExtraTextCount; ++i) {
    b.Text(std::string("menu_text.") + kExtra[i], kExtraMenuTexts + i * kExtraTextSize,
           kExtraTextSize, 16);
  }
  b.Number("port_text_flags", kPortTextFlags, 0, 3);
  b.Char("field_replacement", kFieldReplacement);
}

void AddBarcode(Builder& b) {
  using namespace barcode;
  b.Begin(DesignBlock::kBarcode, 0, "barcode.");
  const std::vector<std::string> start_stop = {"Industrial 25", "Interleave 25", "Matrix 25"};
  const std::vector<std::string> length_mode = {"fixed", "max/min"};
  b.BitChoice("scan_mode", kScanMode, Labels(kScanModeTexts));
  b.BitChoice("read_redundancy", kReadRedundancy, Labels(kRedundancyTexts));
  b.Number("timeout", kTimeout.byte, 1, 255);
  b.Bit("negative", kNegative);
  b.Bit("code39", kCode39);
  b.Bit("code39.transmit_start_stop", kCode39StartStop);
  b.Bit("code39.verify_checksum", kCode39VerifyChecksum);
  b.Bit("code39.transmit_checksum", kCode39TransmitChecksum);
  b.Bit("code39.full_ascii", kCode39FullAscii);
  b.Bit("italian_pharmacode", kItalianPharmacode);
  b.Bit("italian_pharmacode.transmit_checksum", kItalianTransmitChecksum);
  b.Bit("french_pharmacode", kFrenchPharmacode);
  b.Bit("french_pharmacode.transmit_checksum", kFrenchTransmitChecksum);
  b.Bit("industrial25", kIndustrial25);
  b.BitChoice("industrial25.start_stop", kIndustrial25StartStop, start_stop);
  b.Bit("industrial25.verify_checksum", kIndustrial25VerifyChecksum);
  b.Bit("industrial25.transmit_checksum", kIndustrial25TransmitChecksum);
  b.BitChoice("industrial25.length_mode", kIndustrial25LengthMode, length_mode);
  b.Bit("industrial25.first_length", kIndustrial25First);
  b.Bit("industrial25.second_length", kIndustrial25Second);
  b.Bit("interleave25", kInterleave25);
  b.BitChoice("interleave25.start_stop", kInterleave25StartStop, start_stop);
  b.Bit("interleave25.verify_checksum", kInterleave25VerifyChecksum);
  b.Bit("interleave25.transmit_checksum", kInterleave25TransmitChecksum);
  b.BitChoice("interleave25.length_mode", kInterleave25LengthMode, length_mode);
  b.Bit("interleave25.first_length", kInterleave25First);
  b.Bit("interleave25.second_length", kInterleave25Second);
  b.Bit("matrix25", kMatrix25);
  b.BitChoice("matrix25.start_stop", kMatrix25StartStop, start_stop);
  b.Bit("matrix25.verify_checksum", kMatrix25VerifyChecksum);
  b.Bit("matrix25.transmit_checksum", kMatrix25TransmitChecksum);
  b.BitChoice("matrix25.length_mode", kMatrix25LengthMode, length_mode);
  b.Bit("matrix25.first_length", kMatrix25First);
  b.Bit("matrix25.second_length", kMatrix25Second);
  b.Bit("codabar", kCodabar);
  b.BitChoice("codabar.start_stop", kCodabarStartStop,
              {"abcd / abcd", "abcd / tn*e", "ABCD / ABCD", "ABCD / TN*E"});
  b.Bit("codabar.transmit_start_stop", kCodabarTransmitStartStop);
  b.Bit("code93", kCode93);
  b.Bit("msi", kMsi);
  b.BitChoice("msi.verification", kMsiVerification,
              {"Single Modulo 10", "Double Modulo 10", "Modulo 11 & 10"});
  b.BitChoice("msi.transmission", kMsiTransmission,
              {"Last digit not transmitted", "Transmitted", "Last 2 digits not transmitted"});
  b.BitChoice("msi.length_mode", kMsiLengthMode, length_mode);
  b.Bit("msi.first_length", kMsiFirst);
  b.Bit("msi.second_length", kMsiSecond);
  b.Bit("plessey", kPlessey);
  b.Bit("plessey.transmit_checksum", kPlesseyTransmitChecksum);
  b.Bit("plessey.uk", kPlesseyUk);
  b.Bit("upce", kUpce);
  b.Bit("upce.addon2", kUpceAddon2);
  b.Bit("upce.addon5", kUpceAddon5);
  b.Bit("upce.to_upca", kUpceToUpca);
  b.Bit("upce.transmit_system_number", kUpceSystemNumber);
  b.Bit("upce.transmit_checksum", kUpceTransmitChecksum);
  b.Bit("upce.upc_e1", kUpcE1);
  b.Bit("upce.upc_e1_triple_check", kUpcE1TripleCheck);
  b.Bit("ean8", kEan8);
  b.Bit("ean8.addon2", kEan8Addon2);
  b.Bit("ean8.addon5", kEan8Addon5);
  b.Bit("ean8.to_ean13", kEan8ToEan13);
  b.Bit("ean8.transmit_checksum", kEan8TransmitChecksum);
  b.Bit("ean13", kEan13);
  b.Bit("ean13.addon2", kEan13Addon2);
  b.Bit("ean13.addon5", kEan13Addon5);
  b.Bit("ean13.isbn", kEan13Isbn);
  b.Bit("ean13.issn", kEan13Issn);
  b.Bit("ean13.transmit_checksum", kEan13TransmitChecksum);
  b.Bit("ean13.transmit_upca_system_number", kUpcaSystemNumber);
  b.Bit("ean13.transmit_upca_checksum", kUpcaTransmitChecksum);
  b.Bit("ean13.upca_to_ean13", kUpcaToEan13);
  b.Bit("ean13.gtin", kEan13Gtin);
  b.Bit("telepen", kTelepen);
  b.BitChoice("telepen.variant", kTelepenOriginal,
              {"AIM Telepen (Full ASCII)", "Original Telepen (Numeric)"});
  b.Bit("rss14", kRss14);
  b.Bit("rss14.transmit_code_id", kRss14CodeId);
  b.Bit("rss14.transmit_application_id", kRss14ApplicationId);
  b.Bit("rss14.transmit_check_digit", kRss14CheckDigit);
  b.Bit("rss14_limited", kRss14Limited);
  b.Bit("rss14_limited.transmit_code_id", kRss14LimitedCodeId);
  b.Bit("rss14_limited.transmit_application_id", kRss14LimitedApplicationId);
  b.Bit("rss14_limited.transmit_check_digit", kRss14LimitedCheckDigit);
  b.Bit("rss14_expanded", kRss14Expanded);
  b.Bit("rss14_expanded.transmit_code_id", kRss14ExpandedCodeId);
  b.Bit("code128_family", kCode128Family);
  b.Bit("code128", kCode128);
  b.Bit("code128.copy", kCode128Copy);
  b.Bit("ean128", kEan128);
  b.Bit("ean128.code_id_suppressed", kEan128CodeIdSuppressed);
  b.Bit("coop25", kCoop25);
  b.Bit("coop25.check_digit", kCoop25CheckDigit);
  b.Bit("coop25.transmit_digit", kCoop25TransmitDigit);
}

void AddWeight(Builder& b) {
  using namespace weight_offset;
  b.Begin(DesignBlock::kWeight, 0, "weight.");
  b.Word("mark", kMark, 0, 65535).read_only = true;
  b.Flag("enable", kFlags, 0);
  b.Flag("format_1c", kFlags, 1);
  b.Chars("prefix", kPrefix, 2);
  b.Word("mask", kMask, 5, 9);
  b.Word("key_field", kKeyField, 1, 8);
  b.Word("quantity_field", kQuantityField, 1, 8);
}

void AddTexts(Builder& b) {
  b.Begin(DesignBlock::kTexts, 0, "texts.");
  for (int set = kFirstTextSet; set <= kLastTextSet; ++set) {
    const TextSetShape& shape = TextSetShapeOf(set);
    for (int line = 0; line < shape.count; ++line) {
      b.Text(std::string(shape.name) + "." + std::to_string(line),
             TextSetOffset(set) + static_cast<size_t>(line * shape.slot_size),
             static_cast<size_t>(shape.slot_size), shape.slot_size == 16 ? 12 : 16);
    }
  }
}

std::vector<FieldInfo> BuildFields() {
  std::vector<FieldInfo> fields;
  Builder b(fields);
  b.Begin(DesignBlock::kVersionTag, 0, "");
  b.Text("version_tag", 0, kVersionTagSize, 9).read_only = true;
  AddBarcode(b);
  AddMenus(b);
  AddForms(b);
  AddLookups(b);
  AddTexts(b);
  AddSettings(b);
  AddWeight(b);
  return fields;
}
}  // namespace

const std::vector<FieldInfo>& DesignFields() {
  static const std::vector<FieldInfo> fields = BuildFields();
  return fields;
}

const FieldInfo* FindField(std::string_view name) {
  static const auto* index = [] {
    auto* map = new std::unordered_map<std::string_view, const FieldInfo*>();
    for (const FieldInfo& f : DesignFields()) map->emplace(f.name, &f);
    return map;
  }();
  const auto it = index->find(name);
  return it == index->end() ? nullptr : it->second;
}

}  // namespace q700
