// The Form page of the editor sheet: forwards the page's controls to the Form page logic and
// writes its answers back.
#include <memory>

#include "editor/form_labels.h"
#include "editor/form_page.h"
#include "editor/win32/editor_controls.h"
#include "editor/win32/form_detail_dialogs.h"
#include "editor/win32/sheet_page.h"
#include "resources/dialogs/form_ids.h"

namespace q700::win32 {
namespace {

using editor::FormPage;
using editor::FormPageView;
using editor::LineState;

// Which column of the line grid an id belongs to, and the line (0 to 7).
struct LineControl {
  int column = -1;
  int line = -1;
};

LineControl LineControlOf(int id) {
  for (int column : {IDC_LINE_TYPE, IDC_LINE_PROMPT, IDC_LINE_SOURCE, IDC_LINE_MIN, IDC_LINE_MAX,
                     IDC_LINE_LOOKUP, IDC_LINE_MORE}) {
    if (id > column && id <= column + kFormLines) return {column, id - column - 1};
  }
  return {};
}

class FormPageDialog : public SheetPage {
 public:
  explicit FormPageDialog(EditorSheetContext& context) : context_(context), page_(context.texts) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    RelabelFromTable(hwnd(), context_.texts, editor::kFormPageLabels);
    const editor::FormPageLists lists = page_.Lists();
    FillList(hwnd(), IDC_FORM_NAME, lists.forms);
    FillList(hwnd(), IDC_FORM_FONT, lists.fonts);
    FillList(hwnd(), IDC_FORM_ESCAPE, lists.escape_targets);
    FillList(hwnd(), IDC_FORM_NEXT, lists.next_targets);
    FillList(hwnd(), IDC_FORM_ERROR, lists.error_targets);
    FillList(hwnd(), IDC_FORM_LOOKUP, lists.lookup_files);
    FillList(hwnd(), IDC_FORM_RECORD, lists.record_actions);
    for (int n = 1; n <= kFormLines; ++n) {
      FillList(hwnd(), IDC_LINE_TYPE + n, lists.types);
      FillList(hwnd(), IDC_LINE_SOURCE + n, lists.input_sources);
      SendDlgItemMessageW(hwnd(), IDC_LINE_PROMPT + n, EM_LIMITTEXT, form_offset::kPromptSize, 0);
    }
    Show(page_.Open(context_.design));
  }

  bool Apply() override {
    bool modified = false;  // the sheet's owner marks the design modified after the commit
    page_.Apply(context_.design, modified);
    return true;
  }

  void Cancel() override { page_.Cancel(); }

 private:
  void OnClick(int id) override {
    if (id == IDC_FORM_TIME_STAMP) {
      RunStampDialog(hwnd(), page_, context_.texts);
    } else if (id == IDC_FORM_BRANCH) {
      RunBranchDialog(hwnd(), page_, context_.texts);
    } else if (const LineControl c = LineControlOf(id); c.column == IDC_LINE_MORE) {
      if (page_.PressMore(c.line) == editor::FieldDialog::kLookupProperties) {
        RunLookupPropertiesDialog(hwnd(), page_, context_.texts);
      } else {
        RunFieldPropertiesDialog(hwnd(), page_, context_.texts);
      }
    }
  }

  void OnSelect(int id, int position) override {
    switch (id) {
      case IDC_FORM_NAME:
        Show(page_.SelectForm(position));
        return;
      case IDC_FORM_FONT: {
        const auto lines = page_.SelectFont(position);
        Writing writing(*this);
        for (int i = 0; i < kFormLines; ++i) ShowLine(i, lines[i]);
        return;
      }
      case IDC_FORM_ESCAPE:
        page_.SelectEscapeTarget(position);
        return;
      case IDC_FORM_NEXT:
        page_.SelectNextTarget(position);
        return;
      case IDC_FORM_ERROR:
        page_.SelectErrorTarget(position);
        return;
      case IDC_FORM_LOOKUP:
        page_.SelectLookupFile(position);
        return;
      case IDC_FORM_RECORD:
        page_.SelectRecordAction(position);
        return;
    }
    const LineControl c = LineControlOf(id);
    if (c.column == IDC_LINE_TYPE) {
      const LineState state = page_.SelectType(c.line, position);
      Writing writing(*this);
      ShowLine(c.line, state);
    } else if (c.column == IDC_LINE_SOURCE) {
      page_.SelectInputSource(c.line, position);
    } else if (c.column == IDC_LINE_LOOKUP) {
      page_.SelectLookupColumn(c.line, position);
    }
  }

  void OnEdit(int id, const std::string& text) override {
    const LineControl c = LineControlOf(id);
    editor::EditRewrite rewrite;
    if (c.column == IDC_LINE_PROMPT) {
      rewrite = page_.ChangePrompt(c.line, text);
    } else if (c.column == IDC_LINE_MIN) {
      rewrite = page_.ChangeMinLength(c.line, text);
    } else if (c.column == IDC_LINE_MAX) {
      rewrite = page_.ChangeMaxLength(c.line, text);
    } else {
      return;
    }
    Writing writing(*this);
    Rewrite(hwnd(), id, rewrite);
  }

  void Show(const FormPageView& view) {
    Writing writing(*this);
    SelectItem(hwnd(), IDC_FORM_NAME, view.form);
    SelectItem(hwnd(), IDC_FORM_FONT, view.font);
    SelectItem(hwnd(), IDC_FORM_ESCAPE, view.escape_target);
    SelectItem(hwnd(), IDC_FORM_NEXT, view.next_target);
    SelectItem(hwnd(), IDC_FORM_ERROR, view.error_target);
    SelectItem(hwnd(), IDC_FORM_LOOKUP, view.lookup_file);
    SelectItem(hwnd(), IDC_FORM_RECORD, view.record_action);
    for (int i = 0; i < kFormLines; ++i) {
      const int n = i + 1;
      SetItemText(hwnd(), IDC_LINE_PROMPT + n, view.texts[i].prompt);
      SetItemText(hwnd(), IDC_LINE_MIN + n, view.texts[i].min_length);
      SetItemText(hwnd(), IDC_LINE_MAX + n, view.texts[i].max_length);
      ShowLine(i, view.lines[i]);
    }
  }

  // Call inside a Writing scope.
  void ShowLine(int i, const LineState& state) {
    const int n = i + 1;
    SelectItem(hwnd(), IDC_LINE_TYPE + n, state.type);
    SelectItem(hwnd(), IDC_LINE_SOURCE + n, state.input_source);
    FillList(hwnd(), IDC_LINE_LOOKUP + n, state.lookup_items);
    SelectItem(hwnd(), IDC_LINE_LOOKUP + n, state.lookup);
    EnableItem(hwnd(), IDC_LINE_TYPE + n, state.enabled.type);
    EnableItem(hwnd(), IDC_LINE_PROMPT + n, state.enabled.prompt);
    EnableItem(hwnd(), IDC_LINE_SOURCE + n, state.enabled.input_source);
    EnableItem(hwnd(), IDC_LINE_MIN + n, state.enabled.min_length);
    EnableItem(hwnd(), IDC_LINE_MAX + n, state.enabled.max_length);
    EnableItem(hwnd(), IDC_LINE_LOOKUP + n, state.enabled.lookup);
    EnableItem(hwnd(), IDC_LINE_MORE + n, state.enabled.more);
  }

  EditorSheetContext& context_;
  FormPage page_;
};

}  // namespace

std::unique_ptr<SheetPage> CreateFormPage(EditorSheetContext& context) {
  return std::make_unique<FormPageDialog>(context);
}

}  // namespace q700::win32
