// The editor's label tables against the dialog templates the build read: every row names a
// control its template shows, the ids keep to their dialogs' blocks and mean one text each, and
// the English texts and ids are the documented ones.
#include "editor/label_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "editor/barcode_labels.h"
#include "editor/form_labels.h"
#include "editor/page_labels.h"
#include "resources/dialog_texts.h"
#include "texts/string_table.h"

namespace q700::editor {
namespace {

// The language id a table gives a control; 0 when the control is not relabelled.
int IdOf(const LabelTable& table, int control) {
  for (const LabelRow& row : table.rows) {
    if (row.control == control) return row.language_id;
  }
  return 0;
}

const LabelTable& Symbology(BarcodeDialog dialog) { return SymbologyLabels(dialog); }

TEST(LabelTables, NameControlsTheirTemplatesShow) {
  const std::vector<const LabelTable*> tables = EditorLabelTables();
  EXPECT_EQ(tables.size(), 9u + 7u + 21u);
  for (const LabelTable* table : tables) {
    const std::string where(table->dialog);
    EXPECT_FALSE(TemplateTitle(table->dialog).empty()) << where;
    for (const LabelRow& row : table->rows) {
      EXPECT_FALSE(TemplateText(table->dialog, row.control).empty())
          << "control " << row.control << " of " << where;
    }
    for (const ComposedText& composed : table->composed) {
      EXPECT_FALSE(composed.text.empty()) << composed.language_id << " of " << where;
    }
  }
}

// Each dialog keeps to its block of ids, so that a language file reads dialog by dialog.
TEST(LabelTables, KeepTheirIdsInTheirBlocks) {
  const std::map<std::string_view, std::pair<int, int>> blocks = {{"FORMDLG", {51, 69}},
                                                                  {"AdvanceDlg", {71, 99}},
                                                                  {"LookupAdvanceDlg", {101, 109}},
                                                                  {"DateTimeStampDlg", {111, 129}},
                                                                  {"GRIDDLG", {131, 133}},
                                                                  {"FormBranchDlg", {141, 149}},
                                                                  {"FormSummation", {151, 159}},
                                                                  {"FormRemains", {161, 169}},
                                                                  {"ACGRIDDLG", {671, 671}},
                                                                  {"MENUDLG", {201, 214}},
                                                                  {"LOOKUPDLG", {251, 269}},
                                                                  {"SETTINGSDLG", {601, 636}},
                                                                  {"SECURITYDLG", {615, 640}},
                                                                  {"FUNCTIONKEYDLG", {681, 689}},
                                                                  {"ACSETTINGSDLG", {641, 657}},
                                                                  {"STARTUPDLG", {701, 710}},
                                                                  {"BARCODESETTINGDLG", {301, 337}},
                                                                  {"CODEIDDLG", {1661, 1683}},
                                                                  {"WEIGHTCODE", {1750, 1756}}};
  constexpr std::pair<int, int> kSymbologyBlock = {361, 585};
  constexpr int kDeleteIfNullValue = 1795;  // the Lookup page's one label outside its block
  for (const LabelTable* table : EditorLabelTables()) {
    const auto it = blocks.find(table->dialog);
    const auto [first, last] = it != blocks.end() ? it->second : kSymbologyBlock;
    const auto inside = [&](int id) {
      return (id >= first && id <= last) || id == kDeleteIfNullValue;
    };
    EXPECT_TRUE(inside(table->title_id)) << table->dialog;
    for (const LabelRow& row : table->rows)
      EXPECT_TRUE(inside(row.language_id)) << table->dialog << " " << row.control;
    for (const ComposedText& composed : table->composed)
      EXPECT_TRUE(inside(composed.language_id)) << table->dialog << " " << composed.text;
  }
}

// One id names one text in every table, so a language file written from them is unambiguous.
TEST(LabelTables, GiveEveryIdOneText) {
  std::map<int, std::string_view> texts;
  for (const LabelTable* table : EditorLabelTables()) {
    const auto same_text = [&](int id) {
      const std::string_view text = EnglishLabel(*table, id);
      const auto [it, added] = texts.emplace(id, text);
      EXPECT_TRUE(added || it->second == text) << id << ": " << it->second << " / " << text;
    };
    if (table->title_source == LabelSource::kLanguage) same_text(table->title_id);
    for (const LabelRow& row : table->rows) same_text(row.language_id);
    for (const ComposedText& composed : table->composed) same_text(composed.language_id);
  }
}

// A label that is also a string-table text shows the same text with and without a language.
TEST(LabelTables, LoadedLabelsReadAsTheirStringTableTexts) {
  int loaded = 0;
  for (const LabelTable* table : EditorLabelTables()) {
    for (const LabelRow& row : table->rows) {
      if (row.source != LabelSource::kStringTable) continue;
      ++loaded;
      const char* text = FindStringTableText(row.language_id);
      ASSERT_NE(text, nullptr) << row.language_id;
      EXPECT_EQ(EnglishLabel(*table, row.language_id), text);
    }
  }
  EXPECT_EQ(loaded, 8);  // 632-636 of the Settings page, 638-640 of the Security dialog
}

TEST(LabelTables, RelabelTheDocumentedControlsWithTheDocumentedIds) {
  const struct {
    const LabelTable& table;
    int control;
    int id;
  } cases[] = {
      {kBarcodePageLabels, 901, 302},
      {kBarcodePageLabels, 906, 307},
      {kBarcodePageLabels, 123, 330},
      {kBarcodePageLabels, 126, 333},
      {kBarcodePageLabels, 127, 337},
      {kBarcodePageLabels, 201, 334},
      {kBarcodePageLabels, 217, 334},
      {kBarcodePageLabels, 218, 335},
      {kBarcodePageLabels, 219, 336},
      {kBarcodePageLabels, 220, 0},  // the "more..." next to "Coop25" keeps its text
      {kBarcodePageLabels, 907, 0},
      {Symbology(BarcodeDialog::kInterleave25), 901, 412},
      {Symbology(BarcodeDialog::kInterleave25), 101, 416},
      {Symbology(BarcodeDialog::kInterleave25), 902, 418},
      {Symbology(BarcodeDialog::kMatrix25), 155, 440},
      {Symbology(BarcodeDialog::kMsi), 156, 479},
      {Symbology(BarcodeDialog::kMsi), 158, 482},
      {Symbology(BarcodeDialog::kUpce), 105, 506},
      {Symbology(BarcodeDialog::kCodabar), 155, 457},
      {Symbology(BarcodeDialog::kEan128), 902, 585},
      {Symbology(BarcodeDialog::kCodeId), 915, 1677},
      {Symbology(BarcodeDialog::kCodeId), 206, 1683},
      {Symbology(BarcodeDialog::kWeightCode), 1029, 1756},
      {kSettingsPageLabels, 906, 632},
      {kSecurityLabels, 115, 640},
      {kAcousticCouplerLabels, 913, 657},
      {kStartupPageLabels, 202, 708},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IdOf(c.table, c.control), c.id) << c.table.dialog << " " << c.control;
  }
  EXPECT_EQ(Symbology(BarcodeDialog::kInterleave25).title_id, 411);
}

TEST(LabelTables, CarryTheDocumentedEnglishTexts) {
  const struct {
    const LabelTable& table;
    int id;
    std::string_view text;
  } cases[] = {
      {kBarcodePageLabels, 301, "Barcode"},
      {kBarcodePageLabels, 307, "Barcode && Parameters"},
      {kBarcodePageLabels, 323, "EAN13  &&  UPCA"},
      {kBarcodePageLabels, 337, "Coop25"},
      {Symbology(BarcodeDialog::kEan13), 521, "EAN 13 and UPCA Parameters"},
      {Symbology(BarcodeDialog::kEan13), 528, "GTIN for EAN13"},
      {Symbology(BarcodeDialog::kIndustrial25), 391, "Industrial 25 Parameters"},
      {Symbology(BarcodeDialog::kIndustrial25), 392, "Start/Stop Selection"},
      {Symbology(BarcodeDialog::kIndustrial25), 397, "Transmit Checksum"},
      {Symbology(BarcodeDialog::kIndustrial25), 400, "Max / Min Length"},
      {Symbology(BarcodeDialog::kIndustrial25), 401, "Max Length :"},
      {Symbology(BarcodeDialog::kIndustrial25), 404, "Fixed Length 2:"},
      {Symbology(BarcodeDialog::kMatrix25), 433, "Industrial 25"},
      {Symbology(BarcodeDialog::kMatrix25), 443, "Fixed Length 1:"},
      {Symbology(BarcodeDialog::kMsi), 475, "Modulo 11 && 10"},
      {Symbology(BarcodeDialog::kMsi), 479, "Last 2 digits not transmitted"},
      {Symbology(BarcodeDialog::kMsi), 480, "Length Qualification"},
      {Symbology(BarcodeDialog::kMsi), 482, "Max / Min Length"},
      {Symbology(BarcodeDialog::kCodabar), 457, "ABCD / TN*E"},
      {Symbology(BarcodeDialog::kTelepen), 542, "Original Telepen  (Numeric)"},
      {Symbology(BarcodeDialog::kEan128), 584, "Text: "},
      {Symbology(BarcodeDialog::kCodeId), 1661, "Code ID"},
      {Symbology(BarcodeDialog::kCodeId), 1675, "UPCA"},
      {Symbology(BarcodeDialog::kCodeId), 1683, "Clear"},
      {Symbology(BarcodeDialog::kWeightCode), 1756, "1C format"},
      {kFormPageLabels, 58, "if an error occured :"},
      {kFieldPropertiesLabels, kLabelFormNumber, "Form #"},
      {kStampLabels, kLabelTimeFormat, "Time Format : "},
      {kMenuPageLabels, 210, "Save the collected data for each form to separate data files."},
      {kLookupPageLabels, 269,
       "For the exchange through Zentakel.dll only delimiters are to be used!!!"},
      {kLookupPageLabels, kLabelFixedLengthColumn, "   Length"},
      {kLookupPageLabels, kLabelDelimitedColumn, "Max Length"},
      {kLookupPageLabels, 1795, "Delete if null value"},
      {kSettingsPageLabels, 609, "(1 ~ 9) x 10 sec"},
      {kSecurityLabels, 617, "Settings"},
      {kFunctionKeyLabels, 689, "Function 7 (FN+7)  :"},
      {kStartupPageLabels, 709, "Import Prompts and Messages ..."},
      {kKeySequencePickerLabels, 132, "Resulting text :"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EnglishLabel(c.table, c.id), c.text) << c.table.dialog << " " << c.id;
  }
  // A title that is another dialog's label is named there.
  EXPECT_EQ(EnglishLabel(kSecurityLabels, 636), "");
  EXPECT_EQ(EnglishLabel(kSettingsPageLabels, 636), "Security ...");
}

TEST(LanguageIdTexts, ListEveryIdOnceInOrderWithItsEnglishText) {
  const std::vector<LanguageIdText> list = LanguageIdTexts();
  EXPECT_TRUE(std::is_sorted(list.begin(), list.end(),
                             [](const auto& a, const auto& b) { return a.id <= b.id; }));
  std::map<int, std::string> texts;
  for (const LanguageIdText& entry : list) texts.emplace(entry.id, entry.text);
  const std::pair<int, std::string_view> expected[] = {
      {51, "Form"},          {52, "Name :"},      {72, "Form #"},
      {201, "Menu"},         {264, "Max Length"}, {632, "3.  Modem Speed"},
      {721, "1.Collect   "}, {1121, "Error"},     {1218, "OK"},
      {1219, "Cancel"},      {1661, "Code ID"},   {1795, "Delete if null value"}};
  for (const auto& [id, text] : expected) EXPECT_EQ(texts[id], text) << id;
  // Every text of the string table is there.
  for (const StringTableEntry& entry : StringTable()) {
    EXPECT_EQ(texts[entry.id], entry.text) << entry.id;
  }
}

}  // namespace
}  // namespace q700::editor
