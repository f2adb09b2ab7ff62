#include "ReachablePlacement.h"

#include <algorithm>
#include <cstdint>

namespace {

// The start of a span of `length` moved into [low, high): unchanged when it fits
// there already, else as near as it gets; at low when it is longer.
std::int64_t Clamp(std::int64_t start, std::int64_t length, std::int64_t low, std::int64_t high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

std::optional<GridRect> ReachablePlacement(int left, int top, int width, int height, int titleHeight,
                                           const GridRect& workArea) {
    const std::int64_t right = std::int64_t{left} + width;
    const std::int64_t titleBottom = std::int64_t{top} + titleHeight;
    if (left >= workArea.left && right <= workArea.right && top >= workArea.top && titleBottom <= workArea.bottom) {
        return std::nullopt;
    }
    // Within the work area, so within 32 bits.
    const auto x = static_cast<int>(Clamp(left, width, workArea.left, workArea.right));
    const auto y = static_cast<int>(Clamp(top, height, workArea.top, workArea.bottom));
    return GridRect{x, y, x + width, y + height};
}
