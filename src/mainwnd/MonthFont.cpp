#include "MonthFont.h"

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <string>
#include <vector>

namespace {

constexpr int kTextSize = 80;

// The characters the month calendar draws: the digits, each month's title as the
// control writes it (month name and year) and the weekday names it heads the
// columns with, all in the user's locale.
std::wstring CalendarCharacters() {
    std::wstring text = L"0123456789";
    wchar_t buffer[kTextSize] = {};
    for (WORD month = 1; month <= 12; ++month) {
        SYSTEMTIME date{};
        date.wYear = 2000;
        date.wMonth = month;
        date.wDay = 1;
        if (::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_YEARMONTH, &date, nullptr, buffer, kTextSize)) text += buffer;
    }
    for (LCTYPE day = LOCALE_SABBREVDAYNAME1; day <= LOCALE_SABBREVDAYNAME7; ++day) {
        if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, day, buffer, kTextSize)) text += buffer;
    }
    // A blank needs no glyph to look right.
    std::erase_if(text, [](wchar_t c) { return std::iswspace(c); });
    return text;
}

// A face for vertical writing ("@" before its name) lays the characters on their side.
bool IsUpright(HDC dc, const LOGFONTA& asked) {
    char face[LF_FACESIZE] = {};
    return asked.lfEscapement == 0 && ::GetTextFaceA(dc, LF_FACESIZE, face) > 0 && face[0] != '@';
}

bool HasEveryGlyph(HDC dc, const std::wstring& text) {
    std::vector<WORD> glyphs(text.size());
    // A font the system cannot say this of is not refused for it.
    if (::GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                           GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
        return true;
    }
    return std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}

}  // namespace

bool CanShowMonth(HDC dc, const LOGFONTA& asked, SIZE month, SIZE workArea) {
    TEXTMETRICA made{};
    if (!::GetTextMetricsA(dc, &made) || !IsUpright(dc, asked)) return false;
    // A size the system cannot make comes out as a font of a pixel or two: a
    // positive height asks for the cell, a negative one for the characters.
    const long long askedHeight = std::abs(static_cast<long long>(asked.lfHeight));
    const long long madeHeight = asked.lfHeight > 0 ? made.tmHeight : made.tmHeight - made.tmInternalLeading;
    // The title, the weekday names and six weeks are at least eight lines of text.
    const bool fits = 2 * madeHeight >= askedHeight && month.cy >= 8LL * made.tmHeight && month.cx <= workArea.cx &&
                      month.cy <= workArea.cy;
    return fits && HasEveryGlyph(dc, CalendarCharacters());
}
