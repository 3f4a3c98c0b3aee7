// The Menu page: working copy of the menus, the pass-down rule, Reset and the commit.
#include "editor/menu_page.h"

#include <algorithm>

#include "editor/list_texts.h"
#include "editor/page_values.h"
#include "model/settings_block.h"

namespace q700::editor {
namespace {

constexpr size_t kCaptionRead = 21;
constexpr size_t kItemRead = 24;
constexpr int kTargetCount = kLastTarget + 1;

}  // namespace

MenuPageLists MenuPage::Lists() const {
  return {NumberedTexts(texts_, kItemMenu, 1, kMenuCount), LoadTexts(texts_, kFontTexts),
          TargetTexts(texts_)};
}

MenuView MenuPage::Open(const Design& design) {
  separate_files_ = design.settings[settings_offset::kSeparateFiles] != 0;
  menu_ = 0;
  std::copy(design.menus.begin(), design.menus.end(), working_.begin());
  opened_ = true;
  PassDownRule();
  return View();
}

MenuView MenuPage::View() {
  MenuRecord menu = record();
  MenuView view;
  view.menu = menu_;
  view.font = menu.font_size();
  view.escape_target = menu.escape_target();
  view.caption_state = CaptionState();
  view.caption = SlotText(menu.caption());
  for (int k = 0; k < kMenuItems; ++k) {
    view.items[k] = SlotText(menu.item_text(k));
    view.targets[k] = menu.item_target(k);
  }
  view.flags = Flags();
  return view;
}

MenuCaptionState MenuPage::CaptionState() {
  const bool on = record().caption_flag() != 0;
  return {CheckState{on, true}, on};
}

MenuDataFlags MenuPage::Flags() {
  MenuRecord menu = record();
  MenuDataFlags flags;
  flags.save_caption.checked = menu.save_caption() != 0;
  flags.save_item.checked = menu.save_item() != 0;
  flags.pass_down.checked = menu.pass_down() != 0;
  // The pass-down rule leaves the box enabled exactly in this case.
  flags.pass_down.enabled =
      !separate_files_ && (flags.save_caption.checked || flags.save_item.checked);
  flags.separate_files.checked = separate_files_;
  return flags;
}

// With separate data files, the saved caption and item always travel with the data; without
// anything saved there is nothing to pass down.
void MenuPage::PassDownRule() {
  MenuRecord menu = record();
  const bool saves = menu.save_caption() != 0 || menu.save_item() != 0;
  if (separate_files_) {
    menu.pass_down() = saves ? 1 : 0;
  } else if (!saves) {
    menu.pass_down() = 0;
  }
}

MenuView MenuPage::SelectMenu(int menu) {
  if (InRange(menu, kMenuCount) && menu != menu_) {
    menu_ = menu;
    PassDownRule();
  }
  return View();
}

void MenuPage::SelectFont(int font) {
  if (InRange(font, kFontTexts.count)) record().font_size() = static_cast<uint8_t>(font);
}

void MenuPage::SelectEscapeTarget(int target) {
  if (InRange(target, kTargetCount)) record().escape_target() = static_cast<uint8_t>(target);
}

MenuCaptionState MenuPage::ClickCaptionFlag() {
  MenuRecord menu = record();
  menu.caption_flag() = Toggled(menu.caption_flag());
  return CaptionState();
}

EditRewrite MenuPage::ChangeCaption(std::string_view text) {
  MenuRecord menu = record();
  const TextEntry entry =
      ReadTextEntry(text.substr(0, kCaptionRead), static_cast<size_t>(menu.line_width()));
  SetSlotText(menu.caption(), entry.text);
  return entry.rewrite;
}

EditRewrite MenuPage::ChangeItem(int item, std::string_view text) {
  if (!InRange(item, kMenuItems)) return std::nullopt;
  MenuRecord menu = record();
  const TextEntry entry =
      ReadTextEntry(text.substr(0, kItemRead), static_cast<size_t>(menu.line_width()));
  SetSlotText(menu.item_text(item), entry.text);
  return entry.rewrite;
}

void MenuPage::SelectItemTarget(int item, int target) {
  if (InRange(item, kMenuItems) && InRange(target, kTargetCount)) {
    record().item_target(item) = static_cast<uint8_t>(target);
  }
}

MenuDataFlags MenuPage::ClickSaveCaption() {
  record().save_caption() = Toggled(record().save_caption());
  PassDownRule();
  return Flags();
}

MenuDataFlags MenuPage::ClickSaveItem() {
  record().save_item() = Toggled(record().save_item());
  PassDownRule();
  return Flags();
}

MenuDataFlags MenuPage::ClickPassDown() {
  record().pass_down() = Toggled(record().pass_down());
  return Flags();
}

MenuDataFlags MenuPage::ClickSeparateFiles() {
  separate_files_ = !separate_files_;
  PassDownRule();
  return Flags();
}

MenuView MenuPage::Reset() {
  for (int m = 0; m < kMenuCount; ++m) {
    Bytes bytes = MenuAt(working_, m).bytes();
    std::fill_n(bytes.begin(), menu_offset::kSpare, uint8_t{0});
  }
  separate_files_ = false;
  menu_ = 0;
  PassDownRule();
  return View();
}

void MenuPage::Apply(Design& design) {
  if (!opened_) return;
  std::copy(working_.begin(), working_.end(), design.menus.begin());
  design.settings[settings_offset::kSeparateFiles] = separate_files_ ? 1 : 0;
  opened_ = false;
}

}  // namespace q700::editor
