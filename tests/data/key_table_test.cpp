// The key table: keys used twice are found with the line they were first seen on, also after the
// table has grown past the room it was made with.
#include "data/key_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace q700 {
namespace {

TEST(KeyTable, FindsTheFirstLineOfAKeyUsedAgain) {
  // Made for no keys at all, so it grows several times on the way.
  KeyTable table(0);
  std::vector<std::string> keys;
  for (int i = 0; i < 5000; ++i) keys.push_back("4006" + std::to_string(i * 7));
  for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(table.Insert(keys[i], i + 1), 0u) << i;
  for (size_t i = 0; i < keys.size(); i += 499) {
    EXPECT_EQ(table.Insert(keys[i], 10000 + i), i + 1) << keys[i];
  }
  // A key is told apart from its prefixes and from keys of the same length.
  const std::string prefix = "4006", longer = "40060000000000000", empty;
  EXPECT_EQ(table.Insert(prefix, 20001), 0u);
  EXPECT_EQ(table.Insert(longer, 20002), 0u);
  EXPECT_EQ(table.Insert(empty, 20003), 0u);
  EXPECT_EQ(table.Insert(longer, 20004), 20002u);
}

}  // namespace
}  // namespace q700
