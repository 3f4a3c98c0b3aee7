// The check-box, length, Codabar, Telepen and EAN128 dialogs.
#include "editor/symbology_logic.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/defaults.h"
#include "texts/terminal_texts.h"

namespace q700::editor {
namespace {

class SymbologyDialogsTest : public testing::Test {
 protected:
  SymbologyDialogsTest() { ResetDesign(design_, DefaultTerminalTexts()); }

  LengthDialog Length(BarcodeDialog d) {
    return LengthDialog(*FindLengthDialog(d), design_, texts_);
  }
  uint8_t& Byte(size_t i) { return design_.barcode[i]; }

  Design design_;
  TextLoader texts_;
};

TEST_F(SymbologyDialogsTest, TablesCoverEveryButton) {
  int check_box_dialogs = 0;
  int length_dialogs = 0;
  for (int i = 0; i < kBarcodeDialogCount; ++i) {
    const auto d = static_cast<BarcodeDialog>(i);
    EXPECT_EQ(InfoOf(d).button, 201 + i);
    EXPECT_EQ(InfoOf(d).kind == DialogKind::kCheckBoxes, FindCheckBoxDialog(d) != nullptr) << i;
    EXPECT_EQ(InfoOf(d).kind == DialogKind::kLength, FindLengthDialog(d) != nullptr) << i;
    if (const CheckBoxDialogLayout* layout = FindCheckBoxDialog(d)) {
      ++check_box_dialogs;
      for (size_t b = 0; b < layout->boxes.size(); ++b) {
        EXPECT_EQ(layout->boxes[b].control, 101 + static_cast<int>(b)) << i;
      }
    }
    if (FindLengthDialog(d) != nullptr) ++length_dialogs;
  }
  EXPECT_EQ(check_box_dialogs, 11);
  EXPECT_EQ(length_dialogs, 4);
}

TEST_F(SymbologyDialogsTest, CheckBoxDialogReadsAndWritesItsBits) {
  // Byte 5 of a new design is 2D: Code 39 "Transmit Checksum" (bit 5) is the only one on.
  CheckBoxDialog dialog(*FindCheckBoxDialog(BarcodeDialog::kCode39), design_);
  ButtonStates v = dialog.Open();
  EXPECT_EQ(v, (ButtonStates{{101, false}, {102, false}, {103, true}, {104, false}}));
  dialog.Click(101);
  v = dialog.Click(103);
  EXPECT_EQ(v, (ButtonStates{{101, true}, {102, false}, {103, false}, {104, false}}));
  dialog.Ok();
  EXPECT_EQ(Byte(5), 0x8D);

  // EAN13's boxes are spread over bytes 9, 10 and 12.
  CheckBoxDialog ean13(*FindCheckBoxDialog(BarcodeDialog::kEan13), design_);
  ean13.Open();
  ean13.Click(101);  // ISBN, byte 10 bit 7
  ean13.Click(106);  // Convert UPCA to EAN 13, byte 9 bit 0 (on in a new design)
  ean13.Click(107);  // GTIN, byte 12 bit 2
  ean13.Ok();
  EXPECT_TRUE(GetBit(Byte(10), 7));
  EXPECT_FALSE(GetBit(Byte(9), 0));
  EXPECT_TRUE(GetBit(Byte(12), 2));
}

// Every box of every check-box and length dialog writes its own bit and no other: from a block
// of zeros a click and OK set exactly that bit, from a block of ones they clear exactly it.
TEST_F(SymbologyDialogsTest, EachBoxWritesItsOwnBit) {
  struct Case {
    BarcodeDialog dialog;
    int box;
    size_t byte;
    int bit;
  };
  using enum BarcodeDialog;
  const Case cases[] = {
      {kCode39, 101, 5, 7},
      {kCode39, 102, 5, 6},
      {kCode39, 103, 5, 5},
      {kCode39, 104, 5, 4},
      {kItalianPharmacode, 101, 5, 3},
      {kFrenchPharmacode, 101, 5, 2},
      {kPlessey, 101, 9, 2},
      {kPlessey, 102, 9, 3},
      {kCoop25, 101, 12, 5},
      {kCoop25, 102, 12, 4},
      {kUpce, 101, 9, 1},
      {kUpce, 102, 10, 1},
      {kUpce, 103, 10, 5},
      {kUpce, 104, 4, 5},
      {kUpce, 105, 4, 6},
      {kEan8, 101, 11, 7},
      {kEan8, 102, 10, 3},
      {kEan13, 101, 10, 7},
      {kEan13, 102, 10, 6},
      {kEan13, 103, 10, 2},
      {kEan13, 104, 10, 0},
      {kEan13, 105, 10, 4},
      {kEan13, 106, 9, 0},
      {kEan13, 107, 12, 2},
      {kRss14, 101, 3, 5},
      {kRss14, 102, 3, 4},
      {kRss14, 103, 3, 3},
      {kRss14Limited, 101, 3, 2},
      {kRss14Limited, 102, 3, 1},
      {kRss14Limited, 103, 3, 0},
      {kRss14Expanded, 101, 4, 7},
      {kIndustrial25, 101, 6, 7},
      {kIndustrial25, 102, 6, 6},
      {kInterleave25, 101, 5, 1},
      {kInterleave25, 102, 5, 0},
      {kMatrix25, 101, 6, 5},
      {kMatrix25, 102, 6, 4},
  };
  for (const Case& c : cases) {
    for (const uint8_t fill : {uint8_t{0x00}, uint8_t{0xFF}}) {
      std::fill(design_.barcode.begin(), design_.barcode.end(), fill);
      const LengthDialogLayout* length = FindLengthDialog(c.dialog);
      if (length == nullptr) {
        CheckBoxDialog dialog(*FindCheckBoxDialog(c.dialog), design_);
        dialog.Open();
        dialog.Click(c.box);
        dialog.Ok();
      } else {
        LengthDialog dialog = Length(c.dialog);
        dialog.Open();
        dialog.Click(c.box);
        dialog.Ok();
      }
      for (size_t i = 0; i < design_.barcode.size(); ++i) {
        // A length dialog also writes its two values, which lie in bytes of their own.
        if (length != nullptr && (i == length->first.byte || i == length->second.byte)) continue;
        uint8_t expected = fill;
        if (i == c.byte) expected ^= static_cast<uint8_t>(1u << c.bit);
        EXPECT_EQ(design_.barcode[i], expected)
            << "dialog " << static_cast<int>(c.dialog) << " box " << c.box << " byte " << i
            << " fill " << int{fill};
      }
    }
  }
}

TEST_F(SymbologyDialogsTest, Industrial25KeepsTheFirstValueModulo4) {
  LengthDialog dialog = Length(BarcodeDialog::kIndustrial25);
  LengthView v = dialog.Open();
  EXPECT_TRUE(IsChecked(v.buttons, 155));  // "Max / Min Length"
  EXPECT_EQ(dialog.Texts().first, "3");
  EXPECT_EQ(dialog.Texts().second, "1");
  EXPECT_EQ(dialog.ChangeFirst("10"), std::nullopt);
  EXPECT_EQ(dialog.ChangeSecond("20"), std::nullopt);
  dialog.Ok();
  EXPECT_EQ(GetBits(Byte(12), 0, 2), 2u);
  EXPECT_EQ(Byte(13), 10);
  EXPECT_TRUE(GetBit(Byte(12), 6));

  LengthDialog again = Length(BarcodeDialog::kIndustrial25);
  again.Open();
  EXPECT_EQ(again.Texts().first, "2");
  EXPECT_EQ(again.Texts().second, "10");
}

TEST_F(SymbologyDialogsTest, ZeroLengthsBecomeOne) {
  LengthDialog dialog = Length(BarcodeDialog::kInterleave25);
  dialog.Open();
  dialog.ChangeFirst("0");
  dialog.ChangeSecond("0");
  dialog.Ok();
  EXPECT_EQ(GetBits(Byte(14), 0, 7), 1u);
  EXPECT_EQ(Byte(15), 1);
}

TEST_F(SymbologyDialogsTest, FirstValueAbove127KeepsItsTextButStores127) {
  LengthDialog dialog = Length(BarcodeDialog::kInterleave25);
  dialog.Open();
  EXPECT_EQ(dialog.ChangeFirst("200"), std::nullopt);
  EXPECT_EQ(dialog.first(), 127u);
  dialog.ChangeSecond("5");
  dialog.Ok();
  EXPECT_EQ(Byte(14), 0x80 | 127);
  EXPECT_EQ(Byte(15), 5);
}

// The number boxes take five characters: a thousand typed into a first value stores 127 and
// keeps its text; typed as the EAN128 code it turns into 255 and the character of 255.
TEST_F(SymbologyDialogsTest, AThousandTypedIntoTheNumberBoxes) {
  LengthDialog dialog = Length(BarcodeDialog::kMsi);
  dialog.Open();
  EXPECT_EQ(dialog.ChangeFirst("1000"), std::nullopt);
  EXPECT_EQ(dialog.first(), 127u);
  dialog.Ok();
  EXPECT_EQ(GetBits(Byte(18), 0, 7), 127u);

  Ean128Dialog ean128(design_);
  ean128.Open();
  const Ean128Edit edit = ean128.ChangeAscii("1000");
  EXPECT_EQ(edit.ascii, "255");
  EXPECT_EQ(edit.text, "\xFF");
}

TEST_F(SymbologyDialogsTest, LengthFieldsThatAreNotNumbers) {
  LengthDialog dialog = Length(BarcodeDialog::kMatrix25);
  dialog.Open();
  EXPECT_EQ(dialog.ChangeFirst("1x"), "127");
  EXPECT_EQ(dialog.first(), 127u);
  EXPECT_EQ(dialog.ChangeFirst("4"), std::nullopt);
  EXPECT_EQ(dialog.ChangeFirst(""), std::nullopt);
  EXPECT_EQ(dialog.first(), 127u);
  EXPECT_EQ(dialog.ChangeSecond("-"), "1");
  EXPECT_EQ(dialog.ChangeSecond("300"), std::nullopt);
  EXPECT_EQ(dialog.ChangeSecond(""), std::nullopt);
  EXPECT_EQ(dialog.second(), 1u);
  // A second value above the first is cut to the first.
  dialog.ChangeFirst("12");
  dialog.ChangeSecond("300");
  dialog.Ok();
  EXPECT_EQ(GetBits(Byte(16), 0, 7), 12u);
  EXPECT_EQ(Byte(17), 12);
}

TEST_F(SymbologyDialogsTest, LengthLabelsFollowTheQualification) {
  LengthDialog dialog = Length(BarcodeDialog::kIndustrial25);
  LengthView v = dialog.Open();
  EXPECT_EQ(v.first_label, "Max Length :");
  EXPECT_EQ(v.second_label, "Min Length :");
  v = dialog.Click(154);
  EXPECT_TRUE(IsChecked(v.buttons, 154));
  EXPECT_FALSE(IsChecked(v.buttons, 155));
  EXPECT_EQ(v.first_label, "Fixed Length 1:");
  EXPECT_EQ(v.second_label, "Fixed Length 2:");
  dialog.Ok();
  EXPECT_FALSE(GetBit(Byte(12), 6));

  // With a language active, the labels come from the dialog's ids (Matrix 25: 441 to 444).
  texts_.language().Set(443, "Longueur 1 :");
  texts_.set_language_active(true);
  LengthDialog matrix = Length(BarcodeDialog::kMatrix25);
  matrix.Open();
  v = matrix.Click(154);
  EXPECT_EQ(v.first_label, "Longueur 1 :");
  EXPECT_EQ(v.second_label, "Fixed Length 2:");
}

TEST_F(SymbologyDialogsTest, StartStopAndChecksumsOfMatrix25) {
  // Byte 7 bits 7-6 of a new design: 2, "Matrix 25".
  LengthDialog dialog = Length(BarcodeDialog::kMatrix25);
  LengthView v = dialog.Open();
  EXPECT_TRUE(IsChecked(v.buttons, 153));
  EXPECT_FALSE(IsChecked(v.buttons, 101));
  EXPECT_TRUE(IsChecked(v.buttons, 102));
  dialog.Click(151);
  dialog.Click(101);
  dialog.Ok();
  EXPECT_EQ(GetBits(Byte(7), 6, 2), 0u);
  EXPECT_TRUE(GetBit(Byte(6), 5));
  EXPECT_TRUE(GetBit(Byte(6), 4));
}

TEST_F(SymbologyDialogsTest, MsiHasItsOwnChoices) {
  // Byte 9 of a new design is 19: verification 0, transmission 1; byte 18 bit 7 is 1.
  LengthDialog dialog = Length(BarcodeDialog::kMsi);
  LengthView v = dialog.Open();
  EXPECT_TRUE(IsChecked(v.buttons, 151));
  EXPECT_TRUE(IsChecked(v.buttons, 155));
  EXPECT_TRUE(IsChecked(v.buttons, 158));
  EXPECT_FALSE(IsChecked(v.buttons, 157));
  dialog.Click(153);
  dialog.Click(156);
  v = dialog.Click(157);
  EXPECT_EQ(v.first_label, "Fixed Length 1:");
  dialog.ChangeFirst("30");
  dialog.ChangeSecond("20");
  dialog.Ok();
  EXPECT_EQ(Byte(9), 0xA9);
  EXPECT_EQ(Byte(18), 30);
  EXPECT_EQ(Byte(19), 20);
}

TEST_F(SymbologyDialogsTest, CodabarStartStopCharacters) {
  CodabarDialog dialog(design_);
  EXPECT_TRUE(IsChecked(dialog.Open(), 151));  // bit 3 is 0 in a new design
  dialog.Click(155);
  dialog.Ok();
  EXPECT_EQ(GetBits(Byte(7), 4, 2), 3u);
  EXPECT_TRUE(GetBit(Byte(7), 3));

  CodabarDialog again(design_);
  EXPECT_TRUE(IsChecked(again.Open(), 155));
  again.Click(151);
  again.Ok();
  EXPECT_EQ(Byte(7) & 0x38, 0);

  SetBits(Byte(7), 3, 3, 0b101);  // "ABCD / ABCD"
  CodabarDialog third(design_);
  EXPECT_TRUE(IsChecked(third.Open(), 154));
}

TEST_F(SymbologyDialogsTest, TelepenVariant) {
  TelepenDialog dialog(design_);
  EXPECT_TRUE(IsChecked(dialog.Open(), kTelepenAim));
  dialog.Click(kTelepenOriginal);
  dialog.Ok();
  EXPECT_TRUE(GetBit(Byte(2), 1));
  TelepenDialog again(design_);
  EXPECT_TRUE(IsChecked(again.Open(), kTelepenOriginal));
  again.Click(kTelepenAim);
  again.Ok();
  EXPECT_FALSE(GetBit(Byte(2), 1));
}

TEST_F(SymbologyDialogsTest, Ean128PairedFields) {
  Ean128Dialog dialog(design_);
  EXPECT_TRUE(IsChecked(dialog.Open(), kTransmitCodeIdBox));
  EXPECT_EQ(dialog.Texts().ascii, "");
  EXPECT_EQ(dialog.Texts().text, "");

  Ean128Edit edit = dialog.ChangeAscii("65");
  EXPECT_EQ(edit.ascii, std::nullopt);
  EXPECT_EQ(edit.text, "A");
  for (const char* typed : {"0", "300", "", "x"}) {
    edit = dialog.ChangeAscii(typed);
    EXPECT_EQ(edit.ascii, "255") << typed;
    EXPECT_EQ(dialog.Texts().text, "\xFF") << typed;
  }
  edit = dialog.ChangeText("B");
  EXPECT_EQ(edit.ascii, "66");
  EXPECT_EQ(edit.text, std::nullopt);
  dialog.Click(kTransmitCodeIdBox);
  dialog.Ok();
  EXPECT_EQ(design_.settings[258], 'B');
  EXPECT_TRUE(GetBit(Byte(22), 5));

  Ean128Dialog again(design_);
  EXPECT_FALSE(IsChecked(again.Open(), kTransmitCodeIdBox));
  EXPECT_EQ(again.Texts().ascii, "66");
  EXPECT_EQ(again.Texts().text, "B");
  again.ChangeText("");
  again.Click(kTransmitCodeIdBox);
  again.Ok();
  EXPECT_EQ(design_.settings[258], 0);
  EXPECT_FALSE(GetBit(Byte(22), 5));
}

}  // namespace
}  // namespace q700::editor
