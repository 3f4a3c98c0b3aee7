// The Lookup page of the editor sheet: forwards the page's controls to the Lookup page logic,
// writes its answers back and paints the note about delimiters in the colour of the format.
#include <memory>

#include "editor/lookup_page.h"
#include "editor/page_labels.h"
#include "editor/win32/editor_controls.h"
#include "editor/win32/sheet_page.h"
#include "model/lookup_record.h"
#include "resources/dialogs/pages_ids.h"
#include "ui/win32/message_box.h"

namespace q700::win32 {
namespace {

using editor::LookupPage;
using editor::LookupView;

// The field (0 to 7) of an id of a row's controls, or -1.
int FieldOf(int id, int base) {
  return id > base && id <= base + kLookupFields ? id - base - 1 : -1;
}

COLORREF NoteColour(editor::NoteColour colour) {
  if (colour == editor::NoteColour::kRed) {
    return RGB(editor::kNoteRed.r, editor::kNoteRed.g, editor::kNoteRed.b);
  }
  // A display without a solid grey reports 0 for it.
  const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
  return grey != 0 ? grey
                   : RGB(editor::kNoteGreyFallback.r, editor::kNoteGreyFallback.g,
                         editor::kNoteGreyFallback.b);
}

class LookupPageDialog : public SheetPage {
 public:
  explicit LookupPageDialog(EditorSheetContext& context)
      : context_(context), page_(context.session) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    RelabelFromTable(hwnd(), context_.texts, editor::kLookupPageLabels);
    const editor::LookupPageLists lists = page_.Lists();
    FillList(hwnd(), IDC_LOOKUPS_NAME, lists.lookups);
    FillList(hwnd(), IDC_LOOKUPS_FIELD_COUNT, lists.field_counts);
    FillList(hwnd(), IDC_LOOKUPS_BAD_FORMAT, lists.bad_format);
    Show(page_.Open(context_.design));
  }

  bool OnPageMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result) override {
    if (message != WM_CTLCOLORSTATIC) return false;
    if (reinterpret_cast<HWND>(lparam) != Item(IDC_LOOKUPS_NOTE)) return false;
    // The note lies on the page's own background: the button face, or what a visual style
    // paints the page with.
    HDC dc = reinterpret_cast<HDC>(wparam);
    SetTextColor(dc, NoteColour(note_));
    SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    return true;
  }

  bool Apply() override {
    page_.Apply(context_.design);
    return true;
  }

  void Cancel() override { page_.Cancel(); }

 private:
  void OnClick(int id) override {
    switch (id) {
      case IDC_LOOKUPS_FIXED:
        return Show(page_.ChooseFixedLength());
      case IDC_LOOKUPS_DELIMITED:
        return Show(page_.ChooseDelimiter());
      case IDC_LOOKUPS_READ_ONCE:
        return Show(page_.ClickReadOnce());
      case IDC_LOOKUPS_UPLOAD:
        return SetCheck(hwnd(), id, page_.ClickUpload());
      case IDC_LOOKUPS_NEGATIVE:
        return SetCheck(hwnd(), id, page_.ClickNegativeRemains());
      case IDC_LOOKUPS_DELETE_EMPTY:
        return SetCheck(hwnd(), id, page_.ClickDeleteIfEmpty());
      case IDC_LOOKUPS_RESET:
        return Show(page_.Reset());
    }
    if (const int field = FieldOf(id, IDC_LOOKUPS_KEY); field >= 0) {
      page_.SelectKeyField(field);
      ShowKeyField(field);
    }
  }

  void OnSelect(int id, int position) override {
    switch (id) {
      case IDC_LOOKUPS_NAME:
        return Show(page_.SelectLookup(position));
      case IDC_LOOKUPS_FIELD_COUNT:
        return ShowRows(page_.SelectFieldCount(position));
      case IDC_LOOKUPS_NO_MATCH:
        return page_.SelectNoMatch(position);
      case IDC_LOOKUPS_BAD_FORMAT:
        return page_.SelectBadFormat(position);
    }
  }

  void OnEdit(int id, const std::string& text) override {
    editor::EditRewrite rewrite;
    if (id == IDC_LOOKUPS_MEMBER_LENGTH) {
      rewrite = page_.ChangeMemberLength(text);
    } else if (id == IDC_LOOKUPS_DELIMITER) {
      const editor::DelimiterEntry entry = page_.ChangeDelimiter(text);
      if (entry.message) ShowMessageBox(sheet(), context_.texts, *entry.message);
      rewrite = entry.rewrite;
    } else if (const int field = FieldOf(id, IDC_LOOKUPS_OFFSET); field >= 0) {
      rewrite = page_.ChangeOffset(field, text);
    } else if (const int field = FieldOf(id, IDC_LOOKUPS_LENGTH); field >= 0) {
      rewrite = page_.ChangeLength(field, text);
    } else {
      return;
    }
    Writing writing(*this);
    Rewrite(hwnd(), id, rewrite);
  }

  void Show(const LookupView& view) {
    Writing writing(*this);
    SelectItem(hwnd(), IDC_LOOKUPS_NAME, view.lookup);
    SetItemText(hwnd(), IDC_LOOKUPS_LENGTH_HEADING, view.length_label);
    SetChecked(hwnd(), IDC_LOOKUPS_FIXED, !view.delimited);
    SetChecked(hwnd(), IDC_LOOKUPS_DELIMITED, view.delimited);
    SetItemText(hwnd(), IDC_LOOKUPS_MEMBER_LENGTH, view.member_length);
    SetItemText(hwnd(), IDC_LOOKUPS_DELIMITER, view.delimiter);
    EnableItem(hwnd(), IDC_LOOKUPS_MEMBER_LENGTH, view.member_length_enabled);
    EnableItem(hwnd(), IDC_LOOKUPS_DELIMITER, view.delimiter_enabled);
    SelectItem(hwnd(), IDC_LOOKUPS_FIELD_COUNT, view.field_count);
    SetCheck(hwnd(), IDC_LOOKUPS_READ_ONCE, view.read_once);
    SetCheck(hwnd(), IDC_LOOKUPS_UPLOAD, view.upload);
    SetCheck(hwnd(), IDC_LOOKUPS_NEGATIVE, view.negative_remains);
    SetCheck(hwnd(), IDC_LOOKUPS_DELETE_EMPTY, view.delete_if_empty);
    FillList(hwnd(), IDC_LOOKUPS_NO_MATCH, view.no_match_items);
    SelectItem(hwnd(), IDC_LOOKUPS_NO_MATCH, view.no_match);
    SelectItem(hwnd(), IDC_LOOKUPS_BAD_FORMAT, view.bad_format);
    for (int k = 0; k < kLookupFields; ++k) {
      SetItemText(hwnd(), IDC_LOOKUPS_OFFSET + k + 1, view.offsets[k]);
      SetItemText(hwnd(), IDC_LOOKUPS_LENGTH + k + 1, view.lengths[k]);
    }
    ShowKeyField(view.key_field);
    ShowRows(view.rows);
    if (note_ != view.note) {
      note_ = view.note;
      RepaintNote();
    }
  }

  // The note paints no background of its own: the page repaints under it first.
  void RepaintNote() {
    RECT rect;
    GetWindowRect(Item(IDC_LOOKUPS_NOTE), &rect);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    RedrawWindow(hwnd(), &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }

  void ShowKeyField(int field) {
    for (int k = 0; k < kLookupFields; ++k) SetChecked(hwnd(), IDC_LOOKUPS_KEY + k + 1, k == field);
  }

  void ShowRows(const std::array<editor::LookupRowState, kLookupFields>& rows) {
    for (int k = 0; k < kLookupFields; ++k) {
      EnableItem(hwnd(), IDC_LOOKUPS_OFFSET + k + 1, rows[k].offset);
      EnableItem(hwnd(), IDC_LOOKUPS_LENGTH + k + 1, rows[k].length);
      EnableItem(hwnd(), IDC_LOOKUPS_KEY + k + 1, rows[k].key);
    }
  }

  EditorSheetContext& context_;
  LookupPage page_;
  editor::NoteColour note_ = editor::NoteColour::kRed;
};

}  // namespace

std::unique_ptr<SheetPage> CreateLookupPage(EditorSheetContext& context) {
  return std::make_unique<LookupPageDialog>(context);
}

}  // namespace q700::win32
