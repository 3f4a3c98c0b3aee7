// The pictures of the documentation: the Form page and the key sequence picker with a small
// sample design. They are saved only when Q700_SCREENSHOT_DIR is set (scripts/screenshots.sh).
#include "gui_test_support.h"
#include "model/form_record.h"
#include "resources/dialogs/form_ids.h"

namespace q700::gui_test {
namespace {

class Screenshots : public EditorTest {
 protected:
  Screenshots() {
    FormRecord form = FormAt(design_, 0);
    const struct {
      FieldType type;
      const char* prompt;
      uint8_t source;
      uint8_t min;
      uint8_t max;
      uint8_t lookup;
    } lines[] = {
        {kTypeText, "Article:", 0, 1, 13, 1},        {kTypeInteger, "Quantity:", 1, 1, 5, 0},
        {kTypeReal, "Price:", 1, 1, 8, 0},           {kTypeLookup, "Description", 0, 0, 0, 2},
        {kTypeBoolean, "Damaged (Y/N)", 1, 1, 1, 0},
    };
    for (int i = 0; i < 5; ++i) {
      form.type(i) = lines[i].type;
      SetSlotText(form.prompt(i), lines[i].prompt);
      form.input_source(i) = lines[i].source;
      form.min_length(i) = lines[i].min;
      form.max_length(i) = lines[i].max;
      form.lookup_column(i) = lines[i].lookup;
    }
    form.at(form_offset::kLookupFile) = 1;
    form.record_action() = 6;  // save & output record
    form.next_target() = 21;   // back to the error form
    form.at(form_offset::kErrorTarget) = 3;
    form.line(form_offset::kPrefixFlag, 0) = 1;
    form.prefix(0)[0] = 'A';
    form.prefix(0)[1] = 15;  // F1
  }
};

TEST_F(Screenshots, FormPageAndKeySequencePicker) {
  RunSheet([&](HWND sheet, HWND page) {
    SaveScreenshot(sheet, "form-page");
    driver_.Expect([&](HWND properties) {
      driver_.Expect([&](HWND picker) {
        HWND grid = GetDlgItem(picker, IDC_GRID);
        RECT client;
        GetClientRect(grid, &client);
        const int cell_width = client.right / 17;
        const int cell_height = client.bottom / 17;
        // "Enter" is refused; "F2" (code 16) is added to the stored "A F1".
        ClickAt(grid, (0 + 1) * cell_width + 2, (13 + 1) * cell_height + 2);
        ClickAt(grid, (1 + 1) * cell_width + 2, (0 + 1) * cell_height + 2);
        SaveScreenshot(picker, "key-sequence-picker");
        Click(picker, IDCANCEL);
      });
      ClickAt(GetDlgItem(properties, IDC_FIELD_PREFIX_BOX), 4, 4);
      SaveScreenshot(properties, "field-properties");
      Click(properties, IDCANCEL);
    });
    Click(page, IDC_LINE_MORE + 1);
    PressCancel(sheet);
  });
}

}  // namespace
}  // namespace q700::gui_test
