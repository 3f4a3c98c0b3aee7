// The Startup page: delimiter pairs, counts on apply, the message groups in both fonts, Reset,
// the port lines of the first showing, and Import from another project file.
#include "editor/startup_page.h"

#include <gtest/gtest.h>

#include <string>

#include "model/lookup_record.h"
#include "model/project_file.h"
#include "model/settings_block.h"
#include "page_test_support.h"
#include "support/temp_dir.h"

namespace q700::editor {
namespace {

using namespace settings_offset;

std::string FileOf(const Design& design) {
  const ProjectFileBytes bytes = ProjectFileContents(design);
  return std::string(AsChars(bytes));
}

class StartupPageTest : public test::PageTest {
 protected:
  StartupPage page_{session_, design_};
  q700::test::TempDir dir_;
};

TEST_F(StartupPageTest, PairedBoxesUpdateEachOtherOnce) {
  page_.Open();
  page_.SelectDelimiterCount(2);
  PairedEntry entry = page_.ChangeFirstCode("65");
  EXPECT_EQ(entry.rewrite, std::nullopt);
  EXPECT_EQ(entry.partner, "A");
  entry = page_.ChangeFirstText("b");
  EXPECT_EQ(entry.rewrite, std::nullopt);
  EXPECT_EQ(entry.partner, "98");
  entry = page_.ChangeSecondText("xy");
  EXPECT_EQ(entry.rewrite, "x");
  EXPECT_EQ(entry.partner, "120");

  entry = page_.ChangeFirstCode("300");
  EXPECT_EQ(entry.rewrite, "255");
  EXPECT_EQ(entry.partner, "\xFF");
  entry = page_.ChangeFirstCode("13");
  ASSERT_TRUE(entry.message);
  EXPECT_EQ(entry.message->text_id, 1148);
  EXPECT_EQ(entry.message->caption_id, 1122);
  EXPECT_EQ(entry.rewrite, "255");
  entry = page_.ChangeFirstText("\r");
  EXPECT_TRUE(entry.message);
  EXPECT_EQ(entry.rewrite, "\xFF");

  entry = page_.ChangeSecondCode("");  // an empty box changes nothing
  EXPECT_FALSE(entry.partner);
  entry = page_.ChangeSecondCode("-");
  EXPECT_EQ(entry.rewrite, "0");
  EXPECT_EQ(entry.partner, "");
  page_.Apply();
  EXPECT_EQ(design_.settings[kFirstDelimiter], 255);
  EXPECT_EQ(design_.settings[kSecondDelimiter], 0);
}

TEST_F(StartupPageTest, DelimiterCountDecidesWhatIsStored) {
  design_.settings[kSecondDelimiter] = ';';
  StartupView view = page_.Open();
  EXPECT_EQ(view.delimiter_count, 2);
  EXPECT_EQ(view.delimiters.first_code, "9");
  EXPECT_EQ(view.delimiters.second_text, ";");

  DelimiterView boxes = page_.SelectDelimiterCount(1);
  EXPECT_TRUE(boxes.first_enabled);
  EXPECT_FALSE(boxes.second_enabled);
  page_.Apply();
  EXPECT_EQ(design_.settings[kFirstDelimiter], 9);
  EXPECT_EQ(design_.settings[kSecondDelimiter], 0);

  StartupPage again(session_, design_);
  again.Open();
  boxes = again.SelectDelimiterCount(0);
  EXPECT_FALSE(boxes.first_enabled);
  again.ChangeFirstCode("44");
  again.SelectStartTarget(1);
  again.Apply();
  EXPECT_EQ(design_.settings[kFirstDelimiter], 0);
  EXPECT_EQ(design_.settings[kSecondDelimiter], 0);
  EXPECT_EQ(design_.settings[kStartTarget], 1);
}

TEST_F(StartupPageTest, GroupZeroShowsThreeRowsAndBlankOnes) {
  const GroupView group = page_.Open().group;
  EXPECT_EQ(group.group, 0);
  EXPECT_EQ(group.width, 12);
  EXPECT_EQ(group.rows[0].label, "1.Collect   ");
  EXPECT_EQ(group.rows[2].text, "3.Utilities ");
  EXPECT_TRUE(group.rows[2].enabled);
  for (int r = 3; r < 8; ++r) {
    EXPECT_EQ(group.rows[r].label, std::string(12, ' ')) << r;
    EXPECT_EQ(group.rows[r].text, std::string(12, ' ')) << r;
    EXPECT_FALSE(group.rows[r].enabled) << r;
  }
}

TEST_F(StartupPageTest, LabelsOfParticularRows) {
  page_.Open();
  EXPECT_EQ(page_.SelectGroup(1).rows[6].label, "7.Memory && Power");
  SetSlotText(ExtraMenuText(design_.settings, 1), "7.Beeper");
  EXPECT_EQ(page_.SelectGroup(6).rows[6].label, "7.Beeper");
  EXPECT_EQ(page_.SelectGroup(12).rows[3].label, std::string(16, ' '));
  EXPECT_EQ(page_.SelectGroup(21).rows[1].label, std::string(12, ' '));
  EXPECT_EQ(page_.SelectGroup(21).rows[0].label, "Connecting..");
}

TEST_F(StartupPageTest, LargeFontRefillsTheFontGroups) {
  page_.Open();
  StartupView view = page_.ClickLargeFont();
  EXPECT_TRUE(view.large_font.checked);
  EXPECT_EQ(view.groups[1], "Utilities (8x12)");
  EXPECT_EQ(view.groups[7], "Upload Port (4x12)");
  EXPECT_EQ(view.groups[0], "Main menu (3x12)");
  view.group = page_.SelectGroup(1);
  EXPECT_EQ(view.group.width, 12);
  EXPECT_EQ(view.group.rows[0].text, "1.Settings  ");
  EXPECT_EQ(view.group.rows[6].label, "7.RAM, Power");
  EXPECT_EQ(page_.ChangeRow(0, "1.Settings  X"), "1.Settings  ");
  EXPECT_EQ(Row(page_.staging_row(1, 0)), "1.Settings  ");

  // The upload port group has five rows with the large font; the sixth is blanked.
  const GroupView upload = page_.SelectGroup(7);
  EXPECT_EQ(upload.rows[3].text, "3. Modem    ");
  EXPECT_FALSE(upload.rows[5].enabled);
  EXPECT_EQ(page_.SelectGroup(6).rows[6].text, "7.Buzzer    ");
  page_.Apply();
  EXPECT_EQ(design_.settings[kLargeFont], 1);
  EXPECT_EQ(Text(8, 0), "1.Settings  ");
  EXPECT_EQ(Text(14, 5), std::string(12, ' '));
  EXPECT_EQ(SlotText(ExtraMenuText(design_.settings, 1)), "7.Buzzer    ");
  EXPECT_TRUE(session_.large_font);
}

TEST_F(StartupPageTest, CalculatorRowTakesTheNumberWhenShown) {
  LookupRecord lookup = LookupAt(design_, 2);
  lookup.member_length() = 10;
  lookup.field_count() = 1;
  page_.Open();
  EXPECT_EQ(Row(page_.staging_row(25, 3)), "8.Calculator    ");
  const GroupView group = page_.SelectGroup(25);
  EXPECT_EQ(group.rows[3].text, "9.Calculator    ");
  EXPECT_EQ(group.rows[3].label, "9.Calculator    ");
  EXPECT_EQ(defaults_.Get(kCalculatorLarge), "9.Calculator");
  page_.Apply();
  EXPECT_EQ(SlotText(ExtraMenuText(design_.settings, 0)), "9.Calculator    ");
}

TEST_F(StartupPageTest, ResetUsesACommaAndTheDefaults) {
  SetSlotText(TextSlot(design_, 7, 0), "Go");
  SetSlotText(TextSlot(design_, 21, 2), "Call us");
  page_.Open();
  page_.SelectGroup(14);
  const StartupView view = page_.Reset();
  EXPECT_EQ(view.delimiter_count, 1);
  EXPECT_EQ(view.delimiters.first_code, "44");
  EXPECT_EQ(view.delimiters.first_text, ",");
  EXPECT_EQ(view.delimiters.second_code, "0");
  EXPECT_EQ(view.group.group, 0);
  EXPECT_EQ(view.group.rows[0].text, "1.Collect   ");
  EXPECT_EQ(Row(page_.staging_row(14, 2)), "for service!");
  page_.Apply();
  EXPECT_EQ(design_.settings[kFirstDelimiter], ',');
  EXPECT_EQ(Text(7, 0), "1.Collect   ");
}

TEST_F(StartupPageTest, FirstShowingPutsThePortLinesOfTheDesign) {
  design_.settings[kUploadPort] = 4;
  session_.port_flags = kDownloadIsBluetooth;  // left from another design
  page_.Open();
  EXPECT_EQ(session_.port_flags, kUploadIsBluetooth);
  EXPECT_EQ(Text(14, 4), "3. Bluetooth SPP");
  EXPECT_EQ(Text(15, 5), "3. Modem        ");
  EXPECT_EQ(defaults_.Get(814), "3. BT SPP   ");
  EXPECT_EQ(Row(page_.staging_row(7, 4)), "3. Bluetooth SPP");
}

TEST_F(StartupPageTest, CancelKeepsTheDesignApartFromThePortLines) {
  page_.Open();
  page_.ClickLargeFont();
  page_.ChangeFirstCode("59");
  page_.SelectGroup(3);
  page_.ChangeRow(0, "Sure?");
  const Design before = design_;
  page_.Cancel();
  EXPECT_EQ(design_, before);
  EXPECT_EQ(session_.startup_staging, nullptr);
}

TEST_F(StartupPageTest, ImportRefusesAForeignFile) {
  page_.Open();
  const StagingTable before = page_.staging();
  Design other = design_;
  std::string bytes = FileOf(other);
  bytes[8] = '5';  // "Q700RU005"
  const StartupImport result = page_.Import(dir_.Write("other.TPX", bytes));
  EXPECT_FALSE(result.imported);
  ASSERT_TRUE(result.message);
  EXPECT_EQ(result.message->text_id, 1171);
  EXPECT_EQ(result.message->caption_id, 1121);
  EXPECT_EQ(page_.staging(), before);

  EXPECT_FALSE(page_.Import(dir_.Write("short.TPX", "Q700")).imported);
  const StartupImport missing = page_.Import(dir_ / "missing.TPX");
  EXPECT_FALSE(missing.imported);
  EXPECT_FALSE(missing.message);
  EXPECT_EQ(page_.staging(), before);
}

// The file must begin with the version tag of today's files or with the older one.
TEST_F(StartupPageTest, ImportAcceptsBothVersionTagsAndNothingElse) {
  const struct {
    const char* header;
    bool accepted;
  } cases[] = {
      {"Q700RU004", true},  {"Q700-1.00", true},  {"Q700-1.01", false},
      {"Q700RU003", false}, {"q700RU004", false}, {"R700RU004", false},
  };
  for (const auto& c : cases) {
    Design other = design_;
    SetSlotText(TextSlot(other, 7, 0), "1.Sammeln   ");
    std::string bytes = FileOf(other);
    bytes.replace(0, 9, c.header);
    StartupPage page(session_, design_);
    page.Open();
    const StartupImport result = page.Import(dir_.Write("tagged.TPX", bytes));
    EXPECT_EQ(result.imported, c.accepted) << c.header;
    EXPECT_EQ(Row(page.staging_row(0, 0)) == "1.Sammeln   ", c.accepted) << c.header;
    EXPECT_EQ(result.message.has_value(), !c.accepted) << c.header;
    page.Cancel();
  }
}

TEST_F(StartupPageTest, ImportTakesTheTextsAndTheFontOfTheFile) {
  Design other = design_;
  SetSlotText(TextSlot(other, 7, 0), "1.Sammeln   ");
  SetSlotText(TextSlot(other, 13, 0), "  [SETUP]  ");  // the title is not a row
  SetSlotText(TextSlot(other, 13, 1), "1.Senden        ");
  SetSlotText(TextSlot(other, 13, 7), "8.Ansicht       ");
  SetSlotText(ExtraMenuText(other.settings, 1), "7.Summer        ");
  SetSlotText(ExtraMenuText(other.settings, 4), "3.Warnton       ");
  other.settings[kLargeFont] = 1;
  other.settings[kStartTarget] = 1;
  page_.Open();
  page_.SelectGroup(9);
  const StartupImport result = page_.Import(dir_.Write("other.TPX", FileOf(other)));
  ASSERT_TRUE(result.imported);
  ASSERT_TRUE(result.view);
  EXPECT_TRUE(result.view->large_font.checked);
  EXPECT_EQ(result.view->groups[1], "Utilities (8x12)");
  EXPECT_EQ(result.view->group.group, 0);
  EXPECT_EQ(result.view->group.rows[0].text, "1.Sammeln   ");
  EXPECT_EQ(result.view->start_target, 0);
  EXPECT_EQ(Row(page_.staging_row(6, 0)), "1.Senden        ");
  EXPECT_EQ(Row(page_.staging_row(6, 6)), "7.Summer        ");
  EXPECT_EQ(Row(page_.staging_row(6, 7)), "8.Ansicht       ");
  EXPECT_EQ(Row(page_.staging_row(25, 6)), "3.Warnton       ");
}

TEST_F(StartupPageTest, ImportOfARevisionOneFileTakesDefaultExtraTexts) {
  Design other = design_;
  other.settings[kRevision] = 1;
  other.settings[kLargeFont] = 1;
  SetSlotText(ExtraMenuText(other.settings, 1), "junk");  // not extra texts yet in revision 1
  SetSlotText(ExtraMenuText(other.settings, 2), "junk");
  SetSlotText(ExtraMenuText(design_.settings, 2), "");  // this design has no key-click text
  SetSlotText(ExtraMenuText(design_.settings, 3), "2.Scanner");
  page_.Open();
  SetSlotText(Bytes(page_.staging_row(25, 5)), "2.Scan edited");
  ASSERT_TRUE(page_.Import(dir_.Write("old.TPX", FileOf(other))).imported);
  EXPECT_EQ(Row(page_.staging_row(6, 6)), "7.Buzzer    ");    // large-font default
  EXPECT_EQ(Row(page_.staging_row(25, 4)), "1.Key Click ");   // was empty in the design
  EXPECT_EQ(Row(page_.staging_row(25, 5)), "2.Scan edited");  // kept
}

TEST_F(StartupPageTest, ImportOfAShortFileKeepsTheRowsItDoesNotReach) {
  Design other = design_;
  SetSlotText(TextSlot(other, 7, 0), "Erfassen");
  SetSlotText(TextSlot(other, 31, 0), "Laden");
  std::string bytes = FileOf(other);
  bytes.resize(kFileTextOffset + TextSetOffset(31) + 8);  // ends inside set 31's first slot
  page_.Open();
  ASSERT_TRUE(page_.Import(dir_.Write("short.TPX", bytes)).imported);
  EXPECT_EQ(Row(page_.staging_row(0, 0)), "Erfassen");
  EXPECT_EQ(Row(page_.staging_row(24, 0)), "Loading...  ");
  EXPECT_FALSE(page_.large_font());
}

}  // namespace
}  // namespace q700::editor
