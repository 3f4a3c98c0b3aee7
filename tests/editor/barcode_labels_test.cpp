// The label tables of the Barcode page and the symbology dialogs: the same ids as the dialogs
// relabel with, and the document's texts for them.
#include "editor/barcode_labels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "editor/barcode_page.h"

namespace q700::editor {
namespace {

using Pairs = std::set<std::pair<int, int>>;

Pairs TablePairs(const LabelTable& table) {
  Pairs pairs;
  for (const LabelRow& row : table.rows) {
    if (row.control != 0) pairs.insert({row.control, row.language_id});
  }
  return pairs;
}

Pairs DialogPairs(const DialogLabels& labels) {
  Pairs pairs;
  for (const ControlLabel& l : labels.controls) {
    // OK and Cancel are relabelled in every dialog, without a row of their own.
    if (l.control != kOkButton && l.control != kCancelButton) {
      pairs.insert({l.control, l.language_id});
    }
  }
  return pairs;
}

const LabelRow* RowOf(const LabelTable& table, int control) {
  const auto it = std::find_if(table.rows.begin(), table.rows.end(),
                               [&](const LabelRow& row) { return row.control == control; });
  return it == table.rows.end() ? nullptr : &*it;
}

TEST(BarcodeLabelTables, AgreeWithTheIdsTheDialogsRelabelWith) {
  EXPECT_EQ(kBarcodePageLabels.title_id, BarcodePage::Labels().title_id);
  EXPECT_EQ(TablePairs(kBarcodePageLabels), DialogPairs(BarcodePage::Labels()));
  for (int i = 0; i < kBarcodeDialogCount; ++i) {
    const auto dialog = static_cast<BarcodeDialog>(i);
    const LabelTable& table = SymbologyLabels(dialog);
    EXPECT_EQ(table.title_id, LabelsOf(dialog).title_id) << i;
    EXPECT_EQ(TablePairs(table), DialogPairs(LabelsOf(dialog))) << i;
    EXPECT_FALSE(table.title.empty()) << i;
    for (const LabelRow& row : table.rows)
      EXPECT_FALSE(row.text.empty()) << i << " " << row.control;
  }
  EXPECT_EQ(BarcodeLabelTables().size(), 21u);
  EXPECT_EQ(BarcodeLabelTables()[0], &kBarcodePageLabels);
}

TEST(BarcodeLabelTables, CarryTheDocumentsTexts) {
  const LabelTable& page = kBarcodePageLabels;
  EXPECT_EQ(page.title, "Barcode");
  EXPECT_EQ(BuiltInLabel(page, 307), "Barcode && Parameters");
  EXPECT_EQ(BuiltInLabel(page, 323), "EAN13  &&  UPCA");
  EXPECT_EQ(BuiltInLabel(page, 337), "Coop25");
  EXPECT_EQ(RowOf(page, 220), nullptr);  // the Coop25 "more..." keeps its text
  EXPECT_EQ(RowOf(page, 907), nullptr);

  const LabelTable& ean13 = SymbologyLabels(BarcodeDialog::kEan13);
  EXPECT_EQ(ean13.title, "EAN 13 and UPCA Parameters");
  EXPECT_EQ(BuiltInLabel(ean13, 528), "GTIN for EAN13");

  const LabelTable& industrial = SymbologyLabels(BarcodeDialog::kIndustrial25);
  EXPECT_EQ(industrial.title, "Industrial 25 Parameters");
  EXPECT_EQ(BuiltInLabel(industrial, 392), "Start/Stop Selection");
  EXPECT_EQ(BuiltInLabel(industrial, 397), "Transmit Checksum");
  EXPECT_EQ(BuiltInLabel(industrial, 400), "Max / Min Length");
  EXPECT_EQ(BuiltInLabel(industrial, 401), "Max Length :");
  EXPECT_EQ(BuiltInLabel(industrial, 404), "Fixed Length 2:");
  const LabelTable& matrix = SymbologyLabels(BarcodeDialog::kMatrix25);
  EXPECT_EQ(BuiltInLabel(matrix, 433), "Industrial 25");
  EXPECT_EQ(BuiltInLabel(matrix, 443), "Fixed Length 1:");

  const LabelTable& msi = SymbologyLabels(BarcodeDialog::kMsi);
  EXPECT_EQ(BuiltInLabel(msi, 475), "Modulo 11 && 10");
  EXPECT_EQ(BuiltInLabel(msi, 479), "Last 2 digits not transmitted");
  EXPECT_EQ(BuiltInLabel(msi, 480), "Length Qualification");
  EXPECT_EQ(BuiltInLabel(msi, 482), "Max / Min Length");

  EXPECT_EQ(BuiltInLabel(SymbologyLabels(BarcodeDialog::kCodabar), 457), "ABCD / TN*E");
  EXPECT_EQ(BuiltInLabel(SymbologyLabels(BarcodeDialog::kTelepen), 542),
            "Original Telepen  (Numeric)");
  const LabelTable& ean128 = SymbologyLabels(BarcodeDialog::kEan128);
  EXPECT_EQ(BuiltInLabel(ean128, 584), "Text: ");
  EXPECT_EQ(RowOf(ean128, 902)->language_id, 585);
  const LabelTable& code_id = SymbologyLabels(BarcodeDialog::kCodeId);
  EXPECT_EQ(code_id.title, "Code ID");
  EXPECT_EQ(BuiltInLabel(code_id, 1675), "UPCA");
  EXPECT_EQ(BuiltInLabel(code_id, 1683), "Clear");
  EXPECT_EQ(BuiltInLabel(SymbologyLabels(BarcodeDialog::kWeightCode), 1756), "1C format");
}

}  // namespace
}  // namespace q700::editor
