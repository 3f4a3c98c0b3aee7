// The editor sheet's Barcode page, opened for real and driven through its controls, and
// relabelled from an active language.
#include <algorithm>
#include <string>
#include <vector>

#include "barcode_gui_support.h"
#include "editor/barcode_labels.h"
#include "resources/dialogs/barcode_ids.h"
#include "ui/win32/dialog_handler.h"
#include "ui/win32/text_convert.h"

namespace q700::gui_test {
namespace {

class BarcodePageTest : public BarcodeTest {};

TEST_F(BarcodePageTest, SitsBetweenLookupAndSettingsInTheSheet) {
  std::vector<std::wstring> titles;
  RunSheet([&](HWND sheet, HWND) {
    titles = TabTitles(sheet);
    PressCancel(sheet);
  });
  // Pages of the sheet that exist, in the order they must have.
  const std::vector<std::wstring> order = {L"Form",    L"Menu",     L"Lookup",
                                           L"Barcode", L"Settings", L"Startup"};
  size_t next = 0;
  for (const std::wstring& title : titles) {
    while (next < order.size() && order[next] != title) ++next;
    EXPECT_LT(next, order.size()) << "page out of order: " << testing::PrintToString(title);
  }
  EXPECT_NE(std::find(titles.begin(), titles.end(), L"Barcode"), titles.end());
}

TEST_F(BarcodePageTest, NewDesignShowsLaserNoRedundancyAndThreeSeconds) {
  RunBarcodePage([&](HWND sheet, HWND page) {
    EXPECT_EQ(ItemCount(page, IDC_BARCODE_SCAN_MODE), 9);
    EXPECT_EQ(ItemAt(page, IDC_BARCODE_SCAN_MODE, Selection(page, IDC_BARCODE_SCAN_MODE)),
              L"Laser");
    EXPECT_EQ(ItemCount(page, IDC_BARCODE_REDUNDANCY), 4);
    EXPECT_EQ(ItemAt(page, IDC_BARCODE_REDUNDANCY, Selection(page, IDC_BARCODE_REDUNDANCY)),
              L"None");
    EXPECT_EQ(Text(page, IDC_BARCODE_TIMEOUT), L"3");
    PressCancel(sheet);
  });
}

TEST_F(BarcodePageTest, CommitsItsOwnBitsOnOk) {
  design_.barcode.fill(0xFF);
  design_.barcode[20] = 0x65;  // scan mode 6, low bits 5
  design_.barcode[11] = 0xF3;  // redundancy 0
  design_.barcode[22] = 0x3F;  // Code 128 and EAN128 off, bit 4 set
  const Design before = design_;
  const bool ok = RunBarcodePage([&](HWND sheet, HWND page) {
    // The box takes four digits, so a thousand can be typed; the page limits it to 255.
    KeyIn(page, IDC_BARCODE_TIMEOUT, L"1000");
    EXPECT_EQ(Text(page, IDC_BARCODE_TIMEOUT), L"255");
    KeyIn(page, IDC_BARCODE_TIMEOUT, L"45");
    Choose(page, IDC_BARCODE_SCAN_MODE, 1);  // Continuous
    Choose(page, IDC_BARCODE_REDUNDANCY, 2);
    // Only "EAN128" stays checked.
    for (int n = 1; n <= 27; ++n) {
      const int box = IDC_BARCODE_BOX + n;
      if (Checked(page, box) != (n == 25)) Click(page, box);
    }
    EXPECT_TRUE(Checked(page, IDC_BARCODE_BOX + 25));
    EXPECT_FALSE(Checked(page, IDC_BARCODE_BOX + 24));
    PressOk(sheet);
  });
  EXPECT_TRUE(ok);
  const auto& b = design_.barcode;
  EXPECT_EQ(b[20], 0x15);  // Continuous; bits 3-0 kept
  EXPECT_EQ(Bits(b[11], 2, 2), 2u);
  EXPECT_EQ(b[21], 45);
  EXPECT_EQ(b[0], 0x00);
  EXPECT_EQ(b[1], 0x80);   // the Code 128 family bit, for EAN128
  EXPECT_EQ(b[2], 0x0A);   // bits 3 and 1 belong to no box of the page
  EXPECT_EQ(b[3], 0x3F);   // bits 7 and 6 are RSS14 Expanded and RSS14
  EXPECT_EQ(b[11], 0xEB);  // Negative Barcode off, redundancy 2, the rest kept
  EXPECT_EQ(b[12], 0xF7);  // Coop25 off
  EXPECT_EQ(b[22], 0x6F);  // EAN128 on, Code 128 and its copy in bit 4 off
  for (size_t i : {4, 5, 6, 7, 8, 9, 10, 13, 14, 15, 16, 17, 18, 19}) {
    EXPECT_EQ(b[i], before.barcode[i]) << i;
  }
}

TEST_F(BarcodePageTest, SheetCancelDropsThePageButKeepsWhatADialogWrote) {
  const Design before = design_;
  const bool code39 = Bits(before.barcode[0], 7, 1) != 0;
  const bool verify = Bits(before.barcode[5], 6, 1) != 0;
  const bool ok = RunBarcodePage([&](HWND sheet, HWND page) {
    Click(page, IDC_BARCODE_BOX + 1);
    Type(page, IDC_BARCODE_TIMEOUT, L"9");
    Choose(page, IDC_BARCODE_SCAN_MODE, 0);
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Code 39 Parameters");
      EXPECT_EQ(Checked(dialog, IDC_SYMBOLOGY_OPTION + 2), verify);
      Click(dialog, IDC_SYMBOLOGY_OPTION + 2);
      Click(dialog, IDOK);
    });
    Click(page, IDC_BARCODE_MORE + 1);
    PressCancel(sheet);
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(commits_, 0);
  EXPECT_EQ(Bits(design_.barcode[0], 7, 1) != 0, code39);
  EXPECT_EQ(design_.barcode[21], before.barcode[21]);
  EXPECT_EQ(design_.barcode[20], before.barcode[20]);
  EXPECT_EQ(Bits(design_.barcode[5], 6, 1) != 0, !verify);
  Design expected = before;
  expected.barcode[5] = design_.barcode[5];
  EXPECT_TRUE(design_ == expected);
}

TEST_F(BarcodePageTest, PageAndDialogsTakeTheLanguageTexts) {
  texts_.language().Set(301, "Strichcode");
  texts_.language().Set(308, "Code 39 (de)");
  texts_.language().Set(334, "mehr...");
  texts_.language().Set(335, "Code-ID");
  texts_.language().Set(1461, "Aus");
  texts_.language().Set(361, "Code 39 Einstellungen");
  texts_.language().Set(362, "Start/Stopp senden");
  texts_.language().Set(391, "Industrial 25 Einstellungen");
  texts_.language().Set(401, "Hoechstlaenge :");
  texts_.language().Set(404, "Feste Laenge 2:");
  texts_.language().Set(585, "ASCII-Code:");
  texts_.language().Set(1218, "Gut");
  texts_.language().Set(1219, "Abbruch");
  texts_.set_language_active(true);
  design_.barcode[12] |= 0x40;  // Industrial 25: max / min length
  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Strichcode");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(Text(page, IDC_BARCODE_BOX + 1), L"Code 39 (de)");
    EXPECT_EQ(Text(page, IDC_BARCODE_BOX + 2), L"Italian  Pharmacode");
    EXPECT_EQ(Text(page, IDC_BARCODE_MORE + 17), L"mehr...");
    EXPECT_EQ(Text(page, IDC_BARCODE_MORE + 20), L"more...");  // Coop25's keeps its text
    EXPECT_EQ(Text(page, IDC_BARCODE_CODE_ID), L"Code-ID");
    EXPECT_EQ(ItemAt(page, IDC_BARCODE_SCAN_MODE, 0), L"Aus");
    EXPECT_EQ(Text(sheet, IDOK), L"Gut");
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Code 39 Einstellungen");
      EXPECT_EQ(Text(dialog, IDC_SYMBOLOGY_OPTION + 1), L"Start/Stopp senden");
      EXPECT_EQ(Text(dialog, IDC_SYMBOLOGY_OPTION + 2), L"Verify Checksum");
      EXPECT_EQ(Text(dialog, IDOK), L"Gut");
      EXPECT_EQ(Text(dialog, IDCANCEL), L"Abbruch");
      Click(dialog, IDCANCEL);
    });
    Click(page, IDC_BARCODE_MORE + 1);
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Industrial 25 Einstellungen");
      EXPECT_EQ(Text(dialog, IDC_LENGTH_FIRST_LABEL), L"Hoechstlaenge :");
      EXPECT_EQ(Text(dialog, IDC_LENGTH_SECOND_LABEL), L"Min Length :");
      Click(dialog, IDC_SYMBOLOGY_CHOICE + 4);  // "Fixed Length"
      EXPECT_EQ(Text(dialog, IDC_LENGTH_FIRST_LABEL), L"Fixed Length 1:");
      EXPECT_EQ(Text(dialog, IDC_LENGTH_SECOND_LABEL), L"Feste Laenge 2:");
      Click(dialog, IDCANCEL);
    });
    Click(page, IDC_BARCODE_MORE + 4);
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(Text(dialog, IDC_EAN128_ASCII_LABEL), L"ASCII-Code:");
      Click(dialog, IDCANCEL);
    });
    Click(page, IDC_BARCODE_MORE + 17);
    PressCancel(sheet);
  });
}

}  // namespace
}  // namespace q700::gui_test
