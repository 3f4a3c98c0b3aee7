#include "model/menu_record.h"

namespace q700 {

uint8_t CountMenuItems(MenuRecord menu) {
  const int width = menu.line_width();
  uint8_t count = 0;
  for (int k = 0; k < kMenuItems; ++k) {
    const Bytes text = menu.item_text(k);
    for (int c = 0; c < width && text[c] != 0; ++c) {
      if (text[c] > ' ') {
        ++count;
        break;
      }
    }
  }
  return count;
}

void UpdateMenuItemCounts(Bytes menu_table) {
  for (int m = 0; m < kMenuCount; ++m) {
    MenuRecord menu = MenuAt(menu_table, m);
    menu.item_count() = CountMenuItems(menu);
  }
}

}  // namespace q700
