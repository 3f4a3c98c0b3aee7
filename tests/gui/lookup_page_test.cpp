// The Lookup page driven through its controls: the two formats and the note's colour, the number
// boxes, the no-match list with "Only read data once", Reset, and the calculator number that the
// sheet's OK puts into the terminal texts, the Startup page's included.
#include "gui_test_support.h"
#include "model/lookup_record.h"
#include "model/settings_block.h"
#include "resources/dialogs/pages_ids.h"
#include "sheet_pages.h"
#include "texts/terminal_texts.h"

namespace q700::gui_test {
namespace {

constexpr COLORREF kNoteRed = RGB(200, 20, 30);

// The colour the page gives the note's text when the note paints.
COLORREF NoteColour(HWND page) {
  HWND note = GetDlgItem(page, IDC_LOOKUPS_NOTE);
  HDC dc = GetDC(note);
  SendMessageW(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(note));
  const COLORREF colour = GetTextColor(dc);
  ReleaseDC(note, dc);
  return colour;
}

COLORREF GreyText() {
  const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
  return grey != 0 ? grey : RGB(128, 128, 128);
}

class LookupPageTest : public EditorTest {};

TEST_F(LookupPageTest, FormatsAndNumberBoxesReachTheDesignOnOk) {
  LookupRecord lookup = LookupAt(design_, 0);
  lookup.delimiter() = 0;
  lookup.member_length() = 20;
  lookup.field_count() = 2;
  std::wstring message;
  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Lookup");
    EXPECT_EQ(ItemAt(page, IDC_LOOKUPS_NAME, 2), L"3rd lookup file");
    EXPECT_TRUE(Checked(page, IDC_LOOKUPS_FIXED));
    EXPECT_EQ(Text(page, IDC_LOOKUPS_LENGTH_HEADING), L"   Length");
    EXPECT_EQ(NoteColour(page), kNoteRed);
    EXPECT_FALSE(Enabled(page, IDC_LOOKUPS_DELIMITER));
    EXPECT_TRUE(Enabled(page, IDC_LOOKUPS_OFFSET + 2));
    EXPECT_FALSE(Enabled(page, IDC_LOOKUPS_OFFSET + 3));

    Type(page, IDC_LOOKUPS_MEMBER_LENGTH, L"300");
    EXPECT_EQ(Text(page, IDC_LOOKUPS_MEMBER_LENGTH), L"255");
    Type(page, IDC_LOOKUPS_OFFSET + 2, L"300");
    EXPECT_EQ(Text(page, IDC_LOOKUPS_OFFSET + 2), L"255");
    Type(page, IDC_LOOKUPS_LENGTH + 2, L"");
    EXPECT_EQ(Text(page, IDC_LOOKUPS_LENGTH + 2), L"");

    Click(page, IDC_LOOKUPS_DELIMITED);
    EXPECT_TRUE(Checked(page, IDC_LOOKUPS_DELIMITED));
    EXPECT_FALSE(Checked(page, IDC_LOOKUPS_FIXED));
    EXPECT_EQ(Text(page, IDC_LOOKUPS_DELIMITER), L"9");
    EXPECT_EQ(Text(page, IDC_LOOKUPS_LENGTH_HEADING), L"Max Length");
    EXPECT_EQ(NoteColour(page), GreyText());
    EXPECT_FALSE(Enabled(page, IDC_LOOKUPS_MEMBER_LENGTH));
    EXPECT_FALSE(Enabled(page, IDC_LOOKUPS_OFFSET + 1));
    EXPECT_TRUE(Enabled(page, IDC_LOOKUPS_LENGTH + 1));

    Type(page, IDC_LOOKUPS_DELIMITER, L"44");
    Click(page, IDC_LOOKUPS_FIXED);
    EXPECT_EQ(NoteColour(page), kNoteRed);
    EXPECT_TRUE(Enabled(page, IDC_LOOKUPS_OFFSET + 1));
    Click(page, IDC_LOOKUPS_DELIMITED);
    EXPECT_EQ(Text(page, IDC_LOOKUPS_DELIMITER), L"44");
    driver_.Expect([&](HWND box) {
      message = MessageBoxText(box);
      EXPECT_EQ(WindowText(box), L"Warning");
      Click(box, IDOK);
    });
    Type(page, IDC_LOOKUPS_DELIMITER, L"13");
    EXPECT_EQ(Text(page, IDC_LOOKUPS_DELIMITER), L"44");

    Type(page, IDC_LOOKUPS_LENGTH + 1, L"5");
    Type(page, IDC_LOOKUPS_LENGTH + 2, L"7");
    Choose(page, IDC_LOOKUPS_FIELD_COUNT, 3);
    EXPECT_TRUE(Enabled(page, IDC_LOOKUPS_LENGTH + 3));
    EXPECT_TRUE(Enabled(page, IDC_LOOKUPS_KEY + 3));
    EXPECT_FALSE(Enabled(page, IDC_LOOKUPS_OFFSET + 3));
    EXPECT_FALSE(Enabled(page, IDC_LOOKUPS_LENGTH + 4));
    Type(page, IDC_LOOKUPS_LENGTH + 3, L"2");
    Click(page, IDC_LOOKUPS_KEY + 2);
    EXPECT_TRUE(Checked(page, IDC_LOOKUPS_KEY + 2));
    EXPECT_FALSE(Checked(page, IDC_LOOKUPS_KEY + 1));
    Choose(page, IDC_LOOKUPS_BAD_FORMAT, 2);
    Click(page, IDC_LOOKUPS_NEGATIVE);
    Click(page, IDC_LOOKUPS_UPLOAD);
    PressOk(sheet);
  });
  EXPECT_EQ(message, L"Invalid value!");
  lookup = LookupAt(design_, 0);
  EXPECT_EQ(lookup.delimiter(), 44);
  EXPECT_EQ(lookup.field_count(), 3);
  EXPECT_EQ(lookup.key_field(), 1);
  // The delimited layout: the lengths and one delimiter between neighbouring fields.
  EXPECT_EQ(lookup.member_length(), 16);
  EXPECT_EQ(lookup.field_offset(0), 1);
  EXPECT_EQ(lookup.field_offset(1), 7);
  EXPECT_EQ(lookup.field_offset(2), 15);
  EXPECT_EQ(lookup.field_length(0), 5);
  EXPECT_EQ(lookup.field_length(2), 2);
  EXPECT_EQ(lookup.bad_format_action(), 2);
  EXPECT_EQ(lookup.negative_remains(), 1);
  EXPECT_EQ(lookup.upload_flag(), 0);
}

TEST_F(LookupPageTest, ReadOnceBoxAndNoMatchListReachTheDesign) {
  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Lookup");
    Choose(page, IDC_LOOKUPS_NAME, 1);
    EXPECT_EQ(ItemCount(page, IDC_LOOKUPS_NO_MATCH), 6);
    Click(page, IDC_LOOKUPS_READ_ONCE);
    EXPECT_EQ(ItemCount(page, IDC_LOOKUPS_NO_MATCH), 2);
    EXPECT_EQ(ItemAt(page, IDC_LOOKUPS_NO_MATCH, 1), L"Show warning message & Insert");
    Choose(page, IDC_LOOKUPS_NO_MATCH, 1);
    PressOk(sheet);
  });
  EXPECT_EQ(LookupAt(design_, 1).read_once(), 1);
  EXPECT_EQ(LookupAt(design_, 1).no_match_action(), 5);

  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Lookup");
    Choose(page, IDC_LOOKUPS_NAME, 1);
    EXPECT_TRUE(Checked(page, IDC_LOOKUPS_READ_ONCE));
    EXPECT_EQ(Selection(page, IDC_LOOKUPS_NO_MATCH), 1);
    PressCancel(sheet);
  });
}

// The Lookup page commits before the Startup page writes its texts, whichever was shown first,
// so a lookup defined now numbers the calculator item of the design's utilities menu too.
TEST_F(LookupPageTest, DefinedLookupNumbersTheCalculatorNine) {
  using settings_offset::kCalculatorText;
  ASSERT_EQ(design_.settings[kCalculatorText], '8');
  const Design before = design_;
  const auto define_second_lookup = [&](HWND sheet) {
    ShowPage(sheet, L"Startup");
    HWND page = ShowPage(sheet, L"Lookup");
    Choose(page, IDC_LOOKUPS_NAME, 1);
    Choose(page, IDC_LOOKUPS_FIELD_COUNT, 2);
    Type(page, IDC_LOOKUPS_LENGTH + 1, L"10");
    Type(page, IDC_LOOKUPS_LENGTH + 2, L"9");
  };
  RunSheet([&](HWND sheet, HWND) {
    define_second_lookup(sheet);
    PressCancel(sheet);
  });
  EXPECT_TRUE(design_ == before);
  EXPECT_EQ(defaults_.Get(kCalculatorSmall)[0], '8');

  RunSheet([&](HWND sheet, HWND) {
    define_second_lookup(sheet);
    PressOk(sheet);
  });
  EXPECT_EQ(LookupAt(design_, 1).member_length(), 20);
  EXPECT_EQ(defaults_.Get(kCalculatorSmall), "9.Calculator    ");
  EXPECT_EQ(defaults_.Get(kCalculatorLarge), "9.Calculator");
  EXPECT_EQ(design_.settings[kCalculatorText], '9');
}

TEST_F(LookupPageTest, ResetReachesEveryLookupButOnlyOk) {
  for (int i = 0; i < kLookupCount; ++i) {
    LookupRecord lookup = LookupAt(design_, i);
    lookup.member_length() = 40;
    lookup.field_count() = 4;
    lookup.field_length(0) = 12;
    lookup.read_once() = 1;
    lookup.no_match_action() = 4;
    lookup.delete_if_empty() = 1;
  }
  const Design before = design_;
  RunSheet([&](HWND sheet, HWND) {
    HWND page = ShowPage(sheet, L"Lookup");
    Choose(page, IDC_LOOKUPS_NAME, 2);
    Click(page, IDC_LOOKUPS_RESET);
    EXPECT_EQ(Selection(page, IDC_LOOKUPS_NAME), 0);
    EXPECT_TRUE(Checked(page, IDC_LOOKUPS_FIXED));
    EXPECT_EQ(Text(page, IDC_LOOKUPS_MEMBER_LENGTH), L"0");
    EXPECT_TRUE(Checked(page, IDC_LOOKUPS_DELETE_EMPTY));
    EXPECT_FALSE(Checked(page, IDC_LOOKUPS_READ_ONCE));
    PressCancel(sheet);
  });
  EXPECT_TRUE(design_ == before);

  RunSheet([&](HWND sheet, HWND) {
    Click(ShowPage(sheet, L"Lookup"), IDC_LOOKUPS_RESET);
    PressOk(sheet);
  });
  EXPECT_EQ(LookupAt(design_, 2).member_length(), 0);
  EXPECT_EQ(LookupAt(design_, 2).delete_if_empty(), 1);
}

}  // namespace
}  // namespace q700::gui_test
