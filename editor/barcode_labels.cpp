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
    {IDC_BARCODE_READER_GROUP, 302},
    {IDC_BARCODE_SCAN_MODE_LABEL, 303},
    {IDC_BARCODE_REDUNDANCY_LABEL, 304},
    {IDC_BARCODE_TIMEOUT_LABEL, 305},
    {IDC_BARCODE_SECONDS_LABEL, 306},
    {IDC_BARCODE_SYMBOLOGY_GROUP, 307},
    {IDC_BARCODE_BOX + 1, 308},
    {IDC_BARCODE_BOX + 2, 309},
    {IDC_BARCODE_BOX + 3, 310},
    {IDC_BARCODE_BOX + 4, 311},
    {IDC_BARCODE_BOX + 5, 312},
    {IDC_BARCODE_BOX + 6, 313},
    {IDC_BARCODE_BOX + 7, 314},
    {IDC_BARCODE_BOX + 8, 315},
    {IDC_BARCODE_BOX + 9, 316},
    {IDC_BARCODE_BOX + 10, 317},
    {IDC_BARCODE_BOX + 11, 318},
    {IDC_BARCODE_BOX + 12, 319},
    {IDC_BARCODE_BOX + 13, 320},
    {IDC_BARCODE_BOX + 14, 321},
    {IDC_BARCODE_BOX + 15, 322},
    {IDC_BARCODE_BOX + 16, 323},
    {IDC_BARCODE_BOX + 17, 324},
    {IDC_BARCODE_BOX + 18, 325},
    {IDC_BARCODE_BOX + 19, 326},
    {IDC_BARCODE_BOX + 20, 327},
    {IDC_BARCODE_BOX + 21, 328},
    {IDC_BARCODE_BOX + 22, 329},
    {IDC_BARCODE_BOX + 23, 330},
    {IDC_BARCODE_BOX + 24, 331},
    {IDC_BARCODE_BOX + 25, 332},
    {IDC_BARCODE_BOX + 26, 333},
    {IDC_BARCODE_BOX + 27, 337},
    // The "more..." button next to "Coop25" (220) keeps its text in every language.
    {IDC_BARCODE_MORE + 1, kMoreLabel},
    {IDC_BARCODE_MORE + 2, kMoreLabel},
    {IDC_BARCODE_MORE + 3, kMoreLabel},
    {IDC_BARCODE_MORE + 4, kMoreLabel},
    {IDC_BARCODE_MORE + 5, kMoreLabel},
    {IDC_BARCODE_MORE + 6, kMoreLabel},
    {IDC_BARCODE_MORE + 7, kMoreLabel},
    {IDC_BARCODE_MORE + 8, kMoreLabel},
    {IDC_BARCODE_MORE + 9, kMoreLabel},
    {IDC_BARCODE_MORE + 10, kMoreLabel},
    {IDC_BARCODE_MORE + 11, kMoreLabel},
    {IDC_BARCODE_MORE + 12, kMoreLabel},
    {IDC_BARCODE_MORE + 13, kMoreLabel},
    {IDC_BARCODE_MORE + 14, kMoreLabel},
    {IDC_BARCODE_MORE + 15, kMoreLabel},
    {IDC_BARCODE_MORE + 16, kMoreLabel},
    {IDC_BARCODE_MORE + 17, kMoreLabel},
    {IDC_BARCODE_CODE_ID, 335},
    {IDC_BARCODE_WEIGHT_CODE, 336},
};

// The length labels follow the qualification; the dialog sets them itself.
constexpr std::array<std::string_view, 4> kLengthLabelTexts = {
    "Max Length :", "Min Length :", "Fixed Length 1:", "Fixed Length 2:"};

constexpr LabelRow kCodabarRows[] = {
    {IDC_SYMBOLOGY_GROUP + 1, 452},  {IDC_SYMBOLOGY_CHOICE + 1, 453},
    {IDC_SYMBOLOGY_CHOICE + 2, 454}, {IDC_SYMBOLOGY_CHOICE + 3, 455},
    {IDC_SYMBOLOGY_CHOICE + 4, 456}, {IDC_SYMBOLOGY_CHOICE + 5, 457},
};
constexpr LabelRow kTelepenRows[] = {
    {IDC_SYMBOLOGY_CHOICE + 1, 542},
    {IDC_SYMBOLOGY_CHOICE + 2, 543},
};
constexpr LabelRow kEan128Rows[] = {
    {IDC_EAN128_TRANSMIT_CODE_ID, 582},
    {IDC_EAN128_REPLACEMENT_LABEL, 583},
    {IDC_EAN128_ASCII_LABEL, 585},
    {IDC_EAN128_TEXT_LABEL, 584},
};
constexpr LabelRow kCodeIdRows[] = {
    {IDC_CODE_ID_ENABLE, 1662},     {IDC_CODE_ID_LABEL + 1, 1663},  {IDC_CODE_ID_LABEL + 2, 1664},
    {IDC_CODE_ID_LABEL + 3, 1665},  {IDC_CODE_ID_LABEL + 4, 1666},  {IDC_CODE_ID_LABEL + 5, 1667},
    {IDC_CODE_ID_LABEL + 6, 1668},  {IDC_CODE_ID_LABEL + 7, 1669},  {IDC_CODE_ID_LABEL + 8, 1670},
    {IDC_CODE_ID_LABEL + 9, 1671},  {IDC_CODE_ID_LABEL + 10, 1672}, {IDC_CODE_ID_LABEL + 11, 1673},
    {IDC_CODE_ID_LABEL + 12, 1674}, {IDC_CODE_ID_LABEL + 13, 1675}, {IDC_CODE_ID_LABEL + 14, 1676},
    {IDC_CODE_ID_LABEL + 15, 1677}, {IDC_CODE_ID_SET + 1, 1678},    {IDC_CODE_ID_SET + 2, 1679},
    {IDC_CODE_ID_SET + 3, 1680},    {IDC_CODE_ID_SET + 4, 1681},    {IDC_CODE_ID_SET + 5, 1682},
    {IDC_CODE_ID_CLEAR, 1683},
};
constexpr LabelRow kWeightCodeRows[] = {
    {IDC_WEIGHT_ENABLE, 1751},         {IDC_WEIGHT_PREFIX_LABEL, 1752},
    {IDC_WEIGHT_MASK_LABEL, 1753},     {IDC_WEIGHT_KEY_FIELD_LABEL, 1754},
    {IDC_WEIGHT_QUANTITY_LABEL, 1755}, {IDC_WEIGHT_1C_FORMAT, 1756},
};

// A table built once from the dialogs' own tables; `table` points into `rows` and `composed`.
struct BuiltTable {
  std::vector<LabelRow> rows;
  std::vector<ComposedText> composed;
  LabelTable table{};
};

std::string_view TemplateOf(BarcodeDialog dialog) { return InfoOf(dialog).template_name; }

void BuildCheckBoxTable(const CheckBoxDialogLayout& layout, BuiltTable& built) {
  for (const OptionBox& box : layout.boxes) built.rows.push_back({box.control, box.language_id});
  built.table = {TemplateOf(layout.dialog), layout.title_id, built.rows};
}

void BuildLengthTable(const LengthDialogLayout& layout, BuiltTable& built) {
  built.rows.assign(layout.labels.begin(), layout.labels.end());
  for (const OptionBox& box : layout.boxes) built.rows.push_back({box.control, box.language_id});
  for (size_t i = 0; i < layout.length_label_ids.size(); ++i) {
    built.composed.push_back({layout.length_label_ids[i], kLengthLabelTexts[i]});
  }
  built.table = {TemplateOf(layout.dialog), layout.title_id, built.rows, built.composed};
}

const std::array<BuiltTable, kBarcodeDialogCount>& Tables() {
  static const std::array<BuiltTable, kBarcodeDialogCount> tables = [] {
    std::array<BuiltTable, kBarcodeDialogCount> t;
    auto at = [&t](BarcodeDialog d) -> BuiltTable& { return t[static_cast<size_t>(d)]; };
    for (const CheckBoxDialogLayout& layout : CheckBoxDialogLayouts())
      BuildCheckBoxTable(layout, at(layout.dialog));
    for (const LengthDialogLayout& layout : LengthDialogLayouts())
      BuildLengthTable(layout, at(layout.dialog));
    at(BarcodeDialog::kCodabar).table = {TemplateOf(BarcodeDialog::kCodabar), 451, kCodabarRows};
    at(BarcodeDialog::kTelepen).table = {TemplateOf(BarcodeDialog::kTelepen), 541, kTelepenRows};
    at(BarcodeDialog::kEan128).table = {TemplateOf(BarcodeDialog::kEan128), 581, kEan128Rows};
    at(BarcodeDialog::kCodeId).table = {TemplateOf(BarcodeDialog::kCodeId), 1661, kCodeIdRows};
    at(BarcodeDialog::kWeightCode).table = {TemplateOf(BarcodeDialog::kWeightCode), 1750,
                                            kWeightCodeRows};
    return t;
  }();
  return tables;
}

}  // namespace

const LabelTable kBarcodePageLabels = {"BARCODESETTINGDLG", 301, kBarcodePageRows};

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
