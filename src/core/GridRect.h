#pragma once

// A rectangle in client pixels, right and bottom exclusive (as RECT).
struct GridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const GridRect&) const = default;
};
