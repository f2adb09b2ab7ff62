#include "SeeThroughRuns.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;

bool IsKey(std::uint32_t pixel) { return (pixel & kWhite) == kWhite; }

}  // namespace

SeeThroughRuns ScanSeeThroughRuns(const std::uint32_t* pixels, int width, int height) {
    SeeThroughRuns runs{.rectangles = {}, .bounds = {width, height, 0, 0}};
    if (pixels == nullptr || width <= 0 || height <= 0) return runs;
    // At worst every other pixel of a row starts a run; one allocation measured
    // faster than growing through the picture.
    runs.rectangles.reserve(static_cast<std::size_t>(height) * static_cast<std::size_t>((width + 1) / 2));
    GridRect& bounds = runs.bounds;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::size_t>(height - 1 - y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width;) {
            if (IsKey(row[x])) {
                ++x;
                continue;
            }
            const int x0 = x;
            while (x < width && !IsKey(row[x])) ++x;
            bounds.top = std::min(bounds.top, y);
            bounds.left = std::min(bounds.left, x0);
            bounds.bottom = std::max(bounds.bottom, y + 1);
            bounds.right = std::max(bounds.right, x);
            runs.rectangles.push_back({x0 - 1, y - 1, x, y + 1});
        }
    }
    return runs;
}
