// The tables of the symbology dialogs.
#include "editor/symbology_tables.h"

namespace q700::editor {
namespace {

namespace bc = barcode;
using enum BarcodeDialog;

constexpr std::array<BarcodeDialogInfo, kBarcodeDialogCount> kDialogs = {{
    {kCode39, 201, "Code39Dlg", DialogKind::kCheckBoxes},
    {kItalianPharmacode, 202, "ItalyPharmaDlg", DialogKind::kCheckBoxes},
    {kFrenchPharmacode, 203, "FrenchPharmaDlg", DialogKind::kCheckBoxes},
    {kIndustrial25, 204, "Industrial25Dlg", DialogKind::kLength},
    {kInterleave25, 205, "Interleave25Dlg", DialogKind::kLength},
    {kMatrix25, 206, "Matrix25Dlg", DialogKind::kLength},
    {kCodabar, 207, "CodabarDlg", DialogKind::kCodabar},
    {kMsi, 208, "MSIDlg", DialogKind::kLength},
    {kPlessey, 209, "PlesseyDlg", DialogKind::kCheckBoxes},
    {kUpce, 210, "UPCEDlg", DialogKind::kCheckBoxes},
    {kEan8, 211, "EAN8Dlg", DialogKind::kCheckBoxes},
    {kEan13, 212, "EAN13Dlg", DialogKind::kCheckBoxes},
    {kTelepen, 213, "TelepenDlg", DialogKind::kTelepen},
    {kRss14, 214, "RSS14Dlg", DialogKind::kCheckBoxes},
    {kRss14Limited, 215, "RSS14LimitedDlg", DialogKind::kCheckBoxes},
    {kRss14Expanded, 216, "RSS14ExpandedDlg", DialogKind::kCheckBoxes},
    {kEan128, 217, "EAN128Dlg", DialogKind::kEan128},
    {kCodeId, 218, "CODEIDDLG", DialogKind::kCodeId},
    {kWeightCode, 219, "WEIGHTCODE", DialogKind::kWeightCode},
    {kCoop25, 220, "COOP25DLG", DialogKind::kCheckBoxes},
}};

// Check-box dialogs.
constexpr OptionBox kCode39Boxes[] = {
    {101, 362, bc::kCode39StartStop},
    {102, 363, bc::kCode39VerifyChecksum},
    {103, 364, bc::kCode39TransmitChecksum},
    {104, 365, bc::kCode39FullAscii},
};
constexpr OptionBox kItalianBoxes[] = {
    {101, 372, bc::kItalianTransmitChecksum},
};
constexpr OptionBox kFrenchBoxes[] = {
    {101, 382, bc::kFrenchTransmitChecksum},
};
constexpr OptionBox kPlesseyBoxes[] = {
    {101, 492, bc::kPlesseyUk},
    {102, 493, bc::kPlesseyTransmitChecksum},
};
constexpr OptionBox kCoop25Boxes[] = {
    {101, 496, bc::kCoop25CheckDigit},
    {102, 497, bc::kCoop25TransmitDigit},
};
constexpr OptionBox kUpceBoxes[] = {
    {101, 502, bc::kUpceToUpca},
    {102, 503, bc::kUpceSystemNumber},
    {103, 504, bc::kUpceTransmitChecksum},
    {104, 505, bc::kUpcE1TripleCheck},
    {105, 506, bc::kUpcE1},
};
constexpr OptionBox kEan8Boxes[] = {
    {101, 512, bc::kEan8ToEan13},
    {102, 513, bc::kEan8TransmitChecksum},
};
constexpr OptionBox kEan13Boxes[] = {
    {101, 522, bc::kEan13Isbn},
    {102, 523, bc::kEan13Issn},
    {103, 524, bc::kEan13TransmitChecksum},
    {104, 525, bc::kUpcaSystemNumber},
    {105, 526, bc::kUpcaTransmitChecksum},
    {106, 527, bc::kUpcaToEan13},
    {107, 528, bc::kEan13Gtin},
};
constexpr OptionBox kRss14Boxes[] = {
    {101, 552, bc::kRss14CodeId},
    {102, 553, bc::kRss14ApplicationId},
    {103, 554, bc::kRss14CheckDigit},
};
constexpr OptionBox kRss14LimitedBoxes[] = {
    {101, 562, bc::kRss14LimitedCodeId},
    {102, 563, bc::kRss14LimitedApplicationId},
    {103, 564, bc::kRss14LimitedCheckDigit},
};
constexpr OptionBox kRss14ExpandedBoxes[] = {
    {101, 572, bc::kRss14ExpandedCodeId},
};

constexpr std::array<CheckBoxDialogLayout, 11> kCheckBoxDialogs = {{
    {kCode39, 361, kCode39Boxes},
    {kItalianPharmacode, 371, kItalianBoxes},
    {kFrenchPharmacode, 381, kFrenchBoxes},
    {kPlessey, 491, kPlesseyBoxes},
    {kCoop25, 495, kCoop25Boxes},
    {kUpce, 501, kUpceBoxes},
    {kEan8, 511, kEan8Boxes},
    {kEan13, 521, kEan13Boxes},
    {kRss14, 551, kRss14Boxes},
    {kRss14Limited, 561, kRss14LimitedBoxes},
    {kRss14Expanded, 571, kRss14ExpandedBoxes},
}};

// Length dialogs. The three two-of-five dialogs number their labels one after another from the
// title's id: group 901, start/stop 151-153, (the checksum boxes 101-102, which their boxes
// name), group 902, 154-155.
constexpr std::array<LabelRow, 7> TwoOfFiveLabels(int title_id) {
  return {{{901, title_id + 1},
           {151, title_id + 2},
           {152, title_id + 3},
           {153, title_id + 4},
           {902, title_id + 7},
           {154, title_id + 8},
           {155, title_id + 9}}};
}
constexpr auto kIndustrial25Labels = TwoOfFiveLabels(391);
constexpr auto kInterleave25Labels = TwoOfFiveLabels(411);
constexpr auto kMatrix25Labels = TwoOfFiveLabels(431);
constexpr LabelRow kMsiLabels[] = {
    {901, 472}, {151, 473}, {152, 474}, {153, 475}, {902, 476}, {154, 477},
    {155, 478}, {156, 479}, {903, 480}, {157, 481}, {158, 482},
};

constexpr RadioGroup kIndustrial25Choices[] = {{151, 3, bc::kIndustrial25StartStop}};
constexpr RadioGroup kInterleave25Choices[] = {{151, 3, bc::kInterleave25StartStop}};
constexpr RadioGroup kMatrix25Choices[] = {{151, 3, bc::kMatrix25StartStop}};
constexpr RadioGroup kMsiChoices[] = {{151, 3, bc::kMsiVerification},
                                      {154, 3, bc::kMsiTransmission}};

constexpr OptionBox kIndustrial25Boxes[] = {
    {101, 396, bc::kIndustrial25VerifyChecksum},
    {102, 397, bc::kIndustrial25TransmitChecksum},
};
constexpr OptionBox kInterleave25Boxes[] = {
    {101, 416, bc::kInterleave25VerifyChecksum},
    {102, 417, bc::kInterleave25TransmitChecksum},
};
constexpr OptionBox kMatrix25Boxes[] = {
    {101, 436, bc::kMatrix25VerifyChecksum},
    {102, 437, bc::kMatrix25TransmitChecksum},
};

constexpr std::array<LengthDialogLayout, 4> kLengthDialogs = {{
    {kIndustrial25,
     391,
     kIndustrial25Choices,
     kIndustrial25Boxes,
     {154, 2, bc::kIndustrial25LengthMode},
     bc::kIndustrial25First,
     bc::kIndustrial25Second,
     {401, 402, 403, 404},
     kIndustrial25Labels},
    {kInterleave25,
     411,
     kInterleave25Choices,
     kInterleave25Boxes,
     {154, 2, bc::kInterleave25LengthMode},
     bc::kInterleave25First,
     bc::kInterleave25Second,
     {421, 422, 423, 424},
     kInterleave25Labels},
    {kMatrix25,
     431,
     kMatrix25Choices,
     kMatrix25Boxes,
     {154, 2, bc::kMatrix25LengthMode},
     bc::kMatrix25First,
     bc::kMatrix25Second,
     {441, 442, 443, 444},
     kMatrix25Labels},
    {kMsi,
     471,
     kMsiChoices,
     {},
     {157, 2, bc::kMsiLengthMode},
     bc::kMsiFirst,
     bc::kMsiSecond,
     {483, 484, 485, 486},
     kMsiLabels},
}};

}  // namespace

const BarcodeDialogInfo& InfoOf(BarcodeDialog dialog) {
  return kDialogs[static_cast<size_t>(dialog)];
}

std::optional<BarcodeDialog> DialogOfButton(int button) {
  const int index = button - kFirstDialogButton;
  if (index < 0 || index >= kBarcodeDialogCount) return std::nullopt;
  return static_cast<BarcodeDialog>(index);
}

std::span<const CheckBoxDialogLayout> CheckBoxDialogLayouts() { return kCheckBoxDialogs; }

std::span<const LengthDialogLayout> LengthDialogLayouts() { return kLengthDialogs; }

const CheckBoxDialogLayout* FindCheckBoxDialog(BarcodeDialog dialog) {
  for (const auto& layout : kCheckBoxDialogs) {
    if (layout.dialog == dialog) return &layout;
  }
  return nullptr;
}

const LengthDialogLayout* FindLengthDialog(BarcodeDialog dialog) {
  for (const auto& layout : kLengthDialogs) {
    if (layout.dialog == dialog) return &layout;
  }
  return nullptr;
}

}  // namespace q700::editor
