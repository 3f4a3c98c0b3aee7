// Menu record (350 bytes): a caption, up to 10 items with their targets, the Esc target and the
// data flags. Menus are numbered 1 to 10 and stored at indices 0 to 9 of the menu table.
#pragma once

#include "model/design.h"

namespace q700 {

namespace menu_offset {
inline constexpr size_t kFontSize = 0;
inline constexpr size_t kCaptionFlag = 1;
inline constexpr size_t kCaption = 2;
inline constexpr size_t kItemTexts = 23;
inline constexpr size_t kTextSize = 21;
inline constexpr size_t kEscapeTarget = 233;
inline constexpr size_t kItemTargets = 234;
inline constexpr size_t kSaveCaption = 244;
inline constexpr size_t kSaveItem = 245;
inline constexpr size_t kPassDown = 246;
inline constexpr size_t kItemCount = 247;
inline constexpr size_t kCurrentItem = 248;
inline constexpr size_t kSpareCursor = 249;
inline constexpr size_t kSpare = 250;
}  // namespace menu_offset

inline constexpr int kMenuItems = 10;

class MenuRecord {
 public:
  explicit MenuRecord(Bytes bytes) : b_(bytes.first(kMenuRecordSize)) {}

  uint8_t& font_size() { return b_[menu_offset::kFontSize]; }
  uint8_t& caption_flag() { return b_[menu_offset::kCaptionFlag]; }
  Bytes caption() { return b_.subspan(menu_offset::kCaption, menu_offset::kTextSize); }
  // Item k from 0.
  Bytes item_text(int k) {
    return b_.subspan(menu_offset::kItemTexts + k * menu_offset::kTextSize, menu_offset::kTextSize);
  }
  uint8_t& escape_target() { return b_[menu_offset::kEscapeTarget]; }
  uint8_t& item_target(int k) { return b_[menu_offset::kItemTargets + k]; }
  uint8_t& save_caption() { return b_[menu_offset::kSaveCaption]; }
  uint8_t& save_item() { return b_[menu_offset::kSaveItem]; }
  uint8_t& pass_down() { return b_[menu_offset::kPassDown]; }
  uint8_t& item_count() { return b_[menu_offset::kItemCount]; }
  uint8_t& current_item() { return b_[menu_offset::kCurrentItem]; }
  uint8_t& spare_cursor() { return b_[menu_offset::kSpareCursor]; }

  // 12 characters per line with the large font, 16 with the small one.
  int line_width() { return font_size() != 0 ? 12 : 16; }
  Bytes bytes() { return b_; }

 private:
  Bytes b_;
};

// Menu `index` (0 to 9) of a menu table (the design's or a working copy).
inline MenuRecord MenuAt(Bytes menu_table, int index) {
  return MenuRecord(menu_table.subspan(static_cast<size_t>(index) * kMenuRecordSize));
}
inline MenuRecord MenuAt(Design& d, int index) { return MenuAt(d.menus, index); }

// The number of items whose text holds a character above the blank within the line width.
uint8_t CountMenuItems(MenuRecord menu);
// Recomputes the item count of all 10 menus of a table.
void UpdateMenuItemCounts(Bytes menu_table);

}  // namespace q700
