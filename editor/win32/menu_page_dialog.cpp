// The Menu page of the editor sheet: forwards the page's controls to the Menu page logic and
// writes its answers back.
#include <memory>

#include "editor/menu_page.h"
#include "editor/page_labels.h"
#include "editor/win32/editor_controls.h"
#include "editor/win32/sheet_page.h"
#include "model/menu_record.h"
#include "resources/dialogs/pages_ids.h"

namespace q700::win32 {
namespace {

using editor::MenuPage;
using editor::MenuView;

// The item (0 to 9) of an id of the item edits or the Next lists, or -1.
int ItemOf(int id, int base) { return id > base && id <= base + kMenuItems ? id - base - 1 : -1; }

class MenuPageDialog : public SheetPage {
 public:
  explicit MenuPageDialog(EditorSheetContext& context) : context_(context), page_(context.texts) {}

 protected:
  void OnInit() override {
    Writing writing(*this);
    RelabelFromTable(hwnd(), context_.texts, editor::kMenuPageLabels);
    const editor::MenuPageLists lists = page_.Lists();
    FillList(hwnd(), IDC_MENU_NAME, lists.menus);
    FillList(hwnd(), IDC_MENU_FONT, lists.fonts);
    FillList(hwnd(), IDC_MENU_ESCAPE, lists.targets);
    for (int n = 1; n <= kMenuItems; ++n) FillList(hwnd(), IDC_MENU_TARGET + n, lists.targets);
    Show(page_.Open(context_.design));
  }

  bool Apply() override {
    page_.Apply(context_.design);
    return true;
  }

  void Cancel() override { page_.Cancel(); }

 private:
  void OnClick(int id) override {
    switch (id) {
      case IDC_MENU_CAPTION_FLAG:
        return ShowCaptionState(page_.ClickCaptionFlag());
      case IDC_MENU_SAVE_CAPTION:
        return ShowFlags(page_.ClickSaveCaption());
      case IDC_MENU_SAVE_ITEM:
        return ShowFlags(page_.ClickSaveItem());
      case IDC_MENU_PASS_DOWN:
        return ShowFlags(page_.ClickPassDown());
      case IDC_MENU_SEPARATE_FILES:
        return ShowFlags(page_.ClickSeparateFiles());
      case IDC_MENU_RESET:
        return Show(page_.Reset());
    }
  }

  void OnSelect(int id, int position) override {
    switch (id) {
      case IDC_MENU_NAME:
        return Show(page_.SelectMenu(position));
      case IDC_MENU_FONT:
        return page_.SelectFont(position);
      case IDC_MENU_ESCAPE:
        return page_.SelectEscapeTarget(position);
    }
    if (const int item = ItemOf(id, IDC_MENU_TARGET); item >= 0) {
      page_.SelectItemTarget(item, position);
    }
  }

  void OnEdit(int id, const std::string& text) override {
    editor::EditRewrite rewrite;
    if (id == IDC_MENU_CAPTION) {
      rewrite = page_.ChangeCaption(text);
    } else if (const int item = ItemOf(id, IDC_MENU_ITEM); item >= 0) {
      rewrite = page_.ChangeItem(item, text);
    } else {
      return;
    }
    Writing writing(*this);
    Rewrite(hwnd(), id, rewrite);
  }

  void Show(const MenuView& view) {
    Writing writing(*this);
    SelectItem(hwnd(), IDC_MENU_NAME, view.menu);
    SelectItem(hwnd(), IDC_MENU_FONT, view.font);
    SelectItem(hwnd(), IDC_MENU_ESCAPE, view.escape_target);
    SetItemText(hwnd(), IDC_MENU_CAPTION, view.caption);
    ShowCaptionState(view.caption_state);
    for (int k = 0; k < kMenuItems; ++k) {
      SetItemText(hwnd(), IDC_MENU_ITEM + k + 1, view.items[k]);
      SelectItem(hwnd(), IDC_MENU_TARGET + k + 1, view.targets[k]);
    }
    ShowFlags(view.flags);
  }

  void ShowCaptionState(const editor::MenuCaptionState& state) {
    SetCheck(hwnd(), IDC_MENU_CAPTION_FLAG, state.flag);
    EnableItem(hwnd(), IDC_MENU_CAPTION, state.edit_enabled);
  }

  void ShowFlags(const editor::MenuDataFlags& flags) {
    SetCheck(hwnd(), IDC_MENU_SAVE_CAPTION, flags.save_caption);
    SetCheck(hwnd(), IDC_MENU_SAVE_ITEM, flags.save_item);
    SetCheck(hwnd(), IDC_MENU_PASS_DOWN, flags.pass_down);
    SetCheck(hwnd(), IDC_MENU_SEPARATE_FILES, flags.separate_files);
  }

  EditorSheetContext& context_;
  MenuPage page_;
};

}  // namespace

std::unique_ptr<SheetPage> CreateMenuPage(EditorSheetContext& context) {
  return std::make_unique<MenuPageDialog>(context);
}

}  // namespace q700::win32
