// The program's resources load from the module: artwork, menu and accelerators.
#include <gtest/gtest.h>
#include <windows.h>

#include "resource.h"

namespace {

TEST(Resources, ArtworkMenuAndAcceleratorsLoad) {
  HINSTANCE module = GetModuleHandleW(nullptr);
  for (int id = IDB_BODY; id <= IDB_ALPHA_OFF; ++id) {
    HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(id));
    EXPECT_NE(bitmap, nullptr) << "bitmap " << id;
    if (id == IDB_BODY && bitmap != nullptr) {
      BITMAP info{};
      GetObjectW(bitmap, sizeof(info), &info);
      EXPECT_EQ(info.bmWidth, 210);
      EXPECT_EQ(info.bmHeight, 464);
    }
    DeleteObject(bitmap);
  }
  HMENU menu = LoadMenuW(module, L"PopMenuQ700");
  ASSERT_NE(menu, nullptr);
  HMENU popup = GetSubMenu(menu, 0);
  EXPECT_EQ(GetMenuItemCount(popup), 14);
  EXPECT_EQ(GetMenuItemID(popup, 8), static_cast<UINT>(IDM_DOWNLOAD_APPLICATION));
  DestroyMenu(menu);
  EXPECT_NE(LoadAcceleratorsW(module, L"TPQ700"), nullptr);
  EXPECT_NE(LoadIconW(module, L"TPQ700"), nullptr);
  EXPECT_NE(LoadCursorW(module, MAKEINTRESOURCEW(IDC_HAND_CURSOR)), nullptr);
}

}  // namespace
