#pragma once
#include <string>
#include <string_view>

struct LocaleConventions;

// The fields a date or time picture can show.
struct DatePictureFields {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Expands a GetDateFormat / GetTimeFormat picture ("M/d/yyyy", "h:mm:ss tt"):
// d, M, y, h, H, m, s and t, one letter for the bare number and two or more for
// two digits (y and yy: the year in its century, three or more y: the whole
// year); 't' and 'tt' are the locale's AM or PM text, cut to one character or
// whole. Text between single quotes and every other character are copied.
std::string ExpandDatePicture(std::string_view picture, const DatePictureFields& fields,
                              const LocaleConventions& locale);
