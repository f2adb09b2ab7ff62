#pragma once
#include <windows.h>

// Whether the month can be read in the font selected into `dc`, asked for as
// `asked`: the face the system made of it is upright, it is about the size asked
// for, it has a glyph for every character the calendar writes in the user's
// locale (digits, month titles, weekday names), and the month measured in it
// (`month`) holds its eight lines of text and fits `workArea`.
bool CanShowMonth(HDC dc, const LOGFONTA& asked, SIZE month, SIZE workArea);
