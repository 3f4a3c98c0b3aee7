// Tests of files written beside their target: the target changes only on commit, a failed or
// abandoned write leaves no file behind, and records kept aside never take an existing name.
#include "base/staged_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace q700 {
namespace {

using test::ReadFileBytes;
using test::TempDir;

std::vector<std::string> Names(const TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void Put(StagedFile& file, const std::string& text) {
  ASSERT_EQ(std::fwrite(text.data(), 1, text.size(), file.stream()), text.size());
}

TEST(StagedFileTest, TheTargetChangesOnlyOnCommit) {
  TempDir dir;
  const std::filesystem::path target = dir.Write("data.txt", "yesterday\r\n");
  std::string error;
  {
    StagedFile abandoned(target);
    ASSERT_TRUE(abandoned.Create(&error)) << error;
    Put(abandoned, "half a rec");
  }
  EXPECT_EQ(ReadFileBytes(target), "yesterday\r\n");
  EXPECT_EQ(Names(dir), (std::vector<std::string>{"data.txt"}));

  StagedFile file(target);
  ASSERT_TRUE(file.Create(&error)) << error;
  Put(file, "today\r\n");
  EXPECT_EQ(ReadFileBytes(target), "yesterday\r\n");
  ASSERT_TRUE(file.Commit(&error)) << error;
  EXPECT_EQ(ReadFileBytes(target), "today\r\n");
  EXPECT_EQ(Names(dir), (std::vector<std::string>{"data.txt"}));
}

TEST(StagedFileTest, KeptAsideUnderAFreeNameAlsoWhenTheTargetCannotBeReplaced) {
  TempDir dir;
  EXPECT_EQ(AsideName(dir / "data.txt", 1), dir / "data.partial.txt");
  EXPECT_EQ(AsideName("data.txt", 2), std::filesystem::path("data.partial-2.txt"));
  EXPECT_EQ(AsideName("records", 3), std::filesystem::path("records.partial-3"));

  // A folder where the file should go: the commit fails and the records are not lost.
  std::filesystem::create_directories(dir / "data.txt" / "inside");
  dir.Write("data.partial.txt", "earlier\r\n");
  std::string error;
  StagedFile file(dir / "data.txt");
  ASSERT_TRUE(file.Create(&error)) << error;
  Put(file, "r1\r\n");
  EXPECT_FALSE(file.Commit(&error));
  EXPECT_NE(error.find("data.txt"), std::string::npos) << error;
  const std::optional<std::filesystem::path> kept = file.KeepAside(&error);
  ASSERT_TRUE(kept) << error;
  EXPECT_EQ(*kept, dir / "data.partial-2.txt");
  EXPECT_EQ(ReadFileBytes(*kept), "r1\r\n");
  EXPECT_EQ(ReadFileBytes(dir / "data.partial.txt"), "earlier\r\n");
  EXPECT_EQ(Names(dir),
            (std::vector<std::string>{"data.partial-2.txt", "data.partial.txt", "data.txt"}));
}

TEST(StagedFileTest, AMissingFolderIsNamedWithTheReason) {
  TempDir dir;
  StagedFile file(dir / "none" / "data.txt");
  std::string error;
  EXPECT_FALSE(file.Create(&error));
  EXPECT_EQ(error.rfind((dir / "none").string() + ": ", 0), 0u) << error;
  EXPECT_EQ(file.stream(), nullptr);
}

}  // namespace
}  // namespace q700
