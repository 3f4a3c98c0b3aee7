// The pop-up menu and its recent-file items.
#include "app/win32/popup_menu.h"

#include <iterator>

#include "app/recent_files.h"
#include "resources/resource.h"
#include "ui/win32/relabel.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {

void RebuildPopupMenu(App& app) {
  if (app.menu_resource != nullptr) DestroyMenu(app.menu_resource);
  app.menu_resource = LoadMenuW(app.instance, L"PopMenuQ700");
  app.popup = app.menu_resource != nullptr ? GetSubMenu(app.menu_resource, 0) : nullptr;
  app.recent_items = 0;
  for (int i = 0; i < static_cast<int>(std::size(kRelabelledPositions)); ++i) {
    RelabelMenuItem(app.popup, kRelabelledPositions[i], app.texts, kFirstMenuLanguageId + i);
  }
  UpdateRecentItems(app);
  app.client.set_popup_menu(app.popup);
  app.simulator.ShowMainMenu(Redraw::kWholeScreen);
}

void UpdateRecentItems(App& app) {
  if (app.popup == nullptr) return;
  // Only the items this program inserted: with an empty list there is no separator to remove.
  for (int i = 0; i < app.recent_items; ++i) DeleteMenu(app.popup, kRecentPosition, MF_BYPOSITION);
  app.recent_items = 0;
  const auto& recent = app.prefs.recent;
  for (size_t n = 0; n < recent.size() && n < kMaxRecentFiles; ++n) {
    const std::wstring label = FromAnsi(RecentFileLabel(static_cast<int>(n), recent[n]));
    InsertMenuW(app.popup, static_cast<UINT>(kRecentPosition + app.recent_items),
                MF_BYPOSITION | MF_STRING, IDM_RECENT_FIRST + n, label.c_str());
    ++app.recent_items;
  }
  if (app.recent_items > 0) {
    InsertMenuW(app.popup, static_cast<UINT>(kRecentPosition + app.recent_items),
                MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    ++app.recent_items;
  }
}

}  // namespace q700::win32
