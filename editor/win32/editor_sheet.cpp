// The editor sheet: the page table, the caption and the modal property sheet.
#include "editor/win32/editor_sheet.h"

#include <commctrl.h>
#include <prsht.h>

#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "editor/barcode_labels.h"
#include "editor/form_labels.h"
#include "editor/page_labels.h"
#include "editor/win32/sheet_page.h"
#include "ui/win32/dialog_handler.h"
#include "ui/win32/relabel.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {
namespace {

// The pages in tab order.
const SheetPageType kPages[] = {
    {editor::kFormPageLabels, CreateFormPage},
    {editor::kMenuPageLabels, CreateMenuPage},
    {editor::kLookupPageLabels, CreateLookupPage},
    {editor::kBarcodePageLabels, CreateBarcodePage},
    {editor::kSettingsPageLabels, CreateSettingsPage},
    {editor::kStartupPageLabels, CreateStartupPage},
};

constexpr int kCaptionPrefixId = 2;
constexpr int kNewFileId = 3;
constexpr char kCaptionPrefix[] = "Генератор Приложений";
constexpr char kNewFile[] = "New file";

// A language label as it is shown, or the built-in UTF-8 text.
std::wstring LabelOr(TextLoader& texts, int language_id, const char* built_in) {
  const std::string_view label = texts.Label(language_id);
  return label.empty() ? FromUtf8(built_in) : FromAnsi(label);
}

// The sheet being created: its property-sheet callback has no user data of its own.
struct SheetOpening {
  TextLoader& texts;
  const std::function<void(HWND)>& on_created;
};
thread_local SheetOpening* opening = nullptr;

int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM) {
  if (message != PSCB_INITIALIZED || opening == nullptr) return 0;
  RelabelDialog(sheet, opening->texts, 0, {});  // OK and Cancel
  if (opening->on_created) opening->on_created(sheet);
  return 0;
}

void InitCommonControlsOnce() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)done;
}

}  // namespace

std::wstring EditorCaption(TextLoader& texts, const std::filesystem::path& file_name) {
  std::wstring caption = LabelOr(texts, kCaptionPrefixId, kCaptionPrefix);
  caption += L" - [ ";
  const std::wstring name = file_name.wstring();
  caption += name.empty() || name == L"Unknow" ? LabelOr(texts, kNewFileId, kNewFile) : name;
  caption += L" ]";
  return caption;
}

bool OpenEditor(HWND owner, EditorSheetContext& context) { return OpenEditor(owner, context, {}); }

bool OpenEditor(HWND owner, EditorSheetContext& context,
                const std::function<void(HWND sheet)>& on_created) {
  InitCommonControlsOnce();
  context.session.BeginSheet();

  SheetRun run;
  std::vector<std::unique_ptr<SheetPage>> handlers;
  std::vector<std::wstring> templates;
  std::vector<std::wstring> titles;
  handlers.reserve(std::size(kPages));
  for (const SheetPageType& type : kPages) {
    handlers.push_back(type.create(context));
    handlers.back()->set_run(&run);
    run.pages.push_back(handlers.back().get());
    templates.push_back(FromUtf8(type.labels.dialog));
    // Without a language the tab shows the template's title.
    titles.push_back(FromAnsi(context.texts.Label(type.labels.title_id)));
  }
  std::vector<PROPSHEETPAGEW> pages(std::size(kPages));
  for (size_t i = 0; i < pages.size(); ++i) {
    PROPSHEETPAGEW& page = pages[i];
    page.dwSize = sizeof(page);
    page.dwFlags = titles[i].empty() ? 0 : PSP_USETITLE;
    page.hInstance = ResourceModule();
    page.pszTemplate = templates[i].c_str();
    page.pfnDlgProc = PropertyPageProc;
    page.pszTitle = titles[i].c_str();
    page.lParam = reinterpret_cast<LPARAM>(handlers[i].get());
  }

  const std::wstring caption = EditorCaption(context.texts, context.file_name);
  PROPSHEETHEADERW header = {};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP | PSH_USECALLBACK;
  header.hwndParent = owner;
  header.hInstance = ResourceModule();
  header.pszCaption = caption.c_str();
  header.nPages = static_cast<UINT>(pages.size());
  header.nStartPage = 0;
  header.ppsp = pages.data();
  header.pfnCallback = SheetCallback;

  SheetOpening this_opening{context.texts, on_created};
  SheetOpening* outer = std::exchange(opening, &this_opening);
  PropertySheetW(&header);
  opening = outer;

  if (run.applied && context.on_commit) context.on_commit();
  return run.applied;
}

}  // namespace q700::win32
