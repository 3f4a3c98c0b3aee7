// New-project defaults: the factory contents of every block.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "model/defaults.h"
#include "model/form_record.h"
#include "model/lookup_record.h"
#include "model/menu_record.h"
#include "model/settings_block.h"
#include "texts/language_files.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

class DefaultsTest : public ::testing::Test {
 protected:
  DefaultsTest() { RefillTerminalTexts(loader_, texts_); }

  Design NewDesign() {
    Design d;
    ResetDesign(d, texts_);
    return d;
  }

  TextLoader loader_;
  DefaultTerminalTexts texts_;
};

std::string Slot(Design& d, int set, int line) { return SlotText(TextSlot(d, set, line)); }

TEST_F(DefaultsTest, BarcodeAndWeightBlocksAreTheFactoryBytes) {
  Design d = NewDesign();
  const std::array<uint8_t, 23> barcode = {0x9B, 0xC9, 0x00, 0x3F, 0x80, 0x2D, 0x54, 0x80,
                                           0x00, 0x19, 0x3D, 0x00, 0x43, 0x01, 0xFE, 0x01,
                                           0xFF, 0x01, 0xFF, 0x01, 0x66, 0x03, 0xC0};
  EXPECT_EQ(d.barcode, barcode);
  const std::array<uint8_t, 12> weight = {0xDA, 0xAB, 0x01, 0x00, 0x32, 0x33,
                                          0x07, 0x00, 0x02, 0x00, 0x04, 0x00};
  EXPECT_EQ(d.weight, weight);
  const std::string tag(reinterpret_cast<const char*>(d.version_tag.data()), 10);
  EXPECT_EQ(tag, std::string("Q700RU004\0", 10));
}

TEST_F(DefaultsTest, BarcodeBitsThatNoDefaultSetsAreKept) {
  Design d;
  d.barcode.fill(0xFF);
  ResetDesign(d, texts_);
  EXPECT_EQ(d.barcode[4], 0x80 | 0x1F);
  EXPECT_EQ(d.barcode[7], 0x80 | 0x07);
  EXPECT_EQ(d.barcode[8], 0xFF);
  EXPECT_EQ(d.barcode[11], 0x20);
  EXPECT_EQ(d.barcode[12], 0x43 | 0x80);
  EXPECT_EQ(d.barcode[22], 0xC0 | 0x3F);
  EXPECT_EQ(d.barcode[0], 0x9B);
}

TEST_F(DefaultsTest, SettingsBlock) {
  Design d = NewDesign();
  const std::array<uint8_t, 6> head = {4, 0, 9, 0, 0, 0};
  EXPECT_TRUE(std::equal(head.begin(), head.end(), d.settings.begin()));
  EXPECT_EQ(d.settings[30], 2);
  EXPECT_EQ(d.settings[32], 1);
  EXPECT_EQ(d.settings[33], 6);
  EXPECT_EQ(d.settings[69], 1);
  EXPECT_EQ(d.settings[72], 1);
  EXPECT_EQ(d.settings[74], 2);
  EXPECT_EQ(d.settings[75], 3);
  EXPECT_EQ(d.settings[79], 32);
  EXPECT_EQ(d.settings[80], 23);
  EXPECT_EQ(d.settings[137], 2);
  EXPECT_EQ(d.settings[138], 1);
  EXPECT_EQ(d.settings[139], 2);
  EXPECT_EQ(SlotText(ExtraMenuText(d.settings, 0)), "8.Calculator    ");
  EXPECT_EQ(SlotText(ExtraMenuText(d.settings, 1)), "7.Buzzer        ");
  EXPECT_EQ(SlotText(ExtraMenuText(d.settings, 4)), "3.Warning Beep  ");
}

TEST_F(DefaultsTest, NewClearsTheFunctionKeyMapButKeepsItsFlag) {
  Design d = NewDesign();
  d.settings[settings_offset::kFunctionKeyMapping] = 1;
  d.settings[settings_offset::kFunctionKeyMap] = 5;
  d.settings[settings_offset::kPassword] = 'A';
  d.settings[255] = 3;  // port text flags: not set by the defaults
  ResetDesign(d, texts_);
  EXPECT_EQ(d.settings[settings_offset::kFunctionKeyMapping], 1);
  EXPECT_EQ(d.settings[settings_offset::kFunctionKeyMap], 0);
  EXPECT_EQ(d.settings[settings_offset::kPassword], 0);
  EXPECT_EQ(d.settings[255], 3);
}

TEST_F(DefaultsTest, FormsMenusAndLookups) {
  Design d = NewDesign();
  for (int f = 0; f < kFormCount; ++f) {
    FormRecord form = FormAt(d, f);
    EXPECT_EQ(form.next_target(), f + 1);
    EXPECT_EQ(form.escape_target(), 0);
    EXPECT_EQ(form.at(form_offset::kDateSeparator), '/');
    EXPECT_EQ(form.at(form_offset::kTimeSeparator), ':');
    EXPECT_EQ(form.at(form_offset::kStampSplit), 1);
    EXPECT_EQ(form.at(form_offset::kYearDigits), 0);
    for (int i = 0; i < kFormLines; ++i) {
      EXPECT_EQ(form.type(i), kTypeNil);
      EXPECT_EQ(form.max_length(i), 80);
      EXPECT_EQ(form.input_source(i), 2);
      EXPECT_EQ(form.line(form_offset::kPartialLength, i), 20);
      EXPECT_EQ(form.auto_enter(i), 1);
    }
  }
  for (int m = 0; m < kMenuCount; ++m) {
    MenuRecord menu = MenuAt(d, m);
    EXPECT_EQ(menu.item_count(), 0);
    EXPECT_EQ(CountMenuItems(menu), 0);
    for (int k = 0; k < kMenuItems; ++k) EXPECT_EQ(menu.item_target(k), 0);
  }
  for (int l = 0; l < kLookupCount; ++l) {
    LookupRecord lookup = LookupAt(d, l);
    EXPECT_EQ(lookup.delimiter(), 9);
    EXPECT_EQ(lookup.upload_flag(), 1);
    EXPECT_EQ(lookup.field_offset(7), 1);
    EXPECT_FALSE(lookup.defined());
  }
}

TEST_F(DefaultsTest, TerminalTextsInBuiltInEnglish) {
  Design d = NewDesign();
  EXPECT_EQ(Slot(d, 7, 0), "1.Collect   ");
  EXPECT_EQ(Slot(d, 7, 1), "2.Upload    ");
  EXPECT_EQ(Slot(d, 7, 2), "3.Utilities ");
  EXPECT_EQ(Slot(d, 7, 3), std::string(12, ' '));
  for (int line = 0; line < 4; ++line) EXPECT_EQ(Slot(d, 6, line), "");
  EXPECT_EQ(Slot(d, 13, 0), "   [SETTINGS]   ");
  EXPECT_EQ(Slot(d, 13, 7), "8.View Settings ");
  EXPECT_EQ(Slot(d, 14, 4), "3. Modem        ");
  EXPECT_EQ(Slot(d, 15, 5), "3. Modem        ");
  EXPECT_EQ(Slot(d, 30, 1), "Data too short!!");
  EXPECT_EQ(Slot(d, 32, 2), "[ ESC ]: Cancel ");
  EXPECT_EQ(Slot(d, 31, 7), "Time Out!!! ");
}

TEST_F(DefaultsTest, TextsFollowTheDefaultTextsOfTheCurrentLanguage) {
  // A language loaded before New: its terminal texts fill the sets, cut to the slot's width.
  loader_.set_language_active(true);
  loader_.language().Set(721, "1.Sammeln   ");
  loader_.language().Set(781, "   [EINSTELLUNGEN]   ");
  RefillTerminalTexts(loader_, texts_);
  // The settings page rewrote the upload port line in the default texts.
  texts_.Set(805, "3. Bluetooth SPP");
  Design d = NewDesign();
  EXPECT_EQ(Slot(d, 7, 0), "1.Sammeln   ");
  EXPECT_EQ(Slot(d, 13, 0), "   [EINSTELLUNGE");  // cut to 16 columns
  EXPECT_EQ(Slot(d, 14, 4), "3. Bluetooth SPP");
  EXPECT_EQ(Slot(d, 7, 1), "2.Upload    ");
}

}  // namespace
}  // namespace q700
