#pragma once
#include "COleDateTime.h"

// Day-of-month arithmetic of the holiday rules. Weekdays are numbered
// 0 = Sunday ... 6 = Saturday. No result is compared with the month's length,
// and no input, however large or negative, overflows.

// The nth such weekday; nth = 5 in a month with four of them gives a day past its end.
int NthWeekdayOfMonth(int year, int month, int nth, int weekday);
int LastWeekdayOfMonth(int year, int month, int weekday);
// Day of March and of September by the equinox approximation.
int VernalEquinoxDay(int year);
int AutumnalEquinoxDay(int year);

// Easter Sunday of `year` by the Gregorian computus, and the Orthodox Easter
// Sunday (the Julian computus) as its Gregorian date; invalid outside the years
// COleDateTime knows.
COleDateTime WesternEasterSunday(int year);
COleDateTime OrthodoxEasterSunday(int year);
// The first `weekday` on or after `date`, and the last on or before it.
COleDateTime WeekdayOnOrAfter(const COleDateTime& date, int weekday);
COleDateTime WeekdayOnOrBefore(const COleDateTime& date, int weekday);
