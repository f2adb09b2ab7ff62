#pragma once
#include <optional>

#include "GridRect.h"

// A borderless window without a taskbar button is reached by its title band alone:
// the band of its top titleHeight pixels must lie inside a monitor's work area.
// Given the window's top-left corner and size and the work area of the monitor
// nearest to that band: nothing when the band lies wholly inside; otherwise the
// window moved, its size kept, to the nearest place wholly inside the work area
// (at the work area's top-left corner along an axis where it is larger). The
// corner may be any 32-bit value: nothing overflows.
std::optional<GridRect> ReachablePlacement(int left, int top, int width, int height, int titleHeight,
                                           const GridRect& workArea);
