#pragma once
#include <cstdint>
#include <vector>

#include "GridRect.h"

// The painted (non-white) runs of a picture, one rectangle per run, from which
// the window's see-through region is built.
struct SeeThroughRuns {
    std::vector<GridRect> rectangles;  // in scan order
    GridRect bounds;                   // of the runs themselves; {width, height, 0, 0} if none
};

// pixels: width * height 32-bit values, rows bottom-up (the last row of the picture first),
// as GetDIBits reads a bitmap of positive height. A pixel whose low 24 bits are white is the
// key colour; the top byte is ignored. The run [x0, x1) of row y gives {x0 - 1, y - 1, x1, y + 1}:
// the region is made from these shifted one pixel right and down, so each run covers
// [x0, x1 + 1) x [y, y + 2).
SeeThroughRuns ScanSeeThroughRuns(const std::uint32_t* pixels, int width, int height);
