#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "ReachablePlacement.h"

namespace {

constexpr GridRect kWorkArea{0, 0, 1280, 984};
constexpr int kWidth = 200;
constexpr int kHeight = 150;
constexpr int kTitle = 30;

struct PlacementCase {
    int left;
    int top;
    std::optional<GridRect> expected;
};

class ReachablePlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(ReachablePlacementTest, MovesOnlyAWindowWhoseTitleBandLeavesTheWorkArea) {
    const PlacementCase& c = GetParam();
    EXPECT_EQ(ReachablePlacement(c.left, c.top, kWidth, kHeight, kTitle, kWorkArea), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Places, ReachablePlacementTest,
    ::testing::Values(PlacementCase{100, 120, std::nullopt},
                      // The title band in, the rest below the work area: left where the user put it.
                      PlacementCase{1080, 984 - kTitle, std::nullopt},
                      PlacementCase{1081, 500, GridRect{1080, 500, 1280, 650}},
                      PlacementCase{-1, 500, GridRect{0, 500, 200, 650}},
                      PlacementCase{100, 984 - kTitle + 1, GridRect{100, 834, 300, 984}},
                      PlacementCase{100, -5, GridRect{100, 0, 300, 150}},
                      PlacementCase{-30000, 100000, GridRect{0, 834, 200, 984}},
                      PlacementCase{INT_MAX, INT_MAX, GridRect{1080, 834, 1280, 984}},
                      PlacementCase{INT_MIN, INT_MIN, GridRect{0, 0, 200, 150}}));

TEST(ReachablePlacement, AWindowLargerThanTheWorkAreaGoesToItsTopLeftCorner) {
    EXPECT_EQ(ReachablePlacement(-50, -50, 2000, 1500, kTitle, kWorkArea), (GridRect{0, 0, 2000, 1500}));
}

}  // namespace
