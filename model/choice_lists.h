// The choice lists and number ranges of the design's fields that both the field table (the
// tool's names and checks) and the editor's pages use: each list is a run of string-table texts,
// its value the position in the run.
#pragma once

#include <array>
#include <string_view>

#include "model/form_record.h"
#include "model/layout.h"
#include "texts/text_ids.h"

namespace q700 {

// `count` consecutive string-table texts from `first`.
struct TextList {
  int first;
  int count;
};

// Forms.
inline constexpr TextList kFontTexts = {kItemSmallFont, 2};
inline constexpr TextList kFieldTypeTexts = {kItemFieldTypes, kFieldTypeCount};
inline constexpr TextList kInputSourceTexts = {kItemInputSources, 6};
inline constexpr TextList kRecordActionTexts = {kItemRecordActions, 9};
inline constexpr TextList kFormLookupTexts = {kItemNoLookup, 1 + kLookupCount};  // "nil" first
inline constexpr TextList kAlignmentTexts = {kItemAlignments, 4};
inline constexpr TextList kAutoEnterTexts = {kItemAutoEnter, 4};
inline constexpr TextList kCheckDigitTexts = {kItemCheckDigitMethods, 8};
inline constexpr TextList kDecimalPlacesTexts = {kItemDecimalPlaces, 7};
inline constexpr TextList kStampPositionTexts = {kItemStampPositions, 3};
inline constexpr TextList kYearDigitsTexts = {kItemYearDigits, 2};
inline constexpr TextList kDateStyleTexts = {kItemDateStyles, 3};
// The branch targets after "disable" and form 1 to 10.
inline constexpr TextList kBranchEndTexts = {kItemBranchRemains, 3};
inline constexpr TextList kSummationSourceTexts = {kItemLookupFiles, kLookupCount + 1};
inline constexpr TextList kVariableTexts = {kItemVariables, 3};

// Lookups.
inline constexpr TextList kLookupFileTexts = {kItemLookupFiles, kLookupCount};
inline constexpr TextList kBadFormatTexts = {kItemBadFormatActions, 3};
inline constexpr TextList kNoMatchTexts = {kItemNoMatchActions, 6};

// Settings.
inline constexpr TextList kUploadPortTexts = {kItemPorts, 5};
// The download port list: the first three port texts, then "Bluetooth SPP".
inline constexpr TextList kDownloadPortTexts = {kItemPorts, 3};
inline constexpr TextList kSpeedTexts = {kItemBaudRates, 5};
inline constexpr TextList kBacklightTexts = {kItemBacklightModes, 2};
inline constexpr TextList kDeletionTexts = {kItemDeletionModes, 2};
inline constexpr TextList kEntryPromptTexts = {kItemPromptModes, 3};
inline constexpr TextList kParityTexts = {kItemParities, 3};
inline constexpr TextList kBlockDelayTexts = {kItemBlockDelays, 3};
inline constexpr TextList kStartTargetTexts = {kItemStartForm, 2};
inline constexpr TextList kTerminalFunctionTexts = {kItemTerminalFunctions, 20};
// The good-read and warning beeps after "Mute".
inline constexpr TextList kBeepTexts = {kItemBeeps, 3};
// The acoustic coupler's lists of numbers, the same in every language.
inline constexpr std::array<std::string_view, 2> kDataBitsTexts = {"7", "8"};
inline constexpr std::array<std::string_view, 2> kStopBitsTexts = {"1", "2"};
inline constexpr std::array<std::string_view, 3> kBlockSizeTexts = {"80", "256", "1024"};
inline constexpr std::array<std::string_view, 4> kVolumeTexts = {"1", "2", "3", "4"};

// Barcode reader.
inline constexpr TextList kScanModeTexts = {kItemScanModes, 9};
inline constexpr TextList kRedundancyTexts = {kItemRedundancies, 4};

struct NumberRange {
  int min;
  int max;
};

inline constexpr NumberRange kLineLengthRange = {0, 80};       // a form line's minimum and maximum
inline constexpr NumberRange kBacklightTimeoutRange = {1, 9};  // x 10 seconds
inline constexpr NumberRange kPromptDurationRange = {0, 99};   // x 100 ms
inline constexpr NumberRange kStartToneRange = {1, 5};         // seconds
// The key click list: "Mute", then "Tone" with each of these numbers.
inline constexpr NumberRange kKeyClickTones = {1, 5};

// The longest texts of fields whose slots have room for more.
inline constexpr int kPhoneNumberChars = 20;
inline constexpr int kPasswordChars = 10;
inline constexpr int kInitialValueChars = 9;

}  // namespace q700
