// The pictures of the Barcode page and the Code ID dialog for the documentation. They are saved
// only when Q700_SCREENSHOT_DIR is set (scripts/screenshots.sh).
#include "barcode_gui_support.h"
#include "model/settings_block.h"
#include "resources/dialogs/barcode_ids.h"

namespace q700::gui_test {
namespace {

class BarcodeScreenshots : public BarcodeTest {};

TEST_F(BarcodeScreenshots, BarcodePageAndCodeIdDialog) {
  design_.settings[settings_offset::kCodeIdFlag] = 1;
  RunBarcodePage([&](HWND sheet, HWND page) {
    SaveScreenshot(sheet, "barcode-page");
    driver_.Expect([&](HWND dialog) {
      Click(dialog, IDC_CODE_ID_SET + 4);
      SaveScreenshot(dialog, "code-id-dialog");
      Click(dialog, IDCANCEL);
    });
    Click(page, IDC_BARCODE_CODE_ID);
    PressCancel(sheet);
  });
}

}  // namespace
}  // namespace q700::gui_test
