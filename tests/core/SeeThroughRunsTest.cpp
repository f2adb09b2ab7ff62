#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "SeeThroughRuns.h"

inline void PrintTo(const GridRect& r, std::ostream* out) {
    *out << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

namespace {

// A picture drawn top row first: '.' white, '#' black, 'w' white with a top byte,
// 'k' black with a top byte, '~' one step off white. Stored bottom-up, as GetDIBits gives it.
std::vector<std::uint32_t> BottomUp(const std::vector<std::string>& rows) {
    std::vector<std::uint32_t> pixels;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        for (const char c : *row) {
            switch (c) {
                case '.': pixels.push_back(0x00FFFFFF); break;
                case 'w': pixels.push_back(0xFFFFFFFF); break;
                case '#': pixels.push_back(0x00000000); break;
                case 'k': pixels.push_back(0xFF000000); break;
                default: pixels.push_back(0x00FFFFFE); break;
            }
        }
    }
    return pixels;
}

// What each rectangle finally covers once the region is shifted one pixel right and down.
std::vector<GridRect> Covered(const std::vector<GridRect>& rectangles) {
    std::vector<GridRect> covered;
    for (const GridRect& r : rectangles) covered.push_back({r.left + 1, r.top + 1, r.right + 1, r.bottom + 1});
    return covered;
}

struct ScanCase {
    std::string name;
    std::vector<std::string> picture;
    std::vector<GridRect> covered;
    GridRect bounds;
};

void PrintTo(const ScanCase& c, std::ostream* out) { *out << c.name; }

class SeeThroughRunsTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(SeeThroughRunsTest, CoversEachRunWidenedRightAndDown) {
    const ScanCase& c = GetParam();
    const int width = static_cast<int>(c.picture.front().size());
    const int height = static_cast<int>(c.picture.size());
    const std::vector<std::uint32_t> pixels = BottomUp(c.picture);
    const SeeThroughRuns runs = ScanSeeThroughRuns(pixels.data(), width, height);
    EXPECT_EQ(Covered(runs.rectangles), c.covered);
    EXPECT_EQ(runs.bounds, c.bounds);
}

const std::string kBlankRow = "............";

INSTANTIATE_TEST_SUITE_P(
    Pictures, SeeThroughRunsTest,
    ::testing::Values(
        ScanCase{"Dot", {kBlankRow, kBlankRow, kBlankRow, kBlankRow, kBlankRow, "..........#.", kBlankRow},
                 {{10, 5, 12, 7}}, {10, 5, 11, 6}},
        ScanCase{"LineAcrossTheFirstRow", {"########", "........", "........"}, {{0, 0, 9, 2}}, {0, 0, 8, 1}},
        ScanCase{"RunsOneWhitePixelApartTouch", {"##.###"}, {{0, 0, 3, 2}, {3, 0, 7, 2}}, {0, 0, 6, 1}},
        ScanCase{"AllWhite", {"....", "....", "...."}, {}, {4, 3, 0, 0}},
        ScanCase{"AllPainted", {"###", "###"}, {{0, 0, 4, 2}, {0, 1, 4, 3}}, {0, 0, 3, 2}},
        ScanCase{"TopRowFirst", {"#...", "....", "..##"}, {{0, 0, 2, 2}, {2, 2, 5, 4}}, {0, 0, 4, 3}},
        ScanCase{"TopByteIgnored", {"wkw~w"}, {{1, 0, 3, 2}, {3, 0, 5, 2}}, {1, 0, 4, 1}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
