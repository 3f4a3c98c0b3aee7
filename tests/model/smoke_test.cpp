#include <gtest/gtest.h>

#include "model/design.h"

TEST(Smoke, DesignIsItsBlocks) { EXPECT_EQ(sizeof(q700::Design), 18854u); }
