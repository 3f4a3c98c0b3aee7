// The label tables against the dialog templates, and relabelling of the detail dialogs from an
// active language.
#include "editor/form_labels.h"
#include "editor/win32/grid_control.h"
#include "gui_test_support.h"
#include "model/form_record.h"
#include "resources/dialogs/form_ids.h"
#include "ui/win32/dialog_handler.h"
#include "ui/win32/text_convert.h"

namespace q700::gui_test {
namespace {

INT_PTR CALLBACK InertDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

// Every labelled control of a table carries the table's built-in text in its template, so a
// language file written from the tables names what the user sees.
TEST(LabelTables, MatchTheDialogTemplates) {
  win32::RegisterGridClass();
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
  const struct {
    const wchar_t* name;
    const LabelTable* table;
  } templates[] = {
      {L"FORMDLG", &editor::kFormPageLabels},
      {L"AdvanceDlg", &editor::kFieldPropertiesLabels},
      {L"LookupAdvanceDlg", &editor::kLookupPropertiesLabels},
      {L"DateTimeStampDlg", &editor::kStampLabels},
      {L"FormBranchDlg", &editor::kBranchLabels},
      {L"FormSummation", &editor::kSummationLabels},
      {L"FormRemains", &editor::kRemainsLabels},
      {L"GRIDDLG", &editor::kKeySequencePickerLabels},
      {L"ACGRIDDLG", &editor::kCharacterPickerLabels},
  };
  EXPECT_EQ(std::size(templates), editor::kFormLabelTables.size());
  for (const auto& t : templates) {
    HWND dialog = CreateDialogParamW(win32::ResourceModule(), t.name, parent, InertDialogProc, 0);
    ASSERT_NE(dialog, nullptr) << testing::PrintToString(std::wstring(t.name));
    EXPECT_EQ(WindowText(dialog), win32::FromUtf8(t.table->title));
    for (const LabelRow& row : t.table->rows) {
      if (row.control == 0) continue;
      EXPECT_EQ(Text(dialog, row.control), win32::FromUtf8(row.text))
          << "control " << row.control << " of " << testing::PrintToString(std::wstring(t.name));
    }
    DestroyWindow(dialog);
  }
  DestroyWindow(parent);
}

// Language ids stay inside the blocks of their dialogs, and no two labels of different texts
// share one.
TEST(LabelTables, KeepTheirIdsInTheirBlocks) {
  const std::pair<int, int> blocks[] = {{51, 69},   {71, 99},   {101, 109}, {111, 129}, {141, 149},
                                        {151, 159}, {161, 169}, {131, 133}, {671, 671}};
  for (size_t i = 0; i < editor::kFormLabelTables.size(); ++i) {
    const LabelTable& table = *editor::kFormLabelTables[i];
    const auto [first, last] = blocks[i];
    EXPECT_TRUE(table.title_id >= first && table.title_id <= last) << table.title;
    for (const LabelRow& row : table.rows) {
      EXPECT_TRUE(row.language_id >= first && row.language_id <= last) << row.text;
      EXPECT_EQ(BuiltInLabel(table, row.language_id), row.text);
    }
  }
}

class DetailRelabelTest : public EditorTest {};

TEST_F(DetailRelabelTest, DetailDialogsTakeTheLanguageTexts) {
  texts_.language().Set(71, "Eigenschaften");
  texts_.language().Set(72, "Formular ");
  texts_.language().Set(74, "Feste Laenge");
  texts_.language().Set(1218, "Gut");
  texts_.language().Set(1219, "Abbruch");
  texts_.language().Set(123, "Datum : ");
  texts_.language().Set(133, "Leeren");
  texts_.set_language_active(true);
  FormAt(design_, 0).type(0) = kTypeText;
  RunSheet([&](HWND sheet, HWND page) {
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), L"Eigenschaften");
      EXPECT_EQ(Text(dialog, IDC_FIELD_FORM_NUMBER), L"Formular 1");
      EXPECT_EQ(Text(dialog, IDC_FIELD_LINE_NUMBER), L"Line #1");
      EXPECT_EQ(Text(dialog, IDC_FIELD_FIXED_LENGTH), L"Feste Laenge");
      EXPECT_EQ(Text(dialog, IDC_FIELD_INITIAL), L"Initial value or text");
      EXPECT_EQ(Text(dialog, IDOK), L"Gut");
      EXPECT_EQ(Text(dialog, IDCANCEL), L"Abbruch");
      Click(dialog, IDC_FIELD_PREFIX);
      driver_.Expect([&](HWND picker) {
        EXPECT_EQ(Text(picker, IDC_GRID_CLEAR), L"Leeren");
        EXPECT_EQ(Text(picker, IDC_GRID_RESULT_LABEL), L"Resulting text :");
        Click(picker, IDCANCEL);
      });
      ClickAt(GetDlgItem(dialog, IDC_FIELD_PREFIX_BOX), 2, 2);
      Click(dialog, IDCANCEL);
    });
    Click(page, IDC_LINE_MORE + 1);
    driver_.Expect([&](HWND dialog) {
      EXPECT_EQ(Text(dialog, IDC_STAMP_DATE_GROUP), L"Datum : YYYY/MM/DD");
      EXPECT_EQ(Text(dialog, IDC_STAMP_TIME_GROUP), L"Time Format : HH:MM:SS");
      Click(dialog, IDCANCEL);
    });
    Click(page, IDC_FORM_TIME_STAMP);
    PressCancel(sheet);
  });
}

}  // namespace
}  // namespace q700::gui_test
