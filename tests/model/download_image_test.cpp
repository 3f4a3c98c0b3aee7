// The download preparation and the 20,000-byte image: offsets, blank filling, the settings
// conversion, and the menu and form cases of the large font.
#include "model/download_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/defaults.h"
#include "model/form_record.h"
#include "model/menu_record.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

class DownloadImageTest : public ::testing::Test {
 protected:
  DownloadImageTest() {
    RefillTerminalTexts(texts_, defaults_);
    ResetDesign(design_, defaults_);
  }

  DownloadImage PrepareAndBuild() {
    PrepareDownload(design_);
    return BuildImage(design_);
  }

  TextLoader texts_;
  DefaultTerminalTexts defaults_;
  Design design_;
};

std::string At(const DownloadImage& image, size_t offset, size_t n) {
  return std::string(image.begin() + static_cast<ptrdiff_t>(offset),
                     image.begin() + static_cast<ptrdiff_t>(offset + n));
}

TEST_F(DownloadImageTest, NewDesignImage) {
  design_.reserved_area.fill(0x77);  // never carried
  const DownloadImage image = PrepareAndBuild();
  ASSERT_EQ(image.size(), 20000u);

  const std::vector<uint8_t> barcode = {0x9B, 0xC9, 0x00, 0x3F, 0x80, 0x2D, 0x54, 0x80,
                                        0x00, 0x19, 0x3D, 0x00, 0x43, 0x01, 0xFE, 0x01,
                                        0xFF, 0x01, 0xFF, 0x01, 0x66, 0x03, 0xC0};
  EXPECT_EQ(std::vector<uint8_t>(image.begin(), image.begin() + 23), barcode);
  // Text set 7 (main menu): each 12-character text gets 3 blanks and a NUL.
  EXPECT_EQ(At(image, 16103, 16), std::string("1.Collect      \0", 16));
  EXPECT_EQ(At(image, 16119, 16), std::string("2.Upload       \0", 16));
  EXPECT_EQ(At(image, 16151, 16), std::string(15, ' ') + '\0') << "the line of 12 blanks";
  // Text set 6 is empty: blanks only.
  EXPECT_EQ(At(image, 16039, 16), std::string(15, ' ') + '\0');
  // A 16-character text of a 21-byte slot (set 13 line 0, file offset 16,651).
  EXPECT_EQ(At(image, 16639, 21), std::string("   [SETTINGS]       \0", 21));
  EXPECT_TRUE(
      std::all_of(image.begin() + 18507, image.begin() + 18562, [](uint8_t b) { return b == 0; }));

  // Settings conversion: start target, 1-based choices, the time-out's digit.
  constexpr size_t s = 18562;
  EXPECT_EQ(image[s + 0], 4);
  EXPECT_EQ(image[s + 1], 1) << "form 1";
  EXPECT_EQ(image[s + 2], 9);
  EXPECT_EQ(image[s + 5], 1);
  EXPECT_EQ(image[s + 27], 1);
  EXPECT_EQ(image[s + 28], 1);
  EXPECT_EQ(image[s + 29], 1);
  EXPECT_EQ(image[s + 30], '2');
  EXPECT_EQ(image[s + 31], 1);
  EXPECT_EQ(image[s + 32], 2);
  EXPECT_EQ(image[s + 33], 6);
  EXPECT_EQ(image[s + 115], 1);
  EXPECT_EQ(image[s + 137], 3);
  EXPECT_EQ(image[s + 138], 2);
  EXPECT_EQ(image[s + 139], 3);
  EXPECT_EQ(At(image, s + 150, 17), std::string("8.Calculator    \0", 17)) << "raw slot";

  const std::vector<uint8_t> weight = {0xDA, 0xAB, 0x01, 0x00, 0x32, 0x33,
                                       0x07, 0x00, 0x02, 0x00, 0x04, 0x00};
  EXPECT_EQ(std::vector<uint8_t>(image.begin() + 18830, image.begin() + 18842), weight);
  EXPECT_TRUE(std::all_of(image.end() - 1158, image.end(), [](uint8_t b) { return b == 0; }));

  // Menu 1 starts at 23, form 1 at 3,523 with its next target 1, the lookups at 15,673.
  EXPECT_EQ(image[3523 + 2], 1);
  EXPECT_EQ(image[15673 + 19], 9) << "lookup 1 delimiter";
  // The design's own settings keep the editor's values.
  EXPECT_EQ(design_.settings[1], 0);
  EXPECT_EQ(design_.settings[30], 2);
}

TEST_F(DownloadImageTest, SettingsConversionOfChosenValues) {
  design_.settings[1] = 1;   // menu 1
  design_.settings[5] = 4;   // upload port Bluetooth SPP
  design_.settings[27] = 3;  // download port Bluetooth SPP
  design_.settings[30] = 9;
  design_.settings[137] = 0;  // mute
  const DownloadImage image = PrepareAndBuild();
  EXPECT_EQ(image[18563], 11);
  EXPECT_EQ(image[18562 + 5], 5);
  EXPECT_EQ(image[18562 + 27], 4);
  EXPECT_EQ(image[18562 + 30], '9');
  EXPECT_EQ(image[18562 + 137], 1);
  EXPECT_EQ(design_.settings[1], 1);
  EXPECT_EQ(design_.settings[5], 4);
}

TEST_F(DownloadImageTest, LargeFontMenuTextsArePaddedToTwelveInDesignAndImage) {
  MenuRecord menu = MenuAt(design_, 1);
  menu.font_size() = 1;
  SetSlotText(menu.item_text(0), "Stock");
  SetSlotText(menu.item_text(2), "Fourteen chars");  // 14 characters, cut to 12
  SetSlotText(menu.caption(), "Caption");            // caption flag clear: left alone
  MenuRecord small = MenuAt(design_, 2);
  small.caption_flag() = 1;
  SetSlotText(small.caption(), "Title");
  SetSlotText(small.item_text(0), "   ");  // blanks only: not counted

  const DownloadImage image = PrepareAndBuild();
  const std::string stock = std::string("Stock") + std::string(7, ' ') + '\0';
  EXPECT_EQ(std::string(AsChars(menu.item_text(0).first(13))), stock);
  EXPECT_EQ(At(image, 23 + 350 + 23, 13), stock);
  EXPECT_EQ(SlotText(menu.item_text(1)), std::string(12, ' '));
  EXPECT_EQ(SlotText(menu.item_text(2)), "Fourteen cha");
  EXPECT_EQ(SlotText(menu.caption()), "Caption");
  EXPECT_EQ(menu.item_count(), 2);
  EXPECT_EQ(image[23 + 350 + 247], 2);

  EXPECT_EQ(SlotText(small.caption()), "Title" + std::string(11, ' '));
  EXPECT_EQ(small.item_count(), 0);
  EXPECT_EQ(SlotText(MenuAt(design_, 0).item_text(9)), std::string(16, ' '));
}

TEST_F(DownloadImageTest, LargeFontFormKeepsFourLinesAndCountsThem) {
  FormRecord form = FormAt(design_, 0);
  form.font_size() = 1;
  for (int i = 0; i < 6; ++i) form.type(i) = kTypeText;
  const DownloadImage image = PrepareAndBuild();
  EXPECT_EQ(form.line_count(), 4);
  EXPECT_EQ(form.type(4), kTypeNil);
  EXPECT_EQ(form.type(5), kTypeNil);
  EXPECT_EQ(image[3523 + 1013], 4);
  EXPECT_EQ(image[3523 + 29 + 4], kTypeNil);
}

TEST_F(DownloadImageTest, LengthsAreCappedAtEighty) {
  FormRecord form = FormAt(design_, 2);
  form.type(0) = kTypeInteger;
  form.max_length(0) = 120;
  form.min_length(0) = 100;
  form.type(1) = kTypeText;
  form.max_length(1) = 20;
  form.min_length(1) = 30;
  const DownloadImage image = PrepareAndBuild();
  const size_t at = 3523 + 2 * 1215;
  EXPECT_EQ(image[at + 221], 80);
  EXPECT_EQ(image[at + 213], 80);
  EXPECT_EQ(image[at + 222], 20);
  EXPECT_EQ(image[at + 214], 20);
}

TEST_F(DownloadImageTest, LinesWithoutDataLoseLookupColumnAndCountStopsAtTheLastInputLine) {
  FormRecord form = FormAt(design_, 3);
  form.type(0) = kTypeText;
  form.lookup_column(0) = 3;
  form.type(1) = kTypeExtension;
  SetSlotText(form.prompt(1), "more");
  form.lookup_column(1) = 4;
  form.type(2) = kTypePrompt;
  SetSlotText(form.prompt(2), "Shown");
  form.lookup_column(2) = 5;
  form.type(3) = kTypeLookup;
  form.lookup_column(3) = 6;
  form.type(6) = kTypePause;
  form.type(7) = kTypeLookup;  // lookups do not count
  PrepareDownload(design_);
  EXPECT_EQ(form.lookup_column(0), 3);
  EXPECT_EQ(form.lookup_column(1), 0);
  EXPECT_TRUE(
      std::all_of(form.prompt(1).begin(), form.prompt(1).end(), [](uint8_t b) { return b == 0; }));
  EXPECT_EQ(form.lookup_column(2), 0);
  EXPECT_EQ(SlotText(form.prompt(2)), "Shown");
  EXPECT_EQ(form.lookup_column(3), 6);
  EXPECT_EQ(form.line_count(), 7);

  FormRecord quiet = FormAt(design_, 4);
  for (int i = 0; i < 8; ++i) quiet.type(i) = static_cast<uint8_t>(kTypeLookup + (i % 6));
  PrepareDownload(design_);
  EXPECT_EQ(quiet.line_count(), 0);
}

TEST_F(DownloadImageTest, TextsWithoutTerminatorStillFitTheirSlots) {
  // A damaged file can leave a slot without its NUL; the image keeps the slot size.
  const Bytes slot = TextSlot(design_, 7, 0);
  std::fill(slot.begin(), slot.end(), uint8_t{'A'});
  const Bytes wide = TextSlot(design_, 8, 0);
  std::fill(wide.begin(), wide.end(), uint8_t{'B'});
  const DownloadImage image = BuildImage(design_);
  EXPECT_EQ(At(image, 16103, 17), std::string(15, 'A') + '\0' + '2');
  EXPECT_EQ(At(image, 16167, 21), std::string(20, 'B') + '\0');
}

}  // namespace
}  // namespace q700
