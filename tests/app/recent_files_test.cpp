// The recent-file list, its menu labels and the extension rule of Save As.
#include "app/recent_files.h"

#include <gtest/gtest.h>

namespace q700 {
namespace {

using List = std::vector<std::string>;

TEST(RecentFiles, NewPathsGoFirstAndTheFifthDropsTheOldest) {
  List recent;
  RememberRecentFile(recent, "A.TPX");
  RememberRecentFile(recent, "B.TPX");
  RememberRecentFile(recent, "C.TPX");
  RememberRecentFile(recent, "D.TPX");
  EXPECT_EQ(recent, (List{"D.TPX", "C.TPX", "B.TPX", "A.TPX"}));
  RememberRecentFile(recent, "E.TPX");
  EXPECT_EQ(recent, (List{"E.TPX", "D.TPX", "C.TPX", "B.TPX"}));
}

TEST(RecentFiles, AKnownPathMovesToTheFrontWithoutGrowing) {
  List recent = {"C.TPX", "B.TPX", "A.TPX"};
  RememberRecentFile(recent, "B.TPX");
  EXPECT_EQ(recent, (List{"B.TPX", "C.TPX", "A.TPX"}));
  RememberRecentFile(recent, "B.TPX");
  EXPECT_EQ(recent, (List{"B.TPX", "C.TPX", "A.TPX"}));
  List full = {"D", "C", "B", "A"};
  RememberRecentFile(full, "A");
  EXPECT_EQ(full, (List{"A", "D", "C", "B"}));
}

TEST(RecentFiles, LabelsNumberFromOneAndCutLongPathsInTheMiddle) {
  EXPECT_EQ(RecentFileLabel(0, "C:\\A.TPX"), "&1:  C:\\A.TPX");
  const std::string forty(40, 'x');
  EXPECT_EQ(RecentFileLabel(3, forty), "&4:  " + forty);
  // 41 characters: the first 15, "..." and the last 22.
  const std::string path = "C:\\Projects\\Warehouses\\Inventory\\Q700.TPX";
  ASSERT_EQ(path.size(), 41u);
  EXPECT_EQ(RecentFileLabel(1, path), "&2:  C:\\Projects\\War...ses\\Inventory\\Q700.TPX");
}

TEST(RecentFiles, SaveAsAppendsTheProjectExtensionUnlessPresent) {
  EXPECT_EQ(WithProjectExtension(std::string_view("C:\\work\\shop")), "C:\\work\\shop.TPX");
  EXPECT_EQ(WithProjectExtension(std::string_view("C:\\work\\shop.tpx")), "C:\\work\\shop.tpx");
  EXPECT_EQ(WithProjectExtension(std::string_view("shop.TpX")), "shop.TpX");
  EXPECT_EQ(WithProjectExtension(std::string_view("shop.txt")), "shop.txt.TPX");
  EXPECT_EQ(WithProjectExtension(std::string_view("PX")), "PX.TPX");
  EXPECT_EQ(WithProjectExtension(std::wstring_view(L"Склад")), L"Склад.TPX");
}

}  // namespace
}  // namespace q700
