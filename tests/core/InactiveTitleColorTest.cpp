#include <gtest/gtest.h>

#include "InactiveTitleColor.h"

namespace {

TEST(InactiveTitleColorTest, ScalesEachChannelByThreeFifthsRoundingDown) {
    EXPECT_EQ(InactiveTitleColor(0x00FFFFFF), 0x00999999u);  // RGB(153, 153, 153)
    EXPECT_EQ(InactiveTitleColor(0x0032C864), 0x001E783Cu);  // RGB(100, 200, 50) -> RGB(60, 120, 30)
    EXPECT_EQ(InactiveTitleColor(0x00010203), 0x00000101u);
    EXPECT_EQ(InactiveTitleColor(0xFF000000), 0u);  // the high byte is not a channel
}

}  // namespace
