// The Menu page of the editor sheet: a working copy of the ten menus and of the design's
// "separate data files" option, shown one menu at a time. Each event is one method that changes
// the working copy and returns what the controls must now show; the sheet's OK commits it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "editor/edit_text.h"
#include "editor/form_detail.h"
#include "model/design.h"
#include "model/menu_record.h"
#include "texts/text_loader.h"

namespace q700::editor {

struct MenuPageLists {
  std::vector<std::string> menus;    // 451: "menu  1" .. "menu  10"
  std::vector<std::string> fonts;    // 452: "small", "large"
  std::vector<std::string> targets;  // 453 and 401-410: "main", form 1-10, menu 1-10
};

// The four check boxes of the "Data" group and the design-wide option.
struct MenuDataFlags {
  CheckState save_caption;    // 102
  CheckState save_item;       // 103
  CheckState pass_down;       // 104
  CheckState separate_files;  // 105
};

struct MenuCaptionState {
  CheckState flag;            // 101
  bool edit_enabled = false;  // 311
};

struct MenuView {
  int menu = 0;           // 451
  int font = 0;           // 452
  int escape_target = 0;  // 453
  MenuCaptionState caption_state;
  std::string caption;                        // 311
  std::array<std::string, kMenuItems> items;  // 301-310
  std::array<int, kMenuItems> targets{};      // 401-410
  MenuDataFlags flags;
};

class MenuPage {
 public:
  explicit MenuPage(TextLoader& texts) : texts_(texts) {}

  MenuPageLists Lists() const;

  // The page is first shown: copy the menus and settings byte 4, show menu 1.
  MenuView Open(const Design& design);
  MenuView View();

  // "Name :": shows the chosen menu; choosing the menu shown changes nothing.
  MenuView SelectMenu(int menu);
  // "Font :": texts already entered keep their length until they are edited.
  void SelectFont(int font);
  void SelectEscapeTarget(int target);
  MenuCaptionState ClickCaptionFlag();
  EditRewrite ChangeCaption(std::string_view text);
  // Items 0 to 9.
  EditRewrite ChangeItem(int item, std::string_view text);
  void SelectItemTarget(int item, int target);
  MenuDataFlags ClickSaveCaption();
  MenuDataFlags ClickSaveItem();
  MenuDataFlags ClickPassDown();
  MenuDataFlags ClickSeparateFiles();
  // Clears all ten menus and the separate-files option, shows menu 1.
  MenuView Reset();

  // The sheet closes with OK: whole records and settings byte 4 go into the design.
  void Apply(Design& design);
  void Cancel() { opened_ = false; }

  bool opened() const { return opened_; }
  int current_menu() const { return menu_; }
  MenuRecord record() { return MenuAt(working_, menu_); }
  MenuRecord working_menu(int menu) { return MenuAt(working_, menu); }
  bool separate_files() const { return separate_files_; }

 private:
  void PassDownRule();
  MenuDataFlags Flags();
  MenuCaptionState CaptionState();

  TextLoader& texts_;
  std::array<uint8_t, kMenuTableSize> working_{};
  bool separate_files_ = false;
  int menu_ = 0;
  bool opened_ = false;
};

}  // namespace q700::editor
