// The dialogs behind the Barcode page's buttons, opened from the page and operated through their
// controls: the bytes after each dialog's OK, after its Cancel, and after the sheet's Cancel.
#include <string>

#include "barcode_gui_support.h"
#include "model/barcode_block.h"
#include "model/settings_block.h"
#include "resources/dialogs/barcode_ids.h"
#include "resources/dialogs/form_ids.h"

namespace q700::gui_test {
namespace {

constexpr int kKeyColumns = 16;

// What a user's Enter key makes the dialog manager send: OK, with the focus left where it is.
void PressEnter(HWND dialog) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

// A character of the user's ANSI code page as a control shows it.
std::wstring AnsiCharacter(uint8_t code) {
  const char byte = static_cast<char>(code);
  wchar_t wide[2] = {};
  MultiByteToWideChar(CP_ACP, 0, &byte, 1, wide, 2);
  return std::wstring(1, wide[0]);
}

class SymbologyDialogsTest : public BarcodeTest {
 protected:
  uint8_t& Barcode(size_t i) { return design_.barcode[i]; }
};

// Every kind of control of a length dialog reaches the dialog's logic, and the number boxes take
// what a user types: a thousand, which the logic limits to 127.
TEST_F(SymbologyDialogsTest, LengthDialogControlsReachTheirLogic) {
  Barcode(6) = 0x00;
  Barcode(12) = 0x00;
  Barcode(13) = 5;
  RunBarcodePage([&](HWND sheet, HWND page) {
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Industrial 25 Parameters");
      EXPECT_TRUE(Checked(dialog, IDC_SYMBOLOGY_CHOICE + 1));
      EXPECT_TRUE(Checked(dialog, IDC_SYMBOLOGY_CHOICE + 4));
      EXPECT_EQ(Text(dialog, IDC_LENGTH_FIRST_LABEL), L"Fixed Length 1:");
      EXPECT_EQ(Text(dialog, IDC_LENGTH_SECOND), L"5");
      Click(dialog, IDC_SYMBOLOGY_CHOICE + 5);  // "Max / Min Length"
      EXPECT_FALSE(Checked(dialog, IDC_SYMBOLOGY_CHOICE + 4));
      EXPECT_EQ(Text(dialog, IDC_LENGTH_SECOND_LABEL), L"Min Length :");
      Click(dialog, IDC_SYMBOLOGY_CHOICE + 2);  // start/stop "Interleave 25"
      Click(dialog, IDC_SYMBOLOGY_OPTION + 1);  // "Verify Checksum"
      KeyIn(dialog, IDC_LENGTH_FIRST, L"1000");
      EXPECT_EQ(Text(dialog, IDC_LENGTH_FIRST), L"1000");
      KeyIn(dialog, IDC_LENGTH_SECOND, L"20");
      Click(dialog, IDOK);
    });
    Click(page, IDC_BARCODE_MORE + 4);
    EXPECT_EQ(Barcode(6), 0x81);   // verify on, start/stop 1
    EXPECT_EQ(Barcode(12), 0x43);  // max / min length, 127 modulo 4
    EXPECT_EQ(Barcode(13), 20);

    driver_.Expect([&](HWND dialog) {
      Click(dialog, IDC_SYMBOLOGY_CHOICE + 4);
      KeyIn(dialog, IDC_LENGTH_FIRST, L"3");
      Click(dialog, IDCANCEL);
    });
    Click(page, IDC_BARCODE_MORE + 4);
    EXPECT_EQ(Barcode(12), 0x43);
    PressCancel(sheet);
  });
}

TEST_F(SymbologyDialogsTest, RadioAndCheckBoxDialogsReachTheirLogic) {
  Barcode(7) = 0x00;
  Barcode(2) = 0x00;
  Barcode(9) = 0x0F;
  Barcode(12) = 0x00;
  RunBarcodePage([&](HWND sheet, HWND page) {
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"MSI Parameters");
      Click(dialog, IDC_SYMBOLOGY_CHOICE + 3);  // "Modulo 11 && 10"
      Click(dialog, IDC_SYMBOLOGY_CHOICE + 6);  // "Last 2 digits not transmitted"
      EXPECT_FALSE(Checked(dialog, IDC_SYMBOLOGY_CHOICE + 4));
      Click(dialog, IDOK);
    });
    Click(page, IDC_BARCODE_MORE + 8);
    EXPECT_EQ(Barcode(9), 0xAF);  // verification 2, transmission 2, bits 3-0 kept

    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Codabar Parameters");
      EXPECT_TRUE(Checked(dialog, IDC_SYMBOLOGY_CHOICE + 1));  // "None"
      Click(dialog, IDC_SYMBOLOGY_CHOICE + 5);                 // "ABCD / TN*E"
      EXPECT_FALSE(Checked(dialog, IDC_SYMBOLOGY_CHOICE + 1));
      Click(dialog, IDOK);
    });
    Click(page, IDC_BARCODE_MORE + 7);
    EXPECT_EQ(Barcode(7), 0x38);

    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Telepen Parameters");
      Click(dialog, IDC_SYMBOLOGY_CHOICE + 1);  // "Original Telepen  (Numeric)"
      Click(dialog, IDOK);
    });
    Click(page, IDC_BARCODE_MORE + 13);
    EXPECT_EQ(Barcode(2), 0x02);

    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"EAN 13 and UPCA Parameters");
      Click(dialog, IDC_SYMBOLOGY_OPTION + 7);  // "GTIN for EAN13"
      EXPECT_TRUE(Checked(dialog, IDC_SYMBOLOGY_OPTION + 7));
      SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box cancels
    });
    Click(page, IDC_BARCODE_MORE + 12);
    EXPECT_EQ(Barcode(12), 0x00);
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Coop25 Parameters");
      Click(dialog, IDC_SYMBOLOGY_OPTION + 2);  // "Transmit control digit"
      Click(dialog, IDOK);
    });
    Click(page, IDC_BARCODE_MORE + 20);
    EXPECT_EQ(Barcode(12), 0x10);
    PressCancel(sheet);
  });
}

// The two fields show each other's value; a character of the user's code page crosses the control
// boundary as its code. A typed thousand fits the ASCII field and is replaced by 255.
TEST_F(SymbologyDialogsTest, Ean128FieldsReachTheirLogic) {
  uint8_t& replacement = design_.settings[settings_offset::kFieldReplacement];
  replacement = 0;
  Barcode(22) = 0x20;  // "Transmit Code ID" off
  wchar_t e_acute = 0xE9;
  char ansi_e = 0;
  BOOL lossy = FALSE;
  WideCharToMultiByte(CP_ACP, 0, &e_acute, 1, &ansi_e, 1, nullptr, &lossy);
  const auto e_code = static_cast<uint8_t>(ansi_e);
  RunBarcodePage([&](HWND sheet, HWND page) {
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"EAN128 Parameters");
      EXPECT_FALSE(Checked(dialog, IDC_EAN128_TRANSMIT_CODE_ID));
      KeyIn(dialog, IDC_EAN128_ASCII, L"65");
      EXPECT_EQ(Text(dialog, IDC_EAN128_TEXT), L"A");
      KeyIn(dialog, IDC_EAN128_ASCII, L"1000");
      EXPECT_EQ(Text(dialog, IDC_EAN128_ASCII), L"255");
      EXPECT_EQ(Text(dialog, IDC_EAN128_TEXT), AnsiCharacter(255));
      Type(dialog, IDC_EAN128_TEXT, L"B");
      EXPECT_EQ(Text(dialog, IDC_EAN128_ASCII), L"66");
      if (!lossy) {
        Type(dialog, IDC_EAN128_TEXT, std::wstring(1, e_acute));
        EXPECT_EQ(Text(dialog, IDC_EAN128_ASCII), std::to_wstring(e_code));
      }
      Click(dialog, IDC_EAN128_TRANSMIT_CODE_ID);
      Click(dialog, IDOK);
    });
    Click(page, IDC_BARCODE_MORE + 17);
    EXPECT_EQ(replacement, lossy ? 'B' : e_code);
    EXPECT_EQ(Bits(Barcode(22), 5, 1), 0u);

    driver_.Expect([&](HWND dialog) {
      EXPECT_TRUE(Checked(dialog, IDC_EAN128_TRANSMIT_CODE_ID));
      EXPECT_EQ(Text(dialog, IDC_EAN128_TEXT), AnsiCharacter(replacement));
      EXPECT_EQ(Text(dialog, IDC_EAN128_ASCII), std::to_wstring(replacement));
      Click(dialog, IDCANCEL);
    });
    Click(page, IDC_BARCODE_MORE + 17);
    PressCancel(sheet);
  });
}

TEST_F(SymbologyDialogsTest, CodeIdPicksPresetsAndCodesAndMarksTheDesign) {
  using settings_offset::kCodeIdFlag;
  using settings_offset::kCodeIds;
  auto& settings = design_.settings;
  settings[kCodeIdFlag] = 0;
  std::fill_n(settings.begin() + kCodeIds, 30, 0);
  int marks = 0;
  context_.mark_modified = [&] { ++marks; };
  const Design before = design_;
  const bool ok = RunBarcodePage([&](HWND sheet, HWND page) {
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Code ID");
      EXPECT_FALSE(Checked(dialog, IDC_CODE_ID_ENABLE));
      for (int id :
           {IDC_CODE_ID_LABEL + 1, IDC_CODE_ID_BOX + 15, IDC_CODE_ID_SET + 1, IDC_CODE_ID_CLEAR}) {
        EXPECT_FALSE(Enabled(dialog, id)) << id;
      }
      Click(dialog, IDC_CODE_ID_ENABLE);
      EXPECT_TRUE(Enabled(dialog, IDC_CODE_ID_BOX + 15));
      EXPECT_TRUE(Enabled(dialog, IDC_CODE_ID_SET + 5));
      Click(dialog, IDC_CODE_ID_SET + 4);
      EXPECT_EQ(Text(dialog, IDC_CODE_ID_BOX + 11), L" F F");  // EAN8
      EXPECT_EQ(Text(dialog, IDC_CODE_ID_BOX + 1), L" M");

      driver_.Expect([&](HWND picker) {
        EXPECT_EQ(Text(picker, IDC_GRID_RESULT), L" M");
        Click(picker, IDC_GRID_CLEAR);
        HWND grid = GetDlgItem(picker, IDC_GRID);
        ClickCode(grid, kKeyColumns, 'Z');
        ClickCode(grid, kKeyColumns, 15);  // F1
        EXPECT_EQ(Text(picker, IDC_GRID_RESULT), L" Z F1");
        Click(picker, IDOK);
      });
      ClickAt(GetDlgItem(dialog, IDC_CODE_ID_BOX + 1), 4, 4);
      EXPECT_EQ(Text(dialog, IDC_CODE_ID_BOX + 1), L" Z F1");

      driver_.Expect([&](HWND picker) {
        ClickCode(GetDlgItem(picker, IDC_GRID), kKeyColumns, 'X');
        Click(picker, IDCANCEL);
      });
      ClickAt(GetDlgItem(dialog, IDC_CODE_ID_BOX + 2), 4, 4);
      EXPECT_EQ(Text(dialog, IDC_CODE_ID_BOX + 2), L" M");
      Click(dialog, IDOK);
    });
    Click(page, IDC_BARCODE_CODE_ID);
    EXPECT_EQ(marks, 1);
    EXPECT_EQ(settings[kCodeIdFlag], 1);
    EXPECT_EQ(settings[kCodeIds + 0], 'Z');
    EXPECT_EQ(settings[kCodeIds + 1], 15);
    EXPECT_EQ(settings[kCodeIds + 2], 'M');
    EXPECT_EQ(settings[kCodeIds + 3], 0);
    EXPECT_EQ(settings[105], 'F');
    EXPECT_EQ(settings[106], 'F');
    const auto written = settings;

    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(Text(dialog, IDC_CODE_ID_BOX + 1), L" Z F1");
      Click(dialog, IDC_CODE_ID_CLEAR);
      EXPECT_EQ(Text(dialog, IDC_CODE_ID_BOX + 1), L"");
      EXPECT_EQ(Text(dialog, IDC_CODE_ID_BOX + 11), L"");
      Click(dialog, IDCANCEL);
    });
    Click(page, IDC_BARCODE_CODE_ID);
    EXPECT_EQ(marks, 1);
    EXPECT_TRUE(settings == written);

    // The Code IDs are written while the option is off as well.
    driver_.Expect([&](HWND dialog) {
      Click(dialog, IDC_CODE_ID_ENABLE);
      EXPECT_FALSE(Enabled(dialog, IDC_CODE_ID_BOX + 1));
      Click(dialog, IDOK);
    });
    Click(page, IDC_BARCODE_CODE_ID);
    EXPECT_EQ(marks, 2);
    PressCancel(sheet);
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(commits_, 0);
  EXPECT_EQ(settings[kCodeIdFlag], 0);
  EXPECT_EQ(settings[kCodeIds + 0], 'Z');
  EXPECT_EQ(settings[106], 'F');
  Design expected = before;
  std::copy_n(settings.begin() + kCodeIdFlag, 31, expected.settings.begin() + kCodeIdFlag);
  EXPECT_TRUE(design_ == expected);
}

TEST_F(SymbologyDialogsTest, WeightCodeTakesThePrefixWhenItsFieldIsLeftOrAtOk) {
  using namespace weight_offset;
  auto& weight = design_.weight;
  RunBarcodePage([&](HWND sheet, HWND page) {
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Weight Code");
      // A new design: enabled, prefix "23", mask 07, key field 2, quantity field 4.
      EXPECT_TRUE(Checked(dialog, IDC_WEIGHT_ENABLE));
      EXPECT_FALSE(Checked(dialog, IDC_WEIGHT_1C_FORMAT));
      EXPECT_EQ(Text(dialog, IDC_WEIGHT_PREFIX), L"23");
      EXPECT_EQ(ItemAt(dialog, IDC_WEIGHT_MASK, Selection(dialog, IDC_WEIGHT_MASK)), L"07");
      EXPECT_EQ(ItemAt(dialog, IDC_WEIGHT_KEY_FIELD, 2), L"field 3");
      EXPECT_EQ(Selection(dialog, IDC_WEIGHT_KEY_FIELD), 1);
      EXPECT_EQ(Selection(dialog, IDC_WEIGHT_QUANTITY), 3);
      Click(dialog, IDC_WEIGHT_ENABLE);
      for (int id : {IDC_WEIGHT_PREFIX, IDC_WEIGHT_MASK, IDC_WEIGHT_KEY_FIELD, IDC_WEIGHT_QUANTITY,
                     IDC_WEIGHT_1C_FORMAT}) {
        EXPECT_FALSE(Enabled(dialog, id)) << id;
      }
      Click(dialog, IDC_WEIGHT_ENABLE);
      EXPECT_TRUE(Enabled(dialog, IDC_WEIGHT_PREFIX));
      SetFocus(GetDlgItem(dialog, IDC_WEIGHT_PREFIX));
      Type(dialog, IDC_WEIGHT_PREFIX, L"7");
      EXPECT_EQ(Text(dialog, IDC_WEIGHT_PREFIX), L"7");
      SetFocus(GetDlgItem(dialog, IDC_WEIGHT_MASK));
      EXPECT_EQ(Text(dialog, IDC_WEIGHT_PREFIX), L" 7");
      Choose(dialog, IDC_WEIGHT_MASK, 0);
      Choose(dialog, IDC_WEIGHT_KEY_FIELD, 2);
      Choose(dialog, IDC_WEIGHT_QUANTITY, 7);
      Click(dialog, IDC_WEIGHT_1C_FORMAT);
      Click(dialog, IDOK);
    });
    Click(page, IDC_BARCODE_WEIGHT_CODE);
    EXPECT_EQ(ReadU16Le(weight, kFlags), 3);
    EXPECT_EQ(weight[kPrefix], ' ');
    EXPECT_EQ(weight[kPrefix + 1], '7');
    EXPECT_EQ(ReadU16Le(weight, kMask), 5);
    EXPECT_EQ(ReadU16Le(weight, kKeyField), 3);
    EXPECT_EQ(ReadU16Le(weight, kQuantityField), 8);

    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(Text(dialog, IDC_WEIGHT_PREFIX), L" 7");
      Type(dialog, IDC_WEIGHT_PREFIX, L"99");
      Click(dialog, IDC_WEIGHT_1C_FORMAT);
      Click(dialog, IDCANCEL);
    });
    Click(page, IDC_BARCODE_WEIGHT_CODE);
    EXPECT_EQ(weight[kPrefix + 1], '7');
    EXPECT_EQ(ReadU16Le(weight, kFlags), 3);

    // Confirmed with Enter while still typing: the prefix is taken all the same.
    driver_.Expect([&](HWND dialog) {
      SetFocus(GetDlgItem(dialog, IDC_WEIGHT_PREFIX));
      Type(dialog, IDC_WEIGHT_PREFIX, L"5");
      PressEnter(dialog);
    });
    Click(page, IDC_BARCODE_WEIGHT_CODE);
    PressCancel(sheet);
  });
  EXPECT_EQ(weight[kPrefix], ' ');
  EXPECT_EQ(weight[kPrefix + 1], '5');
  EXPECT_EQ(ReadU16Le(weight, kMark), kMarkValue);
}

}  // namespace
}  // namespace q700::gui_test
