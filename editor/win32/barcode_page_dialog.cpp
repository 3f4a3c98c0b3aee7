// The Barcode page of the editor sheet: forwards the page's controls to the Barcode page logic,
// writes its answers back, and opens the symbology dialogs from the page's buttons.
#include <memory>

#include "editor/barcode_labels.h"
#include "editor/barcode_page.h"
#include "editor/win32/barcode_dialogs.h"
#include "editor/win32/editor_controls.h"
#include "editor/win32/sheet_page.h"
#include "resources/dialogs/barcode_ids.h"

namespace q700::win32 {
namespace {

using editor::BarcodePage;
using editor::BarcodePageView;

static_assert(IDC_BARCODE_SCAN_MODE == editor::kScanModeList);
static_assert(IDC_BARCODE_REDUNDANCY == editor::kRedundancyList);
static_assert(IDC_BARCODE_TIMEOUT == editor::kTimeoutField);
static_assert(IDC_BARCODE_BOX + 1 == editor::kFirstSymbologyBox);
static_assert(IDC_BARCODE_MORE + 1 == editor::kFirstDialogButton);

bool IsSymbologyBox(int id) {
  return id >= editor::kFirstSymbologyBox &&
         id < editor::kFirstSymbologyBox + editor::kSymbologyBoxCount;
}

class BarcodePageDialog : public SheetPage {
 public:
  explicit BarcodePageDialog(EditorSheetContext& context)
      : context_(context), page_(context.texts) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    RelabelFromTable(hwnd(), context_.texts, editor::kBarcodePageLabels);
    const editor::BarcodePageLists lists = page_.Lists();
    FillList(hwnd(), IDC_BARCODE_SCAN_MODE, lists.scan_modes);
    FillList(hwnd(), IDC_BARCODE_REDUNDANCY, lists.redundancies);
    SendDlgItemMessageW(hwnd(), IDC_BARCODE_TIMEOUT, EM_LIMITTEXT, editor::kTimeoutChars, 0);
    Show(page_.Open(context_.design));
  }

  void OnCommand(int id, int code) override {
    if (code == BN_CLICKED) {
      Click(id);
    } else if (code == CBN_SELCHANGE && id == IDC_BARCODE_SCAN_MODE) {
      page_.SelectScanMode(SelectedItem(hwnd(), id));
    } else if (code == CBN_SELCHANGE && id == IDC_BARCODE_REDUNDANCY) {
      page_.SelectRedundancy(SelectedItem(hwnd(), id));
    } else if (code == EN_CHANGE && id == IDC_BARCODE_TIMEOUT) {
      const editor::EditRewrite rewrite = page_.ChangeTimeout(ItemText(hwnd(), id));
      Writing writing(*this);
      Rewrite(hwnd(), id, rewrite);
    }
  }

  bool Apply() override {
    page_.Apply(context_.design);
    return true;
  }

  void Cancel() override { page_.Cancel(); }

 private:
  void Click(int id) {
    if (IsSymbologyBox(id)) {
      const bool checked = page_.ClickBox(id);
      Writing writing(*this);
      SetChecked(hwnd(), id, checked);
    } else if (const auto dialog = BarcodePage::PressButton(id)) {
      RunBarcodeDialog(hwnd(), *dialog, context_);
    }
  }

  void Show(const BarcodePageView& view) {
    Writing writing(*this);
    SelectItem(hwnd(), IDC_BARCODE_SCAN_MODE, view.scan_mode);
    SelectItem(hwnd(), IDC_BARCODE_REDUNDANCY, view.redundancy);
    SetItemText(hwnd(), IDC_BARCODE_TIMEOUT, view.timeout);
    for (const editor::ButtonState& box : view.boxes) SetChecked(hwnd(), box.control, box.checked);
  }

  EditorSheetContext& context_;
  BarcodePage page_;
};

}  // namespace

std::unique_ptr<SheetPage> CreateBarcodePage(EditorSheetContext& context) {
  return std::make_unique<BarcodePageDialog>(context);
}

}  // namespace q700::win32
