// The Russian language file of samples/ next to the program, chosen in the preferences: the
// pop-up menu, the message boxes, Preferences, About, the progress window, the editor sheet's six
// pages and every dialog behind them show the file's texts. A label or list item that kept its
// English text where the file has an entry fails. ctest runs this suite with the Wine locale set to
// Russian (LC_ALL=ru_RU.UTF-8, ANSI code page 1251), the code page the file is written in.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
// clang-format on

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/win32/dialogs.h"
#include "editor/barcode_labels.h"
#include "editor/form_labels.h"
#include "editor/label_texts.h"
#include "editor/page_labels.h"
#include "editor/symbology_tables.h"
#include "gui/gui_test_support.h"
#include "gui/program_fixture.h"
#include "gui/sheet_pages.h"
#include "link/receive.h"
#include "model/form_record.h"
#include "resources/dialogs/barcode_ids.h"
#include "resources/dialogs/form_ids.h"
#include "resources/dialogs/pages_ids.h"
#include "resources/dialogs/settings_ids.h"
#include "resources/resource.h"
#include "texts/string_table.h"
#include "ui/win32/text_convert.h"

namespace q700::test {
namespace {

using gui_test::Click;
using gui_test::ClickAt;
using gui_test::ModalDriver;
using gui_test::Text;

constexpr UINT kRussianCodePage = 1251;

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

class RussianLanguage : public ProgramTest {
 protected:
  void SetUp() override {
    if (GetACP() != kRussianCodePage) {
      if (std::getenv("Q700_RUSSIAN_LOCALE") != nullptr) {
        FAIL() << "ANSI code page " << GetACP() << ", not 1251: Wine's locale is not Russian";
      }
      GTEST_SKIP() << "needs the Russian ANSI code page (run with LC_ALL=ru_RU.UTF-8)";
    }
    // The language file next to the program, and the preferences naming it.
    const std::filesystem::path program = dir().path() / "program";
    std::filesystem::create_directories(program);
    std::filesystem::copy_file(Q700_RUSSIAN_LANGUAGE_FILE, program / "russian.lng");
    const std::string text = ReadAll(Q700_RUSSIAN_LANGUAGE_FILE);
    const std::string name = text.substr(0, text.find('\r'));
    ASSERT_EQ(win32::FromAnsi(name), L"Русский");
    Preferences prefs;
    prefs.language = name;
    ASSERT_TRUE(WritePreferences(prefs, PrefsPath()));
    Start();
    ASSERT_TRUE(app().texts.language_active());
    for (const StringTableEntry& entry : StringTable()) english_[entry.text].insert(entry.id);
    for (const editor::LanguageIdText& entry : editor::LanguageIdTexts()) {
      english_[entry.text].insert(entry.id);
    }
  }

  // The text of a language id as a window shows it.
  std::wstring Russian(int id) { return win32::FromAnsi(app().texts.Label(id)); }

  // The title and the labelled controls of a dialog (or page) carry the texts of the file;
  // `skip` names controls that the dialog sets itself from a text of its table.
  // `unlabelled` names controls the program leaves in their template's text in every language.
  void ExpectRelabelled(HWND dialog, const LabelTable& table, bool page = false,
                        std::set<int> skip = {}, std::set<int> unlabelled = {}) {
    ASSERT_NE(dialog, nullptr) << table.dialog;
    const std::string where = std::string(table.dialog);
    if (!page) {
      EXPECT_EQ(gui_test::WindowText(dialog), Russian(table.title_id)) << where;
    }
    for (const LabelRow& row : table.rows) {
      if (skip.count(row.control) != 0) continue;
      EXPECT_EQ(Text(dialog, row.control), Russian(row.language_id))
          << "control " << row.control << " (" << row.language_id << ") of " << where;
    }
    if (GetDlgItem(dialog, IDOK) != nullptr) {
      EXPECT_EQ(Text(dialog, IDOK), Russian(1218)) << where;
    }
    if (GetDlgItem(dialog, IDCANCEL) != nullptr) {
      EXPECT_EQ(Text(dialog, IDCANCEL), Russian(1219)) << where;
    }
    ExpectNoEnglishLabel(dialog, where, unlabelled);
    ++dialogs_seen_;
  }

  // No static text, button or list item of the window shows an English text of the string table
  // or the editor's label tables whose id the file gives another text.
  void ExpectNoEnglishLabel(HWND dialog, const std::string& where, std::set<int> allowed = {}) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
      if (allowed.count(GetDlgCtrlID(child)) != 0) continue;
      const std::wstring kind = ClassOf(child);
      std::vector<std::wstring> texts;
      if (kind == L"Static" || kind == L"Button") texts.push_back(gui_test::WindowText(child));
      if (kind == L"ComboBox" || kind == L"ListBox") {
        const bool combo = kind == L"ComboBox";
        const auto count = SendMessageW(child, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
        for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
          std::wstring item(static_cast<size_t>(SendMessageW(
                                child, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0)) +
                                1,
                            L'\0');
          SendMessageW(child, combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                       reinterpret_cast<LPARAM>(item.data()));
          item.resize(wcslen(item.c_str()));
          texts.push_back(item);
        }
      }
      for (const std::wstring& shown : texts) ExpectNotEnglish(shown, GetDlgCtrlID(child), where);
    }
  }

  void ExpectNotEnglish(const std::wstring& shown, int control, const std::string& where) {
    const std::string text = win32::ToUtf8(shown);
    const auto found = english_.find(text);
    if (found == english_.end()) return;
    for (int id : found->second) {
      const std::string_view label = app().texts.Label(id);
      EXPECT_TRUE(label.empty() || win32::FromAnsi(label) == shown)
          << "control " << control << " of " << where << " still reads \"" << text << "\" (id "
          << id << ")";
    }
  }

  // Runs `script` in the next dialog to open while `action` runs.
  void WithDialog(const std::function<void()>& action, gui_test::Script script) {
    driver_.Expect(std::move(script));
    action();
  }

  ModalDriver driver_;
  std::map<std::string, std::set<int>> english_;
  int dialogs_seen_ = 0;
};

TEST_F(RussianLanguage, PopupMenuAndTheSavePrompt) {
  // The file's texts are the Russian words themselves in this code page.
  EXPECT_EQ(Russian(11), L"Настройки TPQ700");
  const int positions[] = {0, 1, 2, 3, 5, 6, 8, 9, 10, 12, 13};
  for (int i = 0; i < 11; ++i) {
    EXPECT_EQ(MenuItemText(app().popup, positions[i]), Russian(1101 + i)) << positions[i];
  }
  app().modified = true;
  std::wstring caption, text;
  WithDialog([&] { SendMessageW(app().main_window, WM_COMMAND, IDM_NEW, 0); },
             [&](HWND box) {
               caption = gui_test::WindowText(box);
               text = gui_test::MessageBoxText(box);
               Click(box, IDCANCEL);
             });
  EXPECT_EQ(caption, Russian(1));
  EXPECT_EQ(text, Russian(1131));
  app().modified = false;
}

TEST_F(RussianLanguage, PreferencesAboutProgressAndReceiving) {
  Preferences probe;
  if (EnumeratePorts(*app().ports, probe) == 0) {
    driver_.Expect([&](HWND box) {
      EXPECT_EQ(gui_test::WindowText(box), Russian(1121));
      EXPECT_EQ(gui_test::MessageBoxText(box), Russian(1049));
      Click(box, IDOK);
    });
  }
  WithDialog([&] { SendMessageW(app().main_window, WM_COMMAND, IDM_PREFERENCES, 0); },
             [&](HWND dialog) {
               const LabelRow rows[] = {{IDC_PREF_DOWNLOAD_LABEL, 12}, {IDC_PREF_RECEIVE_LABEL, 13},
                                        {IDC_PREF_PORT_LABEL, 14},     {IDC_PREF_BAUD_LABEL, 15},
                                        {IDC_PREF_AUTO_PRELOAD, 16},   {IDC_PREF_ON_TOP, 17},
                                        {IDC_PREF_LANGUAGE_LABEL, 18}, {IDC_PREF_DETECT, 19}};
               ExpectRelabelled(dialog, {"PreferencesDlg", 11, rows});
               EXPECT_EQ(gui_test::ItemAt(dialog, IDC_PREF_LANGUAGE, 1), L"Русский");
               Click(dialog, IDCANCEL);
             });
  WithDialog([&] { SendMessageW(app().main_window, WM_COMMAND, IDM_ABOUT, 0); },
             [&](HWND dialog) {
               const LabelRow rows[] = {{IDC_ABOUT_DESIGNED, win32::kAboutDesignedId},
                                        {IDC_ABOUT_REWORKED, win32::kAboutReworkedId}};
               ExpectRelabelled(dialog, {"AboutBox", win32::kAboutTitleId, rows});
               Click(dialog, IDOK);
             });

  // The progress window is modeless: it is read here and closed before its script could run.
  driver_.Expect([](HWND) {});
  app().link_ui.OpenProgress();
  HWND progress = app().link_ui.progress_window();
  const LabelRow progress_rows[] = {{IDC_PROGRESS_LABEL, 8}};
  ExpectRelabelled(progress, {"ProgressDlg", 7, progress_rows});
  app().link_ui.CloseProgress();

  EXPECT_EQ(win32::ReceiveCountText(app().texts, 12), Russian(6) + L" 12");
  WithDialog([&] { app().link_ui.Show(ReceiveDoneMessage(12, app().texts)); },
             [&](HWND box) {
               EXPECT_EQ(gui_test::WindowText(box), Russian(1124));
               EXPECT_EQ(gui_test::MessageBoxText(box), Russian(4) + L"12" + Russian(5));
               Click(box, IDNO);
             });
  EXPECT_EQ(dialogs_seen_, 3);
}

// The editor sheet with a text line, a lookup line and branches to the remains and the
// summation on form 1, so that every detail dialog of the Form page can open.
class RussianEditor : public RussianLanguage {
 protected:
  void SetUp() override {
    RussianLanguage::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    FormRecord form = FormAt(app().design, 0);
    form.type(0) = kTypeText;
    form.type(1) = kTypeLookup;
    form.line(form_offset::kBranch, 0) = 11;  // Remains
    form.line(form_offset::kBranch, 1) = 12;  // Summation
  }

  // Opens the editor as the Edit command does and runs `script` in the sheet.
  void RunEditor(const std::function<void(HWND sheet)>& script) {
    WithDialog([&] { SendMessageW(app().main_window, WM_COMMAND, IDM_EDIT, 0); },
               [&](HWND sheet) {
                 script(sheet);
                 PropSheet_PressButton(sheet, PSBTN_CANCEL);
               });
  }

  HWND Page(HWND sheet, int index) {
    PropSheet_SetCurSel(sheet, nullptr, index);
    return PropSheet_GetCurrentPageHwnd(sheet);
  }
};

TEST_F(RussianEditor, SheetPagesAndTheirDialogs) {
  RunEditor([&](HWND sheet) {
    EXPECT_EQ(gui_test::WindowText(sheet), Russian(2) + L" - [ " + Russian(3) + L" ]");
    EXPECT_EQ(Text(sheet, IDOK), Russian(1218));
    EXPECT_EQ(Text(sheet, IDCANCEL), Russian(1219));
    const std::vector<std::wstring> titles = gui_test::TabTitles(sheet);
    const int title_ids[] = {51, 201, 251, 301, 601, 701};
    ASSERT_EQ(titles.size(), 6u);
    for (size_t i = 0; i < titles.size(); ++i) EXPECT_EQ(titles[i], Russian(title_ids[i]));

    HWND form = Page(sheet, 0);
    ExpectRelabelled(form, editor::kFormPageLabels, true);
    WithDialog([&] { Click(form, IDC_LINE_MORE + 1); },
               [&](HWND dialog) {
                 ExpectRelabelled(dialog, editor::kFieldPropertiesLabels);
                 EXPECT_EQ(Text(dialog, IDC_FIELD_FORM_NUMBER), Russian(72) + L"1");
                 EXPECT_EQ(Text(dialog, IDC_FIELD_LINE_NUMBER), Russian(73) + L"1");
                 Click(dialog, IDC_FIELD_PREFIX);
                 WithDialog([&] { ClickAt(GetDlgItem(dialog, IDC_FIELD_PREFIX_BOX), 2, 2); },
                            [&](HWND picker) {
                              ExpectRelabelled(picker, editor::kKeySequencePickerLabels);
                              Click(picker, IDCANCEL);
                            });
                 Click(dialog, IDCANCEL);
               });
    WithDialog([&] { Click(form, IDC_LINE_MORE + 2); },
               [&](HWND dialog) {
                 ExpectRelabelled(dialog, editor::kLookupPropertiesLabels);
                 Click(dialog, IDCANCEL);
               });
    WithDialog([&] { Click(form, IDC_FORM_TIME_STAMP); },
               [&](HWND dialog) {
                 ExpectRelabelled(dialog, editor::kStampLabels);
                 EXPECT_EQ(Text(dialog, IDC_STAMP_DATE_GROUP).rfind(Russian(123), 0), 0u);
                 EXPECT_EQ(Text(dialog, IDC_STAMP_TIME_GROUP).rfind(Russian(124), 0), 0u);
                 Click(dialog, IDCANCEL);
               });
    WithDialog([&] { Click(form, IDC_FORM_BRANCH); },
               [&](HWND dialog) {
                 ExpectRelabelled(dialog, editor::kBranchLabels);
                 WithDialog([&] { Click(dialog, IDC_BRANCH_MORE + 0); },
                            [&](HWND remains) {
                              ExpectRelabelled(remains, editor::kRemainsLabels);
                              Click(remains, IDCANCEL);
                            });
                 WithDialog([&] { Click(dialog, IDC_BRANCH_MORE + 1); },
                            [&](HWND summation) {
                              ExpectRelabelled(summation, editor::kSummationLabels);
                              Click(summation, IDCANCEL);
                            });
                 Click(dialog, IDCANCEL);
               });

    ExpectRelabelled(Page(sheet, 1), editor::kMenuPageLabels, true);
    // The length column heading follows the record format: "Max Length" for a delimited file.
    HWND lookup = Page(sheet, 2);
    ExpectRelabelled(lookup, editor::kLookupPageLabels, true, {IDC_LOOKUPS_LENGTH_HEADING});
    EXPECT_EQ(Text(lookup, IDC_LOOKUPS_LENGTH_HEADING), Russian(editor::kLabelDelimitedColumn));

    HWND settings = Page(sheet, 4);
    ExpectRelabelled(settings, editor::kSettingsPageLabels, true);
    WithDialog([&] { Click(settings, IDC_SETTINGS_SECURITY); },
               [&](HWND dialog) {
                 ExpectRelabelled(dialog, editor::kSecurityLabels);
                 Click(dialog, IDCANCEL);
               });
    WithDialog([&] { Click(settings, IDC_SETTINGS_FUNCTION_KEYS); },
               [&](HWND dialog) {
                 ExpectRelabelled(dialog, editor::kFunctionKeyLabels);
                 Click(dialog, IDCANCEL);
               });
    WithDialog([&] { Click(settings, IDC_SETTINGS_COUPLER); },
               [&](HWND dialog) {
                 ExpectRelabelled(dialog, editor::kAcousticCouplerLabels);
                 Click(dialog, IDC_AC_CONTROL_CHARS);
                 WithDialog([&] { ClickAt(GetDlgItem(dialog, IDC_AC_START), 2, 2); },
                            [&](HWND picker) {
                              ExpectRelabelled(picker, editor::kCharacterPickerLabels);
                              Click(picker, IDCANCEL);
                            });
                 Click(dialog, IDCANCEL);
               });

    ExpectRelabelled(Page(sheet, 5), editor::kStartupPageLabels, true);
  });
  EXPECT_EQ(dialogs_seen_, 16);
}

TEST_F(RussianEditor, BarcodePageAndTheSymbologyDialogs) {
  RunEditor([&](HWND sheet) {
    HWND page = Page(sheet, 3);
    // The right-hand frame (907) and the "more..." beside Coop25 (220) keep their texts.
    ExpectRelabelled(page, editor::kBarcodePageLabels, true, {}, {907, 220});
    for (int i = 0; i < editor::kBarcodeDialogCount; ++i) {
      const auto dialog_kind = static_cast<editor::BarcodeDialog>(i);
      const editor::BarcodeDialogInfo& info = editor::InfoOf(dialog_kind);
      WithDialog(
          [&] { Click(page, info.button); },
          [&](HWND dialog) {
            // The length labels follow the length qualification.
            ExpectRelabelled(dialog, editor::SymbologyLabels(dialog_kind), false,
                             {IDC_LENGTH_FIRST_LABEL, IDC_LENGTH_SECOND_LABEL});
            if (info.kind == editor::DialogKind::kLength) {
              const std::wstring first = Text(dialog, IDC_LENGTH_FIRST_LABEL);
              bool found = false;
              for (const ComposedText& composed : editor::SymbologyLabels(dialog_kind).composed) {
                found = found || first == Russian(composed.language_id);
              }
              EXPECT_TRUE(found) << info.template_name << ": " << win32::ToUtf8(first);
            }
            Click(dialog, IDCANCEL);
          });
    }
  });
  EXPECT_EQ(dialogs_seen_, 1 + editor::kBarcodeDialogCount);
}

}  // namespace
}  // namespace q700::test
