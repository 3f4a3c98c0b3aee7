// Label tables of the Barcode page and the symbology dialogs.
#include "editor/barcode_labels.h"

#include <array>
#include <string_view>
#include <vector>

#include "resources/dialogs/barcode_ids.h"

namespace q700::editor {
namespace {

constexpr int kMoreLabel = 334;

constexpr LabelRow kBarcodePageRows[] = {
    {IDC_BARCODE_READER_GROUP, 302, "Reader Settings"},
    {IDC_BARCODE_SCAN_MODE_LABEL, 303, "Scan mode :"},
    {IDC_BARCODE_REDUNDANCY_LABEL, 304, "Read redundancy :"},
    {IDC_BARCODE_TIMEOUT_LABEL, 305, "Time out :"},
    {IDC_BARCODE_SECONDS_LABEL, 306, "sec"},
    {IDC_BARCODE_SYMBOLOGY_GROUP, 307, "Barcode && Parameters"},
    {IDC_BARCODE_BOX + 1, 308, "Code 39"},
    {IDC_BARCODE_BOX + 2, 309, "Italian  Pharmacode"},
    {IDC_BARCODE_BOX + 3, 310, "French  Pharmacode"},
    {IDC_BARCODE_BOX + 4, 311, "Industrial 25"},
    {IDC_BARCODE_BOX + 5, 312, "Interleave 25"},
    {IDC_BARCODE_BOX + 6, 313, "Matrix 25"},
    {IDC_BARCODE_BOX + 7, 314, "Codabar"},
    {IDC_BARCODE_BOX + 8, 315, "MSI"},
    {IDC_BARCODE_BOX + 9, 316, "Plessey"},
    {IDC_BARCODE_BOX + 10, 317, "UPCE"},
    {IDC_BARCODE_BOX + 11, 318, "UPCE  Addon 2"},
    {IDC_BARCODE_BOX + 12, 319, "UPCE  Addon 5"},
    {IDC_BARCODE_BOX + 13, 320, "EAN8"},
    {IDC_BARCODE_BOX + 14, 321, "EAN8  Addon 2"},
    {IDC_BARCODE_BOX + 15, 322, "EAN8  Addon 5"},
    {IDC_BARCODE_BOX + 16, 323, "EAN13  &&  UPCA"},
    {IDC_BARCODE_BOX + 17, 324, "EAN13  Addon 2"},
    {IDC_BARCODE_BOX + 18, 325, "EAN13  Addon 5"},
    {IDC_BARCODE_BOX + 19, 326, "Telepen"},
    {IDC_BARCODE_BOX + 20, 327, "RSS14"},
    {IDC_BARCODE_BOX + 21, 328, "RSS14 Limited"},
    {IDC_BARCODE_BOX + 22, 329, "RSS14 Expanded"},
    {IDC_BARCODE_BOX + 23, 330, "Code 93"},
    {IDC_BARCODE_BOX + 24, 331, "Code 128"},
    {IDC_BARCODE_BOX + 25, 332, "EAN128"},
    {IDC_BARCODE_BOX + 26, 333, "Negative Barcode"},
    {IDC_BARCODE_BOX + 27, 337, "Coop25"},
    // The "more..." button next to "Coop25" (220) keeps its text in every language.
    {IDC_BARCODE_MORE + 1, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 2, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 3, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 4, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 5, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 6, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 7, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 8, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 9, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 10, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 11, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 12, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 13, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 14, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 15, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 16, kMoreLabel, "more..."},
    {IDC_BARCODE_MORE + 17, kMoreLabel, "more..."},
    {IDC_BARCODE_CODE_ID, 335, "Code ID"},
    {IDC_BARCODE_WEIGHT_CODE, 336, "Weight Code"},
};

// Texts of the length dialogs' controls; their ids come from the dialogs' table.
struct ControlText {
  int control;
  std::string_view text;
};
constexpr ControlText kTwoOfFiveTexts[] = {
    {IDC_SYMBOLOGY_GROUP + 1, "Start/Stop Selection"},
    {IDC_SYMBOLOGY_CHOICE + 1, "Industrial 25"},
    {IDC_SYMBOLOGY_CHOICE + 2, "Interleave 25"},
    {IDC_SYMBOLOGY_CHOICE + 3, "Matrix 25"},
    {IDC_SYMBOLOGY_OPTION + 1, "Verify Checksum"},
    {IDC_SYMBOLOGY_OPTION + 2, "Transmit Checksum"},
    {IDC_SYMBOLOGY_GROUP + 2, "Length Qualification"},
    {IDC_SYMBOLOGY_CHOICE + 4, "Fixed Length"},
    {IDC_SYMBOLOGY_CHOICE + 5, "Max / Min Length"},
};
constexpr ControlText kMsiTexts[] = {
    {IDC_SYMBOLOGY_GROUP + 1, "Checksum Verification"},
    {IDC_SYMBOLOGY_CHOICE + 1, "Single Modulo 10"},
    {IDC_SYMBOLOGY_CHOICE + 2, "Double Modulo 10"},
    {IDC_SYMBOLOGY_CHOICE + 3, "Modulo 11 && 10"},
    {IDC_SYMBOLOGY_GROUP + 2, "Checksum Transmission"},
    {IDC_SYMBOLOGY_CHOICE + 4, "Last digit not transmitted"},
    {IDC_SYMBOLOGY_CHOICE + 5, "Transmitted"},
    {IDC_SYMBOLOGY_CHOICE + 6, "Last 2 digits not transmitted"},
    {IDC_SYMBOLOGY_GROUP + 3, "Length Qualification"},
    {IDC_SYMBOLOGY_CHOICE + 7, "Fixed Length"},
    {IDC_SYMBOLOGY_CHOICE + 8, "Max / Min Length"},
};
// The length labels follow the qualification; the dialog sets them itself.
constexpr std::string_view kLengthLabelTexts[] = {
    "Max Length :", "Min Length :", "Fixed Length 1:", "Fixed Length 2:"};

constexpr LabelRow kCodabarRows[] = {
    {IDC_SYMBOLOGY_GROUP + 1, 452, "Start/Stop Character"},
    {IDC_SYMBOLOGY_CHOICE + 1, 453, "None"},
    {IDC_SYMBOLOGY_CHOICE + 2, 454, "abcd / abcd"},
    {IDC_SYMBOLOGY_CHOICE + 3, 455, "abcd / tn*e"},
    {IDC_SYMBOLOGY_CHOICE + 4, 456, "ABCD / ABCD"},
    {IDC_SYMBOLOGY_CHOICE + 5, 457, "ABCD / TN*E"},
};
constexpr LabelRow kTelepenRows[] = {
    {IDC_SYMBOLOGY_CHOICE + 1, 542, "Original Telepen  (Numeric)"},
    {IDC_SYMBOLOGY_CHOICE + 2, 543, "AIM Telepen  (Full ASCII)"},
};
constexpr LabelRow kEan128Rows[] = {
    {IDC_EAN128_TRANSMIT_CODE_ID, 582, "Transmit Code ID"},
    {IDC_EAN128_REPLACEMENT_LABEL, 583, "Field Replacement :"},
    {IDC_EAN128_ASCII_LABEL, 585, "ASCII:"},
    {IDC_EAN128_TEXT_LABEL, 584, "Text: "},
};
constexpr LabelRow kCodeIdRows[] = {
    {IDC_CODE_ID_ENABLE, 1662, "Enable code ID"},
    {IDC_CODE_ID_LABEL + 1, 1663, "Code 39"},
    {IDC_CODE_ID_LABEL + 2, 1664, "Italian Pharmacode"},
    {IDC_CODE_ID_LABEL + 3, 1665, "French Pharmacode"},
    {IDC_CODE_ID_LABEL + 4, 1666, "Industrial 25"},
    {IDC_CODE_ID_LABEL + 5, 1667, "Interleave 25"},
    {IDC_CODE_ID_LABEL + 6, 1668, "Matrix 25"},
    {IDC_CODE_ID_LABEL + 7, 1669, "Codabar"},
    {IDC_CODE_ID_LABEL + 8, 1670, "Code 93"},
    {IDC_CODE_ID_LABEL + 9, 1671, "Code 128"},
    {IDC_CODE_ID_LABEL + 10, 1672, "UPCE"},
    {IDC_CODE_ID_LABEL + 11, 1673, "EAN8"},
    {IDC_CODE_ID_LABEL + 12, 1674, "EAN13"},
    {IDC_CODE_ID_LABEL + 13, 1675, "UPCA"},
    {IDC_CODE_ID_LABEL + 14, 1676, "MSI"},
    {IDC_CODE_ID_LABEL + 15, 1677, "Plessey"},
    {IDC_CODE_ID_SET + 1, 1678, "Set 1"},
    {IDC_CODE_ID_SET + 2, 1679, "Set 2"},
    {IDC_CODE_ID_SET + 3, 1680, "Set 3"},
    {IDC_CODE_ID_SET + 4, 1681, "Set 4"},
    {IDC_CODE_ID_SET + 5, 1682, "Set 5"},
    {IDC_CODE_ID_CLEAR, 1683, "Clear"},
};
constexpr LabelRow kWeightCodeRows[] = {
    {IDC_WEIGHT_ENABLE, 1751, "Enable"},
    {IDC_WEIGHT_PREFIX_LABEL, 1752, "Prefix code:"},
    {IDC_WEIGHT_MASK_LABEL, 1753, "Mask code:"},
    {IDC_WEIGHT_KEY_FIELD_LABEL, 1754, "Key Field:"},
    {IDC_WEIGHT_QUANTITY_LABEL, 1755, "Qty Field:"},
    {IDC_WEIGHT_1C_FORMAT, 1756, "1C format"},
};

std::string_view TextOf(std::span<const ControlText> texts, int control) {
  for (const ControlText& t : texts) {
    if (t.control == control) return t.text;
  }
  return {};
}

// A table built once from the dialogs' own tables; `table.rows` points into `rows`.
struct BuiltTable {
  std::vector<LabelRow> rows;
  LabelTable table{};
};

void BuildCheckBoxTable(const CheckBoxDialogLayout& layout, BuiltTable& built) {
  for (const OptionBox& box : layout.boxes)
    built.rows.push_back({box.control, box.language_id, box.text});
  built.table = {layout.title_id, layout.title, built.rows};
}

void BuildLengthTable(const LengthDialogLayout& layout, BuiltTable& built) {
  const std::span<const ControlText> texts = layout.dialog == BarcodeDialog::kMsi
                                                 ? std::span<const ControlText>(kMsiTexts)
                                                 : std::span<const ControlText>(kTwoOfFiveTexts);
  for (const ControlLabel& label : layout.labels) {
    built.rows.push_back({label.control, label.language_id, TextOf(texts, label.control)});
  }
  for (size_t i = 0; i < layout.length_label_ids.size(); ++i) {
    built.rows.push_back({0, layout.length_label_ids[i], kLengthLabelTexts[i]});
  }
  built.table = {layout.title_id, layout.title, built.rows};
}

const std::array<BuiltTable, kBarcodeDialogCount>& Tables() {
  static const std::array<BuiltTable, kBarcodeDialogCount> tables = [] {
    std::array<BuiltTable, kBarcodeDialogCount> t;
    auto at = [&t](BarcodeDialog d) -> BuiltTable& { return t[static_cast<size_t>(d)]; };
    for (const CheckBoxDialogLayout& layout : CheckBoxDialogLayouts())
      BuildCheckBoxTable(layout, at(layout.dialog));
    for (const LengthDialogLayout& layout : LengthDialogLayouts())
      BuildLengthTable(layout, at(layout.dialog));
    at(BarcodeDialog::kCodabar).table = {451, "Codabar Parameters", kCodabarRows};
    at(BarcodeDialog::kTelepen).table = {541, "Telepen Parameters", kTelepenRows};
    at(BarcodeDialog::kEan128).table = {581, "EAN128 Parameters", kEan128Rows};
    at(BarcodeDialog::kCodeId).table = {1661, "Code ID", kCodeIdRows};
    at(BarcodeDialog::kWeightCode).table = {1750, "Weight Code", kWeightCodeRows};
    return t;
  }();
  return tables;
}

}  // namespace

const LabelTable kBarcodePageLabels = {301, "Barcode", kBarcodePageRows};

const LabelTable& SymbologyLabels(BarcodeDialog dialog) {
  return Tables()[static_cast<size_t>(dialog)].table;
}

std::span<const LabelTable* const> BarcodeLabelTables() {
  static const std::array<const LabelTable*, kBarcodeDialogCount + 1> all = [] {
    std::array<const LabelTable*, kBarcodeDialogCount + 1> a{&kBarcodePageLabels};
    for (int i = 0; i < kBarcodeDialogCount; ++i) {
      a[static_cast<size_t>(i) + 1] = &SymbologyLabels(static_cast<BarcodeDialog>(i));
    }
    return a;
  }();
  return all;
}

}  // namespace q700::editor
