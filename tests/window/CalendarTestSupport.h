#pragma once
// The calendar controls on screen: a parent window of our own class, rule and
// settings files in a fresh folder, a fixed clock, June 2025 on view, and the
// pixels of the painted control read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "CFrameWnd.h"
#include "Clock.h"
#include "DateKeys.h"
#include "DeviceContexts.h"
#include "GdiObjects.h"
#include "HolidayCalendarCtrl.h"
#include "Platform.h"
#include "TestPlatform.h"
#include "Win32Platform.h"

namespace calendar_test {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kTint = RGB(192, 192, 192);
constexpr COLORREF kScheduleColor = RGB(0, 191, 0);

class FixedClock : public Clock {
public:
    void Set(int year, int month, int day, int hour, int minute) {
        now_ = {year, month, day, COleDateTime(year, month, day).GetDayOfWeek() - 1, hour, minute, 5, 0};
    }
    LocalTime Now() const override { return now_; }
    // The fixed clock's zone is UTC; day 25569 is 1970-01-01.
    long long SecondsSinceEpoch(const LocalTime& t) const override {
        const long long days = COleDateTime(t.year, t.month, t.day).Serial() - 25569LL;
        return days * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
    }
    LocalTime LocalTimeAt(long long seconds) const override {
        const COleDateTime day = COleDateTime::FromSerial(static_cast<std::int32_t>(seconds / 86400 + 25569));
        const int second = static_cast<int>(seconds % 86400);
        return {day.GetYear(), day.GetMonth(), day.GetDay(), day.GetDayOfWeek() - 1, second / 3600, second / 60 % 60,
                second % 60, 0};
    }

private:
    LocalTime now_;
};

// A borderless visible parent that counts the day-state requests reaching it.
class CalendarHost : public CFrameWnd {
public:
    CalendarHost() { LoadFrame(1, WS_POPUP); }
    int dayStateRequests = 0;

protected:
    bool OnNotify(NMHDR& header, LRESULT& result) override {
        if (header.code == MCN_GETDAYSTATE) ++dayStateRequests;
        return CFrameWnd::OnNotify(header, result);
    }
};

// The pixels of a client area as COLORREF values.
class Picture {
public:
    // What the window shows now.
    static Picture OfWindow(HWND window) {
        return Picture(window, [window](HDC target, int width, int height) {
            ClientDC source(window);
            ::BitBlt(target, 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
        });
    }
    // What the platform control paints by itself, without our marks.
    static Picture PrintedBy(HWND control) {
        return Picture(control, [control](HDC target, int, int) {
            ::SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target), PRF_CLIENT | PRF_ERASEBKGND);
        });
    }

    COLORREF At(POINT point) const { return pixels_[static_cast<std::size_t>(point.y * width_ + point.x)]; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    template <typename Draw>
    Picture(HWND window, const Draw& draw) {
        RECT client{};
        ::GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        ClientDC screen(nullptr);
        MemoryDC memory = MemoryDC::CompatibleWith(screen.get());
        void* bits = nullptr;
        Bitmap bitmap(::CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!bitmap || !bits) return;
        {
            SelectedObject selected(memory.get(), bitmap.get());
            draw(memory.get(), width_, height_);
            ::GdiFlush();
        }
        const auto* source = static_cast<const std::uint32_t*>(bits);
        pixels_.resize(static_cast<std::size_t>(width_ * height_));
        for (std::size_t i = 0; i < pixels_.size(); ++i) {
            const std::uint32_t pixel = source[i];  // 0x00RRGGBB
            pixels_[i] = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
        }
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

// An area without its last pixel column and its last `rows` rows: what a mark
// fills of a cell (one row) or of the weekday header (two rows).
inline std::vector<POINT> MarkedPartOf(const std::vector<POINT>& area, int rows = 1) {
    LONG right = 0;
    LONG bottom = 0;
    for (POINT point : area) {
        right = std::max(right, point.x);
        bottom = std::max(bottom, point.y);
    }
    std::vector<POINT> part;
    for (POINT point : area) {
        if (point.x != right && point.y <= bottom - rows) part.push_back(point);
    }
    return part;
}

inline bool IsGrey(COLORREF colour) {
    return GetRValue(colour) == GetGValue(colour) && GetGValue(colour) == GetBValue(colour);
}

// The files, the clock and the parent window of one calendar, and what the
// platform control's own hit test says about its pixels.
class CalendarScene {
public:
    CalendarScene() {
        clock.Set(2025, 8, 20, 10, 42);
        // June 2025 begins on a Sunday: the grid starts with 25 May and ends with 5 July.
        const std::string rules =
            "Date=2025,2025,6,15,Sunday Holiday\r\n"
            "Date=2025,2025,6,21,Saturday Holiday\r\n"
            "Date=2025,2025,6,11,Wednesday Holiday\r\n"
            "Date=2025,2025,6,18,Holiday With Schedule\r\n";
        dir.Write("Holiday.ini", "[USA]\r\n" + rules + "[JPN]\r\n" + rules);
        dir.Write("Wispane Calendar.ini", "[Schedule]\r\n"
                                          "Schedule=" + Key(2025, 6, 18) + ",Dentist\r\n"
                                          "Schedule=" + Key(2025, 6, 25) + ",Trip\r\n"
                                          "Schedule=" + Key(2025, 7, 2) + ",Next month\r\n"
                                          "Schedule=" + Key(2025, 5, 27) + ",Previous month\r\n"
                                          "Schedule=not a date,Ignored\r\n");
    }

    std::string Key(int year, int month, int day) const {
        return platform.dateKeys.Format(COleDateTime(year, month, day));
    }

    // Creates the control and asks for its day states, as the main window does.
    void Open(HolidayCalendarCtrl& calendar, int selectedDay, SIZE extra = {}, DWORD extraStyle = 0) {
        Create(calendar, selectedDay, extra, extraStyle);
        calendar.RequestDayStates();
    }

    // Creates the control at one month's size plus `extra`, in a font of its parent,
    // showing June 2025 with `selectedDay` selected.
    void Create(HolidayCalendarCtrl& calendar, int selectedDay, SIZE extra = {}, DWORD extraStyle = 0) {
        calendar.holidayFile = dir.File("Holiday.ini");
        calendar.settingsFilePath = dir.File("Wispane Calendar.ini");
        const DWORD style = WS_CHILD | WS_VISIBLE | MCS_DAYSTATE | MCS_NOTODAYCIRCLE | extraStyle;
        ASSERT_TRUE(calendar.Create(style, RECT{0, 0, 50, 50}, host, 1001));
        calendar.SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)), false);
        const RECT minimum = calendar.GetMinReqRect().value_or(RECT{});
        const int width = minimum.right - minimum.left + extra.cx;
        const int height = minimum.bottom - minimum.top + extra.cy;
        calendar.SetWindowPos(nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        host.SetWindowPos(HWND_TOPMOST, 40, 40, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        SYSTEMTIME selected{};
        selected.wYear = 2025;
        selected.wMonth = 6;
        selected.wDay = static_cast<WORD>(selectedDay);
        ASSERT_TRUE(calendar.SetCurSel(selected));
    }

    // The pixels where the control's hit test reports `date`, read once per control.
    const std::vector<POINT>& PixelsOf(const CMonthCalCtrl& calendar, const COleDateTime& date) {
        if (datePixels_.empty()) {
            const RECT client = calendar.GetClientRect();
            for (int y = 0; y < client.bottom; ++y) {
                for (int x = 0; x < client.right; ++x) {
                    const std::optional<COleDateTime> hit = DateHit(calendar, {x, y});
                    if (hit) datePixels_[hit->Serial()].push_back({x, y});
                }
            }
        }
        return datePixels_[date.Serial()];
    }

    // The pixels of the weekday header above the column of `dayInColumn`.
    std::vector<POINT> HeaderPixelsAbove(const CMonthCalCtrl& calendar, const COleDateTime& dayInColumn) {
        LONG left = LONG_MAX;
        LONG right = -1;
        for (POINT point : PixelsOf(calendar, dayInColumn)) {
            left = std::min(left, point.x);
            right = std::max(right, point.x);
        }
        std::vector<POINT> header;
        const RECT client = calendar.GetClientRect();
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                if (calendar.HitTest({x, y}).uHit == MCHT_CALENDARDAY) header.push_back({x, y});
            }
        }
        return header;
    }

    // The date the control's hit test reports at a point, if it is a day cell.
    static std::optional<COleDateTime> DateHit(const CMonthCalCtrl& calendar, POINT point) {
        const MCHITTESTINFO hit = calendar.HitTest(point);
        if ((hit.uHit & MCHT_CALENDARDATE) != MCHT_CALENDARDATE) return std::nullopt;
        return COleDateTime(hit.st.wYear, hit.st.wMonth, hit.st.wDay);
    }

    FixedClock clock;
    Platform platform{Win32Platform().profile, Win32Platform().dateKeys, Win32Platform().locale, clock};
    TempDir dir;
    CalendarHost host;

private:
    std::map<std::int32_t, std::vector<POINT>> datePixels_;
};

// Paints as the main window has the calendar painted: layout found again, at once.
inline Picture Paint(HolidayCalendarCtrl& calendar) {
    calendar.FindLayoutAgain();
    calendar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return Picture::OfWindow(calendar.GetSafeHwnd());
}

}  // namespace calendar_test
