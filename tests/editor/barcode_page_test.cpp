// The Barcode page: reader settings, the time-out box, the symbology boxes and their commit.
#include "editor/barcode_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "editor/symbology_logic.h"
#include "model/defaults.h"
#include "texts/terminal_texts.h"

namespace q700::editor {
namespace {

class BarcodePageTest : public testing::Test {
 protected:
  BarcodePageTest() { ResetDesign(design_, DefaultTerminalTexts()); }

  bool Bit(size_t byte, int bit) const { return GetBit(design_.barcode[byte], bit); }

  Design design_;
  TextLoader texts_;
  BarcodePage page_{texts_};
};

TEST_F(BarcodePageTest, NewDesignShowsLaserNoneAndThreeSeconds) {
  const BarcodePageLists lists = page_.Lists();
  ASSERT_EQ(lists.scan_modes.size(), 9u);
  EXPECT_EQ(lists.scan_modes[0], "Auto Off");
  EXPECT_EQ(lists.scan_modes[8], "Aiming");
  ASSERT_EQ(lists.redundancies.size(), 4u);
  EXPECT_EQ(lists.redundancies[3], "Three times");

  const BarcodePageView v = page_.Open(design_);
  EXPECT_EQ(lists.scan_modes[v.scan_mode], "Laser");
  EXPECT_EQ(lists.redundancies[v.redundancy], "None");
  EXPECT_EQ(v.timeout, "3");
  // Byte 0 of a new design is 9B: Code 39, Industrial 25, Interleave 25, Codabar, Code 93.
  ASSERT_EQ(v.boxes.size(), 27u);
  EXPECT_TRUE(IsChecked(v.boxes, 101));
  EXPECT_FALSE(IsChecked(v.boxes, 102));
  EXPECT_TRUE(IsChecked(v.boxes, 104));
  EXPECT_FALSE(IsChecked(v.boxes, 106));
  EXPECT_TRUE(IsChecked(v.boxes, 123));
  EXPECT_TRUE(IsChecked(v.boxes, 124));
  EXPECT_TRUE(IsChecked(v.boxes, 125));
  EXPECT_FALSE(IsChecked(v.boxes, 126));
}

TEST_F(BarcodePageTest, TimeoutBoxHoldsOneTo255) {
  page_.Open(design_);
  EXPECT_EQ(page_.ChangeTimeout("300"), "255");
  page_.Apply(design_);
  EXPECT_EQ(design_.barcode[21], 255);

  page_.Open(design_);
  EXPECT_EQ(page_.ChangeTimeout("007"), "7");
  page_.Apply(design_);
  EXPECT_EQ(design_.barcode[21], 7);

  page_.Open(design_);
  EXPECT_EQ(page_.ChangeTimeout(""), "1");
  page_.Apply(design_);
  EXPECT_EQ(design_.barcode[21], 1);

  page_.Open(design_);
  EXPECT_EQ(page_.ChangeTimeout("0"), "1");
  EXPECT_EQ(page_.ChangeTimeout("12"), std::nullopt);
  EXPECT_EQ(page_.ChangeTimeout("255"), std::nullopt);
  EXPECT_EQ(page_.ChangeTimeout("1000"), "255");  // the box takes four characters
  EXPECT_EQ(page_.ChangeTimeout("99999999999"), "255");
  EXPECT_EQ(page_.ChangeTimeout("45"), std::nullopt);
  page_.Apply(design_);
  EXPECT_EQ(design_.barcode[21], 45);
}

TEST_F(BarcodePageTest, OnlyEan128SetsTheFamilyAndClearsTheCode128Copy) {
  design_.barcode[22] |= 0x10;
  page_.Open(design_);
  EXPECT_FALSE(page_.ClickBox(kCode128Box));
  page_.Apply(design_);
  EXPECT_TRUE(Bit(1, 7));
  EXPECT_FALSE(Bit(22, 7));
  EXPECT_TRUE(Bit(22, 6));
  EXPECT_FALSE(Bit(22, 4));
}

TEST_F(BarcodePageTest, OnlyCode128SetsItsCopy) {
  page_.Open(design_);
  page_.ClickBox(kEan128Box);
  page_.Apply(design_);
  EXPECT_TRUE(Bit(1, 7));
  EXPECT_TRUE(Bit(22, 7));
  EXPECT_FALSE(Bit(22, 6));
  EXPECT_TRUE(Bit(22, 4));
}

TEST_F(BarcodePageTest, BothOffLeaveTheCode128CopyAsItWas) {
  for (const bool copy : {false, true}) {
    SetBit(design_.barcode[22], 4, copy);
    page_.Open(design_);
    page_.ClickBox(kCode128Box);
    page_.ClickBox(kEan128Box);
    page_.Apply(design_);
    EXPECT_FALSE(Bit(1, 7));
    EXPECT_FALSE(Bit(22, 7));
    EXPECT_FALSE(Bit(22, 6));
    EXPECT_EQ(Bit(22, 4), copy);
    // Both on again for the next round.
    page_.Open(design_);
    page_.ClickBox(kCode128Box);
    page_.ClickBox(kEan128Box);
    page_.Apply(design_);
  }
}

TEST_F(BarcodePageTest, BoxesAndListsLandInTheirBits) {
  page_.Open(design_);
  EXPECT_TRUE(page_.ClickBox(102));   // Italian Pharmacode, byte 0 bit 6
  EXPECT_TRUE(page_.ClickBox(108));   // MSI, byte 2 bit 5
  EXPECT_TRUE(page_.ClickBox(121));   // RSS14 Limited, byte 2 bit 0
  EXPECT_TRUE(page_.ClickBox(122));   // RSS14 Expanded, byte 3 bit 7
  EXPECT_TRUE(page_.ClickBox(126));   // Negative Barcode, byte 11 bit 4
  EXPECT_TRUE(page_.ClickBox(127));   // Coop25, byte 12 bit 3
  EXPECT_FALSE(page_.ClickBox(116));  // EAN13 & UPCA, byte 1 bit 0
  EXPECT_FALSE(page_.ClickBox(128));  // no such box
  page_.SelectScanMode(8);
  page_.SelectRedundancy(3);
  page_.Apply(design_);
  EXPECT_TRUE(Bit(0, 6));
  EXPECT_TRUE(Bit(2, 5));
  EXPECT_TRUE(Bit(2, 0));
  EXPECT_TRUE(Bit(3, 7));
  EXPECT_TRUE(Bit(11, 4));
  EXPECT_TRUE(Bit(12, 3));
  EXPECT_FALSE(Bit(1, 0));
  EXPECT_EQ(design_.barcode[20], 0x86);  // scan mode 8 over the kept low bits 6
  EXPECT_EQ(GetBits(design_.barcode[11], 2, 2), 3u);
}

// Every symbology box but the Code 128 pair (which share byte 22) writes its own bit and no
// other: from a block of zeros a click and OK set exactly it, from a block of ones they clear it.
TEST_F(BarcodePageTest, EachBoxWritesItsOwnBit) {
  struct Case {
    int box;
    size_t byte;
    int bit;
  };
  const Case cases[] = {
      {101, 0, 7}, {102, 0, 6}, {103, 0, 5},  {104, 0, 4},  {105, 0, 3}, {106, 0, 2}, {107, 0, 1},
      {108, 2, 5}, {109, 2, 4}, {110, 1, 6},  {111, 1, 5},  {112, 1, 4}, {113, 1, 3}, {114, 1, 2},
      {115, 1, 1}, {116, 1, 0}, {117, 2, 7},  {118, 2, 6},  {119, 2, 2}, {120, 3, 6}, {121, 2, 0},
      {122, 3, 7}, {123, 0, 0}, {126, 11, 4}, {127, 12, 3},
  };
  for (const Case& c : cases) {
    for (const uint8_t fill : {uint8_t{0x00}, uint8_t{0xFF}}) {
      std::fill(design_.barcode.begin(), design_.barcode.end(), fill);
      page_.Open(design_);
      page_.ClickBox(c.box);
      page_.Apply(design_);
      for (size_t i = 0; i < design_.barcode.size(); ++i) {
        uint8_t expected = fill;
        if (i == c.byte) expected ^= static_cast<uint8_t>(1u << c.bit);
        EXPECT_EQ(design_.barcode[i], expected)
            << "box " << c.box << " byte " << i << " fill " << int{fill};
      }
    }
  }
}

TEST_F(BarcodePageTest, StoredScanModeBeyondTheListIsKept) {
  design_.barcode[20] = 0xC6;
  BarcodePageView v = page_.Open(design_);
  EXPECT_EQ(v.scan_mode, 12);
  page_.SelectScanMode(9);
  page_.Apply(design_);
  EXPECT_EQ(design_.barcode[20], 0xC6);
}

// Bits the page owns, from the page's control table: byte 0, byte 1, byte 2 bits 7-4, 2, 0,
// byte 3 bits 7-6, byte 11 bits 4-2, byte 12 bit 3, byte 20 bits 7-4, byte 21, byte 22 bits 7,
// 6 and 4.
constexpr std::array<uint8_t, kBarcodeBlockSize> kPageBits = {
    0xFF, 0xFF, 0xF5, 0xC0, 0, 0, 0, 0, 0, 0, 0, 0x1C, 0x08, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0xFF, 0xD0};

TEST_F(BarcodePageTest, CommitChangesOnlyThePagesBits) {
  for (const uint8_t fill : {0x00, 0xFF, 0x5A}) {
    design_.barcode.fill(fill);
    const Design before = design_;
    page_.Open(design_);
    for (int control = 101; control <= 127; ++control) page_.ClickBox(control);
    page_.SelectScanMode(3);
    page_.SelectRedundancy(1);
    page_.ChangeTimeout("42");
    page_.Apply(design_);
    for (size_t i = 0; i < kBarcodeBlockSize; ++i) {
      EXPECT_EQ(design_.barcode[i] & ~kPageBits[i], before.barcode[i] & ~kPageBits[i])
          << "byte " << i << " fill " << int{fill};
    }
    Design rest = design_;
    rest.barcode = before.barcode;
    EXPECT_EQ(rest, before);
  }
}

TEST_F(BarcodePageTest, DialogChangesSurviveThePagesOkAndCancel) {
  // Code 39 "Transmit Start/Stop" is byte 5 bit 7, 0 in a new design.
  page_.Open(design_);
  page_.ClickBox(101);
  {
    CheckBoxDialog dialog(*FindCheckBoxDialog(BarcodeDialog::kCode39), design_);
    dialog.Open();
    dialog.Click(101);
    dialog.Ok();
  }
  page_.Cancel();
  EXPECT_TRUE(Bit(5, 7));
  EXPECT_TRUE(Bit(0, 7));

  page_.Open(design_);
  {
    CheckBoxDialog dialog(*FindCheckBoxDialog(BarcodeDialog::kCode39), design_);
    dialog.Open();
    dialog.Click(102);
    dialog.Ok();
  }
  page_.Apply(design_);
  EXPECT_TRUE(Bit(5, 7));
  EXPECT_TRUE(Bit(5, 6));
}

TEST_F(BarcodePageTest, PageNeverOpenedWritesNothing) {
  const Design before = design_;
  page_.Apply(design_);
  EXPECT_EQ(design_, before);
}

TEST_F(BarcodePageTest, ButtonsOpenTheirDialogs) {
  auto template_of = [](int button) {
    const std::optional<BarcodeDialog> d = BarcodePage::PressButton(button);
    return d ? std::string(InfoOf(*d).template_name) : std::string();
  };
  EXPECT_EQ(template_of(201), "Code39Dlg");
  EXPECT_EQ(template_of(204), "Industrial25Dlg");
  EXPECT_EQ(template_of(208), "MSIDlg");
  EXPECT_EQ(template_of(212), "EAN13Dlg");
  EXPECT_EQ(template_of(216), "RSS14ExpandedDlg");
  EXPECT_EQ(template_of(217), "EAN128Dlg");
  EXPECT_EQ(template_of(218), "CODEIDDLG");
  EXPECT_EQ(template_of(219), "WEIGHTCODE");
  EXPECT_EQ(template_of(220), "COOP25DLG");
  EXPECT_EQ(template_of(200), "");
  EXPECT_EQ(template_of(221), "");
}

}  // namespace
}  // namespace q700::editor
