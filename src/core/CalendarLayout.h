#pragma once
#include <cstdint>
#include <functional>

#include "GridShape.h"

// Where the month calendar draws its weekday header and its weeks. The control
// does not report it, so it is found by hit-testing a vertical line of points.
class CalendarLayout {
public:
    using HitTest = std::function<std::uint32_t(int x, int y)>;

    // Marks the layout for discovery at the next scan.
    void Invalidate() { pending_ = true; }
    // Probes (x, y) for y = top, top + 1, ... below bottom: the header row found
    // first gives headerTop, the first day row gives gridTop. Does nothing while
    // no discovery is pending; leaves it pending when no header is met.
    void Scan(int x, int top, int bottom, const HitTest& hitTest);
    bool IsPending() const { return pending_; }

    int headerTop = 0;
    int headerHeight = 0;  // rows are headerHeight + 1 pixels apart
    int gridTop = 0;

    int RowPitch() const { return headerHeight + 1; }
    // Where the six weeks end and the band below them begins.
    int WeeksBottom() const { return gridTop + GridShape::kRows * RowPitch(); }

private:
    bool pending_ = false;
};
