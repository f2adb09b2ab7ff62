#pragma once
#include "Clock.h"

// Milliseconds from `now` to the next full minute: 60 000 - second * 1000 - millisecond (1 to 60 000).
int MillisecondsToNextMinute(const LocalTime& now);

// Milliseconds from the clock's now to the next local midnight, as real time passes: across a
// daylight-saving change the day has 23 or 25 hours, and the period still ends at 00:00:00 local.
// With Shift and Ctrl held (a test switch of the program) it is 1000.
long long MillisecondsToNextMidnight(const Clock& clock, bool shiftAndCtrlHeld);
