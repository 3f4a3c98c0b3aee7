// The Startup page of the editor sheet: forwards the page's controls to the Startup page logic,
// writes its answers back and asks for the project file to import the screen texts from.
// clang-format off
#include <windows.h>
#include <commdlg.h>
// clang-format on

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "editor/page_labels.h"
#include "editor/startup_page.h"
#include "editor/win32/editor_controls.h"
#include "editor/win32/sheet_page.h"
#include "resources/dialogs/pages_ids.h"
#include "texts/text_ids.h"
#include "ui/win32/gdi.h"
#include "ui/win32/message_box.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {
namespace {

using editor::GroupView;
using editor::StartupPage;
using editor::StartupView;

constexpr DWORD kFileNameMax = 256;

// The project file to import from, or nothing when the user cancelled.
std::optional<std::filesystem::path> ChooseProjectFile(HWND owner, TextLoader& texts) {
  std::wstring filter = FromAnsi(texts.Load(kFilterProjectOpen, Slot::kItem));
  filter += L'\0';
  filter += FromAnsi(texts.Load(kPatternProject, Slot::kItem));
  filter += L'\0';  // the list ends with an empty entry; c_str() adds the second NUL
  wchar_t file[kFileNameMax + 1] = {};
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file;
  dialog.nMaxFile = kFileNameMax;
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  return std::filesystem::path(file);
}

// The row (0 to 7) of an id of the row labels or boxes, or -1.
int RowOf(int id, int base) { return id > base && id <= base + kGroupRowsMax ? id - base - 1 : -1; }

class StartupPageDialog : public SheetPage {
 public:
  explicit StartupPageDialog(EditorSheetContext& context)
      : context_(context), page_(context.session, context.design) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    RelabelFromTable(hwnd(), context_.texts, editor::kStartupPageLabels);
    UseTerminalFont();
    const editor::StartupPageLists lists = page_.Lists();
    FillList(hwnd(), IDC_STARTUP_TARGET, lists.start_targets);
    FillList(hwnd(), IDC_STARTUP_COUNT, lists.delimiter_counts);
    Show(page_.Open());
  }

  bool Apply() override {
    page_.Apply();
    return true;
  }

  void Cancel() override { page_.Cancel(); }

 private:
  void OnClick(int id) override {
    switch (id) {
      case IDC_STARTUP_LARGE_FONT:
        return Show(page_.ClickLargeFont());
      case IDC_STARTUP_RESET:
        return Show(page_.Reset());
      case IDC_STARTUP_IMPORT:
        return Import();
    }
  }

  void Import() {
    const auto path = ChooseProjectFile(hwnd(), context_.texts);
    if (!path) return;
    const editor::StartupImport result = page_.Import(*path);
    if (result.message) ShowMessageBox(sheet(), context_.texts, *result.message);
    if (result.view) Show(*result.view);
  }

  void OnSelect(int id, int position) override {
    switch (id) {
      case IDC_STARTUP_TARGET:
        return page_.SelectStartTarget(position);
      case IDC_STARTUP_COUNT:
        return ShowDelimiters(page_.SelectDelimiterCount(position));
      case IDC_STARTUP_GROUP:
        return ShowGroup(page_.SelectGroup(position));
    }
  }

  void OnEdit(int id, const std::string& text) override {
    if (const int row = RowOf(id, IDC_STARTUP_ROW); row >= 0) {
      const editor::EditRewrite rewrite = page_.ChangeRow(row, text);
      Writing writing(*this);
      Rewrite(hwnd(), id, rewrite);
      return;
    }
    switch (id) {
      case IDC_STARTUP_FIRST_CODE:
        return ShowPaired(id, IDC_STARTUP_FIRST_TEXT, page_.ChangeFirstCode(text));
      case IDC_STARTUP_SECOND_CODE:
        return ShowPaired(id, IDC_STARTUP_SECOND_TEXT, page_.ChangeSecondCode(text));
      case IDC_STARTUP_FIRST_TEXT:
        return ShowPaired(id, IDC_STARTUP_FIRST_CODE, page_.ChangeFirstText(text));
      case IDC_STARTUP_SECOND_TEXT:
        return ShowPaired(id, IDC_STARTUP_SECOND_CODE, page_.ChangeSecondText(text));
    }
  }

  // A box of a delimiter pair changed: its own correction, then its partner.
  void ShowPaired(int id, int partner, const editor::PairedEntry& entry) {
    if (entry.message) ShowMessageBox(sheet(), context_.texts, *entry.message);
    Writing writing(*this);
    Rewrite(hwnd(), id, entry.rewrite);
    if (entry.partner) SetItemText(hwnd(), partner, *entry.partner);
  }

  void Show(const StartupView& view) {
    Writing writing(*this);
    SelectItem(hwnd(), IDC_STARTUP_TARGET, view.start_target);
    SelectItem(hwnd(), IDC_STARTUP_COUNT, view.delimiter_count);
    ShowDelimiters(view.delimiters);
    SetCheck(hwnd(), IDC_STARTUP_LARGE_FONT, view.large_font);
    FillList(hwnd(), IDC_STARTUP_GROUP, view.groups);
    ShowGroup(view.group);
  }

  void ShowDelimiters(const editor::DelimiterView& view) {
    Writing writing(*this);
    SetItemText(hwnd(), IDC_STARTUP_FIRST_CODE, view.first_code);
    SetItemText(hwnd(), IDC_STARTUP_SECOND_CODE, view.second_code);
    SetItemText(hwnd(), IDC_STARTUP_FIRST_TEXT, view.first_text);
    SetItemText(hwnd(), IDC_STARTUP_SECOND_TEXT, view.second_text);
    EnableItem(hwnd(), IDC_STARTUP_FIRST_CODE, view.first_enabled);
    EnableItem(hwnd(), IDC_STARTUP_FIRST_TEXT, view.first_enabled);
    EnableItem(hwnd(), IDC_STARTUP_SECOND_CODE, view.second_enabled);
    EnableItem(hwnd(), IDC_STARTUP_SECOND_TEXT, view.second_enabled);
  }

  void ShowGroup(const GroupView& view) {
    Writing writing(*this);
    SelectItem(hwnd(), IDC_STARTUP_GROUP, view.group);
    for (int r = 0; r < kGroupRowsMax; ++r) {
      SetItemText(hwnd(), IDC_STARTUP_ROW_LABEL + r + 1, view.rows[r].label);
      SetItemText(hwnd(), IDC_STARTUP_ROW + r + 1, view.rows[r].text);
      EnableItem(hwnd(), IDC_STARTUP_ROW_LABEL + r + 1, view.rows[r].enabled);
      EnableItem(hwnd(), IDC_STARTUP_ROW + r + 1, view.rows[r].enabled);
    }
  }

  // The terminal's texts are padded to its screen width: a fixed-pitch font shows them as the
  // terminal does.
  void UseTerminalFont() {
    LOGFONTW dialog_font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)), sizeof(dialog_font),
               &dialog_font);
    LOGFONTW fixed = {};
    fixed.lfHeight = dialog_font.lfHeight != 0 ? dialog_font.lfHeight : -11;
    fixed.lfCharSet = DEFAULT_CHARSET;
    fixed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    wcscpy_s(fixed.lfFaceName, L"Courier New");
    terminal_font_.Reset(CreateFontIndirectW(&fixed));
    if (!terminal_font_) return;
    for (int r = 1; r <= kGroupRowsMax; ++r) {
      for (int id : {IDC_STARTUP_ROW_LABEL + r, IDC_STARTUP_ROW + r}) {
        SendDlgItemMessageW(hwnd(), id, WM_SETFONT, reinterpret_cast<WPARAM>(terminal_font_.get()),
                            FALSE);
      }
    }
  }

  EditorSheetContext& context_;
  StartupPage page_;
  Font terminal_font_;  // outlives the page's controls: the handler outlives the page
};

}  // namespace

std::unique_ptr<SheetPage> CreateStartupPage(EditorSheetContext& context) {
  return std::make_unique<StartupPageDialog>(context);
}

}  // namespace q700::win32
