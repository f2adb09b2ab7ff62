#include "CalendarLayout.h"

#include "MonthCalHitCode.h"

void CalendarLayout::Scan(int x, int top, int bottom, const HitTest& hitTest) {
    if (!pending_) return;
    for (int y = top; y < bottom; ++y) {
        switch (hitTest(x, y)) {
        case MonthCalHitCode::kCalendarDay:
            if (pending_) headerTop = y + 1;
            pending_ = false;
            break;
        case MonthCalHitCode::kCalendarBackground:
        case MonthCalHitCode::kCalendarDate:
        case MonthCalHitCode::kCalendarDatePrevious:
            // headerTop was set one below the header's first row.
            headerTop -= 1;
            gridTop = y;
            headerHeight = y - headerTop - 1;
            return;
        default:
            break;
        }
    }
}
