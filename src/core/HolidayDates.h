#pragma once

// Day-of-month arithmetic of the holiday rules. Weekdays are numbered
// 0 = Sunday ... 6 = Saturday. No result is compared with the month's length,
// and no input, however large or negative, overflows.

// The nth such weekday; nth = 5 in a month with four of them gives a day past its end.
int NthWeekdayOfMonth(int year, int month, int nth, int weekday);
int LastWeekdayOfMonth(int year, int month, int weekday);
// Day of March and of September by the equinox approximation.
int VernalEquinoxDay(int year);
int AutumnalEquinoxDay(int year);
