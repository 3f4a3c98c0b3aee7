// The program's resources load from the module: artwork, menu and accelerators.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

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
  // The file's first icon group, the one Explorer shows, is the program's, not the telephone.
  std::wstring first;
  EnumResourceNamesW(
      module, RT_GROUP_ICON,
      [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) -> BOOL {
        *reinterpret_cast<std::wstring*>(param) = IS_INTRESOURCE(name) ? L"#" : name;
        return FALSE;
      },
      reinterpret_cast<LONG_PTR>(&first));
  EXPECT_EQ(first, L"APPICON");
  EXPECT_NE(LoadCursorW(module, MAKEINTRESOURCEW(IDC_HAND_CURSOR)), nullptr);
}

}  // namespace
