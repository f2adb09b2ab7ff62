// The calendar window on its own template and settings file: its font and size,
// the keys it keeps from the dialog manager, the title colours on activation, the
// title cursor and the tooltip texts.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "CWinApp.h"
#include "CalendarDialog.h"
#include "CalendarTestSupport.h"
#include "DateKeys.h"
#include "GdiObjects.h"
#include "InactiveTitleColor.h"
#include "TestPlatform.h"
#include "Win32Platform.h"
#include "WindowTestSupport.h"
#include "resource.h"

using calendar_test::Picture;
using window_test::Scripted;

namespace {

constexpr INT_PTR kStillOpen = 7;

using TestCalendarDialog = Scripted<CalendarDialog>;

// A key of the main section as the settings file holds it.
std::string StoredValue(const std::string& file, const char* key) {
    char value[256] = {};
    ::GetPrivateProfileStringA("Wispane Calendar", key, "", value, sizeof value, file.c_str());
    return value;
}

class CalendarDialogTest : public ::testing::Test {
protected:
    CalendarDialogTest() : app_("Wispane Calendar") {
        app_.SetProfileName(folder_.File("Wispane Calendar.ini"));
        // An empty file: no first-run hint comes to block the steps.
        Store("");
    }

    void Store(const std::string& lines) { folder_.Write("Wispane Calendar.ini", lines); }

    static HWND Calendar(const CalendarDialog& dialog) { return dialog.GetDlgItem(IDC_CALENDAR); }

    static HFONT FontHandleOf(HWND window) { return reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0)); }
    static LOGFONTA FontOf(HWND window) { return Font::Describe(FontHandleOf(window)).value_or(LOGFONTA{}); }

    static COLORREF TitleBackground(const CalendarDialog& dialog) {
        return static_cast<COLORREF>(::SendMessageA(Calendar(dialog), MCM_GETCOLOR, MCSC_TITLEBK, 0));
    }

    // The first client point of the calendar whose hit test satisfies `wanted`.
    static std::optional<POINT> FindPoint(const CalendarDialog& dialog,
                                          const std::function<bool(const MCHITTESTINFO&)>& wanted) {
        HWND calendar = Calendar(dialog);
        RECT client{};
        ::GetClientRect(calendar, &client);
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) {
                MCHITTESTINFO hit{};
                hit.cbSize = MCHITTESTINFO_V1_SIZE;
                hit.pt = {x, y};
                ::SendMessageA(calendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
                if (wanted(hit)) return hit.pt;
            }
        }
        return std::nullopt;
    }

    static void PutCursor(const CalendarDialog& dialog, POINT point) {
        ::ClientToScreen(Calendar(dialog), &point);
        ::SetCursorPos(point.x, point.y);
    }

    static std::string ToolTipText(CalendarDialog& dialog) {
        NMTTDISPINFOA info{};
        char empty[1] = "";
        info.hdr.code = TTN_NEEDTEXTA;
        info.lpszText = empty;
        dialog.Send(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return info.lpszText ? info.lpszText : "";
    }

    TempDir folder_;
    CWinApp app_;
};

TEST_F(CalendarDialogTest, WithoutSettingsItUsesTheIconTitleFontAndFitsOneMonth) {
    LOGFONTA iconTitleFont{};
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof iconTitleFont, &iconTitleFont, 0));
    TestCalendarDialog dialog(nullptr);
    dialog.Then([&] {
        for (HFONT handle : {dialog.GetDialogFont(), FontHandleOf(Calendar(dialog))}) {
            const LOGFONTA font = Font::Describe(handle).value_or(LOGFONTA{});
            EXPECT_EQ(font.lfHeight, iconTitleFont.lfHeight);
            EXPECT_STREQ(font.lfFaceName, iconTitleFont.lfFaceName);
        }
        RECT oneMonth{};
        ASSERT_TRUE(::SendMessageA(Calendar(dialog), MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&oneMonth)));
        RECT calendar{};
        ::GetWindowRect(Calendar(dialog), &calendar);
        const RECT window = dialog.GetWindowRect();
        EXPECT_EQ(calendar.right - calendar.left, oneMonth.right);
        EXPECT_EQ(calendar.bottom - calendar.top, oneMonth.bottom);
        EXPECT_TRUE(::EqualRect(&calendar, &window)) << "the calendar fills the window";
        EXPECT_TRUE(::GetWindowLongA(Calendar(dialog), GWL_STYLE) & MCS_DAYSTATE);
        EXPECT_FALSE(::GetWindowLongPtrA(dialog.GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

TEST_F(CalendarDialogTest, AStoredFontWinsOverTheIconTitleFont) {
    Store("[Wispane Calendar]\r\nFont=-19,0,0,0,700,0,0,0,1,0,0,0,0\r\nFontFace=Tahoma\r\n");
    TestCalendarDialog dialog(nullptr);
    dialog.Then([&] {
        const LOGFONTA font = FontOf(Calendar(dialog));
        EXPECT_EQ(font.lfHeight, -19);
        EXPECT_EQ(font.lfWeight, 700);
        EXPECT_STREQ(font.lfFaceName, "Tahoma");
        RECT oneMonth{};
        ::SendMessageA(Calendar(dialog), MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&oneMonth));
        const RECT window = dialog.GetWindowRect();
        EXPECT_EQ(window.right - window.left, oneMonth.right);
        EXPECT_EQ(window.bottom - window.top, oneMonth.bottom);
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

// Stored places that a monitor unplugged, a smaller screen or a hand edit leave
// out of reach come back onto the work area with the title band; one on screen
// stays exactly where it was.
TEST_F(CalendarDialogTest, AStoredPlaceOutOfReachComesBackOnScreen) {
    RECT area{};
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
    const auto windowPos = [](long left, long top, long right, long bottom) {
        return "0:1:-1:-1:-1:-1:" + std::to_string(left) + ":" + std::to_string(top) + ":" + std::to_string(right) +
               ":" + std::to_string(bottom);
    };
    const std::string outOfReach[] = {
        windowPos(-30000, -30000, -29800, -29850),
        windowPos(100000, 100000, 100200, 100150),
        windowPos(area.right - 5, 100, area.right + 195, 250),    // 5 pixels on screen
        windowPos(100, area.bottom - 5, 300, area.bottom + 145),  // the title below the screen
        windowPos(LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN),
        windowPos(LONG_MIN, LONG_MIN, LONG_MAX, LONG_MAX),
    };
    for (const std::string& stored : outOfReach) {
        Store("[Wispane Calendar]\r\nWindowPos=" + stored + "\r\n");
        TestCalendarDialog dialog(nullptr);
        dialog.Then([&] {
            const RECT window = dialog.GetWindowRect();
            EXPECT_TRUE(window.left >= area.left && window.top >= area.top && window.right <= area.right &&
                        window.bottom <= area.bottom)
                << stored << " gave " << window.left << "," << window.top << "," << window.right << ","
                << window.bottom;
        });
        dialog.ThenEnd(kStillOpen);
        EXPECT_EQ(dialog.DoModal(), kStillOpen);
    }

    Store("[Wispane Calendar]\r\nWindowPos=" + windowPos(area.right - 250, 7, area.right - 50, 157) + "\r\n");
    TestCalendarDialog dialog(nullptr);
    dialog.Then([&] {
        const RECT window = dialog.GetWindowRect();
        EXPECT_EQ(window.left, area.right - 250);
        EXPECT_EQ(window.top, 7);
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

// A font the month cannot be shown in is ignored like an incomplete one: the
// window keeps its default font and size, and a save writes that font. Too large,
// too large for the system to make, vertical, rotated, or without digits.
TEST_F(CalendarDialogTest, AStoredFontTheMonthCannotBeShownInIsIgnored) {
    SIZE normal{};
    {
        TestCalendarDialog dialog(nullptr);
        dialog.Then([&] {
            const RECT window = dialog.GetWindowRect();
            normal = {window.right - window.left, window.bottom - window.top};
        });
        dialog.ThenEnd(kStillOpen);
        ASSERT_EQ(dialog.DoModal(), kStillOpen);
    }
    const std::pair<std::string, std::string> unusable[] = {
        {"100000,0,0,0,400,0,0,0,0,0,0,0,0", "Tahoma"},
        {"-100000,0,0,0,400,0,0,0,0,0,0,0,0", "Tahoma"},
        {"-3000,0,0,0,400,0,0,0,0,0,0,0,0", "Tahoma"},
        {"-15,0,0,0,400,0,0,0,128,0,0,0,0", "@IPAGothic"},
        {"-15,0,900,900,400,0,0,0,128,0,0,0,0", "IPAGothic"},
        {"-15,0,0,0,400,0,0,0,0,0,0,0,0", "Droid Sans Fallback"},
    };
    for (const auto& [font, face] : unusable) {
        SCOPED_TRACE(font + " " + face);
        Store("[Wispane Calendar]\r\nFont=" + font + "\r\nFontFace=" + face + "\r\n");
        TestCalendarDialog dialog(nullptr);
        dialog.Then([&] {
            const RECT window = dialog.GetWindowRect();
            EXPECT_EQ(window.right - window.left, normal.cx);
            EXPECT_EQ(window.bottom - window.top, normal.cy);
        });
        dialog.ThenEnd(kStillOpen);
        EXPECT_EQ(dialog.DoModal(), kStillOpen);
        EXPECT_NE(StoredValue(app_.GetProfileName(), "Font") + StoredValue(app_.GetProfileName(), "FontFace"),
                  font + face);
    }
}

// The calendar's five colour slots, MCSC_BACKGROUND to MCSC_MONTHBK.
std::array<COLORREF, 5> ColorSlots(const CalendarDialog& dialog) {
    std::array<COLORREF, 5> slots{};
    for (int slot = 0; slot < 5; ++slot) {
        slots[slot] = static_cast<COLORREF>(::SendMessageA(dialog.GetDlgItem(IDC_CALENDAR), MCM_GETCOLOR, slot, 0));
    }
    return slots;
}

bool HasRegion(const CalendarDialog& dialog) {
    const Region probe = Region::Rectangle({0, 0, 1, 1});
    return ::GetWindowRgn(dialog.GetSafeHwnd(), probe.get()) != ERROR;
}

// On and off, with and without the see-through title bar: white while on, every
// slot back afterwards; a region exactly while on; a background chosen meanwhile
// shows only once the look is off.
TEST_F(CalendarDialogTest, TheSeeThroughLookComesAndGoesWithItsRegionAndColours) {
    constexpr COLORREF kWhite = RGB(255, 255, 255);
    constexpr COLORREF kChosen = RGB(10, 20, 30);
    for (const char* titleBar : {"0", "1"}) {
        Store(std::string("[Wispane Calendar]\r\nConfig=1,0,0,0032c864,0,1,") + titleBar + "\r\n");
        const bool seeThroughTitle = titleBar[0] == '1';
        TestCalendarDialog dialog(nullptr);
        std::array<COLORREF, 5> plain{};
        dialog.Then([&] {
            plain = ColorSlots(dialog);
            EXPECT_FALSE(HasRegion(dialog));
            dialog.Send(WM_COMMAND, ID_SEE_THROUGH);
        });
        dialog.Then([&] {
            EXPECT_TRUE(HasRegion(dialog)) << titleBar;
            const std::array<COLORREF, 5> on = ColorSlots(dialog);
            EXPECT_EQ(on[MCSC_BACKGROUND], kWhite);
            EXPECT_EQ(on[MCSC_MONTHBK], kWhite);
            EXPECT_EQ(on[MCSC_TITLEBK], seeThroughTitle ? kWhite : plain[MCSC_TITLEBK]);
            EXPECT_EQ(on[MCSC_TITLETEXT], seeThroughTitle ? plain[MCSC_TITLEBK] : plain[MCSC_TITLETEXT]);
            dialog.SetBackgroundColor(kChosen);
            EXPECT_EQ(ColorSlots(dialog)[MCSC_BACKGROUND], kWhite);

            dialog.Send(WM_COMMAND, ID_SEE_THROUGH);
            EXPECT_FALSE(HasRegion(dialog));
            const std::array<COLORREF, 5> off = ColorSlots(dialog);
            EXPECT_EQ(off[MCSC_BACKGROUND], kChosen);
            EXPECT_EQ(off[MCSC_MONTHBK], kChosen);
            EXPECT_EQ(off[MCSC_TITLEBK], plain[MCSC_TITLEBK]);
            EXPECT_EQ(off[MCSC_TEXT], plain[MCSC_TEXT]);
            EXPECT_EQ(off[MCSC_TITLETEXT], seeThroughTitle ? kWhite : plain[MCSC_TITLETEXT]);
        });
        dialog.ThenEnd(kStillOpen);
        EXPECT_EQ(dialog.DoModal(), kStillOpen);
        const std::string config = StoredValue(app_.GetProfileName(), "Config");
        EXPECT_EQ(config.substr(0, 4), "1,0,") << "saved off: " << config;
    }

    Store("[Wispane Calendar]\r\nConfig=1,1\r\n");
    TestCalendarDialog dialog(nullptr);
    dialog.Then([&] { EXPECT_TRUE(HasRegion(dialog)) << "on from the start"; });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

// The window dragged to a monitor of twice the scale and back, in the see-through
// look: each time the calendar's font is made for the new scale, the window fits the
// month at the top-left of the rectangle the system suggests, and the region is
// rebuilt at the new size. The stored font stays the size at 96 it was.
TEST_F(CalendarDialogTest, AMoveToAMonitorOfAnotherScaleRemakesTheCalendarForIt) {
    Store("[Wispane Calendar]\r\nFont=-12,0,0,0,400,0,0,0,1,0,0,0,0\r\nFontFace=Tahoma\r\nConfig=1,1\r\n");
    TestCalendarDialog dialog(nullptr);
    const auto regionBox = [&] {
        const Region region = Region::Rectangle({0, 0, 1, 1});
        RECT box{};
        if (::GetWindowRgn(dialog.GetSafeHwnd(), region.get()) != ERROR) ::GetRgnBox(region.get(), &box);
        return box;
    };
    const auto moveTo = [&](UINT dpi, POINT topLeft) {
        const RECT window = dialog.GetWindowRect();
        // The system suggests the old size scaled; the month need not fit it exactly.
        RECT suggested{topLeft.x, topLeft.y, topLeft.x + 2 * (window.right - window.left),
                       topLeft.y + 2 * (window.bottom - window.top)};
        dialog.Send(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    };
    const auto expectFitted = [&](int fontHeight, POINT topLeft) {
        EXPECT_EQ(FontOf(Calendar(dialog)).lfHeight, fontHeight);
        RECT oneMonth{};
        ::SendMessageA(Calendar(dialog), MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&oneMonth));
        const RECT window = dialog.GetWindowRect();
        EXPECT_EQ(window.left, topLeft.x);
        EXPECT_EQ(window.top, topLeft.y);
        EXPECT_EQ(window.right - window.left, oneMonth.right);
        EXPECT_EQ(window.bottom - window.top, oneMonth.bottom);
    };
    RECT atStart{};
    RECT regionAtStart{};
    dialog.Then([&] {
        atStart = dialog.GetWindowRect();
        regionAtStart = regionBox();
        EXPECT_GT(regionAtStart.bottom, 0) << "see-through from the start";
        moveTo(2 * USER_DEFAULT_SCREEN_DPI, {40, 30});
        expectFitted(-24, {40, 30});
        EXPECT_GT(dialog.GetWindowRect().right - 40, 3 * (atStart.right - atStart.left) / 2);
    });
    dialog.Then([&] {
        const RECT region = regionBox();
        EXPECT_GT(region.right, (regionAtStart.right * 3) / 2) << "the region of the larger month";
        EXPECT_GT(region.bottom, (regionAtStart.bottom * 3) / 2);
        moveTo(USER_DEFAULT_SCREEN_DPI, {atStart.left, atStart.top});
        expectFitted(-12, {atStart.left, atStart.top});
    });
    dialog.Then([&] {
        const RECT window = dialog.GetWindowRect();
        EXPECT_TRUE(::EqualRect(&window, &atStart)) << "back at the size it had";
        const RECT region = regionBox();
        EXPECT_TRUE(::EqualRect(&region, &regionAtStart));
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
    EXPECT_EQ(StoredValue(app_.GetProfileName(), "Font"), "-12,0,0,0,400,0,0,0,1,0,0,0,0");
}

// Each today mode fits the window to the today line; the same mode twice does
// nothing; the today mark given twice leaves the style as it was.
TEST_F(CalendarDialogTest, TodayModesFitTheWindowAndTheTodayMarkToggles) {
    TestCalendarDialog dialog(nullptr);
    const auto height = [&dialog] {
        const RECT window = dialog.GetWindowRect();
        return window.bottom - window.top;
    };
    const auto style = [](const CalendarDialog& shown) {
        return ::GetWindowLongA(Calendar(shown), GWL_STYLE) & (MCS_NOTODAY | MCS_NOTODAYCIRCLE);
    };
    dialog.Then([&] {
        const int withTime = height();
        dialog.Send(WM_COMMAND, ID_TODAY_HIDE);
        EXPECT_LT(height(), withTime);
        EXPECT_TRUE(style(dialog) & MCS_NOTODAY);
        dialog.Send(WM_COMMAND, ID_TODAY_DATE_ONLY);
        EXPECT_EQ(height(), withTime);
        EXPECT_FALSE(style(dialog) & MCS_NOTODAY);
        dialog.Send(WM_COMMAND, ID_TODAY_HIDE);
        ::SetWindowLongA(Calendar(dialog), GWL_STYLE, ::GetWindowLongA(Calendar(dialog), GWL_STYLE) & ~MCS_NOTODAY);
        dialog.Send(WM_COMMAND, ID_TODAY_HIDE);
        EXPECT_FALSE(style(dialog) & MCS_NOTODAY) << "the same mode again does nothing";
        dialog.Send(WM_COMMAND, ID_TODAY_TIME_ALSO);
        EXPECT_EQ(height(), withTime);

        const LONG before = style(dialog);
        dialog.Send(WM_COMMAND, ID_NO_TODAY_MARK);
        EXPECT_NE(style(dialog), before);
        dialog.Send(WM_COMMAND, ID_NO_TODAY_MARK);
        EXPECT_EQ(style(dialog), before);
        dialog.Send(WM_COMMAND, ID_TODAY_HIDE);
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
    EXPECT_EQ(StoredValue(app_.GetProfileName(), "Config"), "1,0,0,00ffffff,1,1,0,0000bf00,1")
        << "hidden, with the time kept for later";
}

// Captured while the day menu is open, which then is closed.
std::optional<Picture> pictureDuringMenu;
HWND calendarOfMenu = nullptr;

void CALLBACK CaptureAndCloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    pictureDuringMenu = Picture::OfWindow(calendarOfMenu);
    ::EndMenu();
}

bool SamePixels(const Picture& one, const Picture& other) {
    if (one.width() != other.width() || one.height() != other.height()) return false;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            if (one.At({x, y}) != other.At({x, y})) return false;
        }
    }
    return true;
}

// A right click on a day highlights it while its menu is open and leaves every
// pixel as it was once the menu is cancelled; a left click selects nothing.
TEST_F(CalendarDialogTest, TheDayHighlightLeavesNoTraceAndLeftClicksSelectNothing) {
    TestCalendarDialog dialog(nullptr);
    dialog.Then([] {});
    dialog.Then([&] {
        HWND calendar = Calendar(dialog);
        const auto day = FindPoint(dialog, [](const MCHITTESTINFO& hit) {
            return hit.uHit == MCHT_CALENDARDATE && hit.st.wDay == 15;
        });
        ASSERT_TRUE(day);
        const POINT inside{day->x + 3, day->y + 3};
        SYSTEMTIME selectedBefore{};
        ::SendMessageA(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&selectedBefore));
        ::SendMessageA(calendar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
        ::SendMessageA(calendar, WM_LBUTTONUP, 0, MAKELPARAM(inside.x, inside.y));
        SYSTEMTIME selectedAfter{};
        ::SendMessageA(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&selectedAfter));
        EXPECT_EQ(selectedAfter.wDay, selectedBefore.wDay);
        EXPECT_EQ(selectedAfter.wMonth, selectedBefore.wMonth);

        const Picture before = Picture::OfWindow(calendar);
        calendarOfMenu = calendar;
        pictureDuringMenu.reset();
        ::SetTimer(nullptr, 0, 300, &CaptureAndCloseMenu);
        ::SendMessageA(calendar, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(inside.x, inside.y));
        ASSERT_TRUE(pictureDuringMenu) << "the menu showed";
        EXPECT_FALSE(SamePixels(*pictureDuringMenu, before)) << "highlighted while the menu is open";
        EXPECT_TRUE(SamePixels(Picture::OfWindow(calendar), before)) << "every pixel back";
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

// Midnight while the day menu is open, which is then closed.
HWND dialogOfMenu = nullptr;
HWND calendarAfterMidnight = nullptr;

void CALLBACK MidnightAndCloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    constexpr WPARAM kDayChangeTimer = 100;
    ::SendMessageA(dialogOfMenu, WM_TIMER, kDayChangeTimer, 0);
    calendarAfterMidnight = ::GetDlgItem(dialogOfMenu, IDC_CALENDAR);
    ::EndMenu();
}

// The calendar a day menu was opened on stays until the menu and its caller are
// done with it (they draw on it as the menu goes); the new day's calendar follows.
TEST_F(CalendarDialogTest, MidnightWithTheDayMenuOpenRemakesTheCalendarAfterTheMenu) {
    TestCalendarDialog dialog(nullptr);
    HWND menuCalendar = nullptr;
    dialog.Then([] {});
    dialog.Then([&] {
        menuCalendar = Calendar(dialog);
        const auto day = FindPoint(dialog, [](const MCHITTESTINFO& hit) {
            return hit.uHit == MCHT_CALENDARDATE && hit.st.wDay == 15;
        });
        ASSERT_TRUE(day);
        dialogOfMenu = dialog.GetSafeHwnd();
        calendarAfterMidnight = nullptr;
        ::SetTimer(nullptr, 0, 300, &MidnightAndCloseMenu);
        ::SendMessageA(menuCalendar, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(day->x + 3, day->y + 3));
        EXPECT_EQ(calendarAfterMidnight, menuCalendar) << "kept while the menu shows";
        EXPECT_EQ(Calendar(dialog), menuCalendar) << "kept until the click is handled";
    });
    dialog.WaitUntil([&] { return Calendar(dialog) != menuCalendar; });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen) << "a new calendar after the menu";
}

// Keys held down through the system's input, released when it goes.
class HeldKeys {
public:
    HeldKeys() { Press(0); }
    ~HeldKeys() { Press(KEYEVENTF_KEYUP); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    static void Press(DWORD flags) {
        for (BYTE key : {VK_SHIFT, VK_CONTROL}) ::keybd_event(key, 0, flags, 0);
    }
};

// Shift and Ctrl bring only the first day change of a start within a second: held
// as the timer is armed again later (here as the clock is set), they do not.
TEST_F(CalendarDialogTest, ShiftAndCtrlHeldLaterLeaveTheDayChangeAtMidnight) {
    TestCalendarDialog dialog(nullptr);
    HWND calendar = nullptr;
    DWORD armed = 0;
    const auto held = [] { return (::GetAsyncKeyState(VK_SHIFT) & 0x8000) && (::GetAsyncKeyState(VK_CONTROL) & 0x8000); };
    // The window system may set the keys back as the window becomes active: until
    // they were held all along, again.
    dialog.WaitUntil([&] {
        calendar = Calendar(dialog);
        HeldKeys keys;
        if (!held()) return false;
        dialog.Send(WM_TIMECHANGE);
        armed = ::GetTickCount();
        return held();
    });
    dialog.WaitUntil([&] { return ::GetTickCount() - armed > 2000; });
    dialog.Then([&] { EXPECT_EQ(Calendar(dialog), calendar) << "no new day two seconds later"; });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

class CalendarDialogKeysTest : public CalendarDialogTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CalendarDialogKeysTest, EnterNeverClosesAndEscOnlyWhenChosen) {
    const bool closeByEsc = GetParam();
    Store(std::string("[Wispane Calendar]\r\nConfig=1,0,") + (closeByEsc ? "1" : "0") + "\r\n");
    TestCalendarDialog dialog(nullptr);
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        dialog.Then([&dialog, key] { ::PostMessageA(Calendar(dialog), WM_KEYDOWN, key, 1); });
        dialog.Then([] {});
    }
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), closeByEsc ? IDCANCEL : kStillOpen);
}

INSTANTIATE_TEST_SUITE_P(CloseByEsc, CalendarDialogKeysTest, ::testing::Bool());

struct TitleColourCase {
    const char* config;
    COLORREF inactive;
};

class CalendarDialogActivationTest : public CalendarDialogTest,
                                     public ::testing::WithParamInterface<TitleColourCase> {};

TEST_P(CalendarDialogActivationTest, DeactivationDimsTheBackgroundIntoTheTitle) {
    Store(std::string("[Wispane Calendar]\r\nConfig=") + GetParam().config + "\r\n");
    TestCalendarDialog dialog(nullptr);
    dialog.Then([&] {
        dialog.Send(WM_ACTIVATE, WA_INACTIVE, 0);
        EXPECT_EQ(TitleBackground(dialog), GetParam().inactive);
        dialog.Send(WM_ACTIVATE, WA_ACTIVE, 0);
        EXPECT_EQ(TitleBackground(dialog), ::GetSysColor(COLOR_ACTIVECAPTION));
        dialog.Send(WM_ACTIVATE, WA_INACTIVE, 0);
        dialog.Send(WM_ACTIVATE, WA_CLICKACTIVE, 0);
        EXPECT_EQ(TitleBackground(dialog), ::GetSysColor(COLOR_ACTIVECAPTION));
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

INSTANTIATE_TEST_SUITE_P(Backgrounds, CalendarDialogActivationTest,
                         ::testing::Values(TitleColourCase{"1,0,0,00ffffff", RGB(153, 153, 153)},
                                           TitleColourCase{"1,0,0,0032c864", RGB(60, 120, 30)}));

TEST_F(CalendarDialogTest, WithASeeThroughTitleBarActivationLeavesTheTitleAlone) {
    Store("[Wispane Calendar]\r\nConfig=1,0,0,00ffffff,0,1,1\r\n");
    TestCalendarDialog dialog(nullptr);
    dialog.Then([&] {
        const COLORREF before = TitleBackground(dialog);
        dialog.Send(WM_ACTIVATE, WA_INACTIVE, 0);
        EXPECT_EQ(TitleBackground(dialog), before);
        EXPECT_NE(before, InactiveTitleColor(RGB(255, 255, 255)));
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

TEST_F(CalendarDialogTest, TheOpenHandShowsOverTheBareTitleBackgroundOnly) {
    HCURSOR openHand = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_OPEN_HAND));
    ASSERT_NE(openHand, nullptr);
    TestCalendarDialog dialog(nullptr);
    dialog.Then([&] {
        const auto titleBackground = FindPoint(dialog, [](const MCHITTESTINFO& hit) { return hit.uHit == MCHT_TITLEBK; });
        const auto monthName = FindPoint(dialog, [](const MCHITTESTINFO& hit) { return hit.uHit == MCHT_TITLEMONTH; });
        ASSERT_TRUE(titleBackground && monthName);
        const LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
        const auto calendar = reinterpret_cast<WPARAM>(Calendar(dialog));

        PutCursor(dialog, *titleBackground);
        EXPECT_TRUE(dialog.Send(WM_SETCURSOR, calendar, overClient));
        EXPECT_EQ(::GetCursor(), openHand);

        PutCursor(dialog, *monthName);
        dialog.Send(WM_SETCURSOR, calendar, overClient);
        EXPECT_NE(::GetCursor(), openHand);
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

TEST_F(CalendarDialogTest, TooltipsNameTheProductOverTheTitleAndTheScheduleOverItsDay) {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    const std::string todayKey = Win32Platform().dateKeys.Format(COleDateTime(now.wYear, now.wMonth, now.wDay));
    Store("[Schedule]\r\nSchedule=" + todayKey + ",Dentist\r\n");
    TestCalendarDialog dialog(nullptr);
    // Once painted, the calendar knows where its days are.
    dialog.Then([] {});
    dialog.Then([&] {
        const auto monthName = FindPoint(dialog, [](const MCHITTESTINFO& hit) { return hit.uHit == MCHT_TITLEMONTH; });
        const auto today = FindPoint(dialog, [&now](const MCHITTESTINFO& hit) {
            return hit.uHit == MCHT_CALENDARDATE && hit.st.wYear == now.wYear && hit.st.wMonth == now.wMonth &&
                   hit.st.wDay == now.wDay;
        });
        const auto weekdayHeader = FindPoint(dialog, [](const MCHITTESTINFO& hit) { return hit.uHit == MCHT_CALENDARDAY; });
        ASSERT_TRUE(monthName && today && weekdayHeader);

        PutCursor(dialog, *monthName);
        EXPECT_EQ(ToolTipText(dialog), "Wispane Calendar v2.1");
        PutCursor(dialog, {today->x + 2, today->y + 2});
        // Today may be a holiday as well, whose name shares the label.
        const std::string dayTip = ToolTipText(dialog);
        EXPECT_EQ(dayTip.rfind(todayKey + ' ', 0), 0u) << dayTip;
        EXPECT_NE(dayTip.find("Dentist"), std::string::npos) << dayTip;
        PutCursor(dialog, *weekdayHeader);
        EXPECT_EQ(ToolTipText(dialog), "");
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

// The options menu's states, read while it is open, which then is closed.
const std::array<UINT, 9> kMenuOptions{ID_BACKGROUND_COLOR, ID_SEE_THROUGH,     ID_SEE_THROUGH_TITLEBAR,
                                       ID_ALWAYS_ON_TOP,    ID_CLOSE_BY_ESC,    ID_TODAY_HIDE,
                                       ID_TODAY_DATE_ONLY,  ID_TODAY_TIME_ALSO, ID_NO_TODAY_MARK};
std::map<UINT, UINT> menuStates;
RECT menuRect{};

void CALLBACK ReadAndCloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    HWND menuWindow = ::FindWindowA("#32768", nullptr);
    const auto menu = reinterpret_cast<HMENU>(::SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    for (UINT id : kMenuOptions) menuStates[id] = ::GetMenuState(menu, id, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED);
    ::GetWindowRect(menuWindow, &menuRect);
    ::EndMenu();
}

// The states the menu showed, with the keyboard's context-menu key.
std::map<UINT, UINT> OptionsMenuStates(CalendarDialog& dialog) {
    menuStates.clear();
    ::SetTimer(nullptr, 0, 200, &ReadAndCloseMenu);
    dialog.Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dialog.GetSafeHwnd()), MAKELPARAM(-1, -1));
    return menuStates;
}

TEST_F(CalendarDialogTest, TheOptionsMenuTicksAndGreysAsTheOptionsStand) {
    TestCalendarDialog dialog(nullptr);
    dialog.Then([&] {
        constexpr UINT on = MF_CHECKED, off = 0, grey = MF_GRAYED;
        std::map<UINT, UINT> expected{{ID_BACKGROUND_COLOR, off}, {ID_SEE_THROUGH, off},
                                      {ID_SEE_THROUGH_TITLEBAR, grey}, {ID_ALWAYS_ON_TOP, on},
                                      {ID_CLOSE_BY_ESC, off}, {ID_TODAY_HIDE, off},
                                      {ID_TODAY_DATE_ONLY, off}, {ID_TODAY_TIME_ALSO, on},
                                      {ID_NO_TODAY_MARK, on}};
        EXPECT_EQ(OptionsMenuStates(dialog), expected) << "the defaults";
        POINT corner{5, 5};
        ::ClientToScreen(dialog.GetSafeHwnd(), &corner);
        EXPECT_EQ(menuRect.left, corner.x);
        EXPECT_EQ(menuRect.top, corner.y);

        for (UINT command : {ID_SEE_THROUGH, ID_SEE_THROUGH_TITLEBAR, ID_ALWAYS_ON_TOP, ID_CLOSE_BY_ESC,
                             ID_TODAY_DATE_ONLY, ID_NO_TODAY_MARK}) {
            dialog.Send(WM_COMMAND, command);
        }
        expected = {{ID_BACKGROUND_COLOR, grey}, {ID_SEE_THROUGH, on}, {ID_SEE_THROUGH_TITLEBAR, on},
                    {ID_ALWAYS_ON_TOP, off}, {ID_CLOSE_BY_ESC, on}, {ID_TODAY_HIDE, off},
                    {ID_TODAY_DATE_ONLY, on}, {ID_TODAY_TIME_ALSO, off}, {ID_NO_TODAY_MARK, off}};
        EXPECT_EQ(OptionsMenuStates(dialog), expected) << "every option turned";

        dialog.Send(WM_COMMAND, ID_SEE_THROUGH);
        dialog.Send(WM_COMMAND, ID_TODAY_HIDE);
        expected[ID_BACKGROUND_COLOR] = off;
        expected[ID_SEE_THROUGH] = off;
        expected[ID_SEE_THROUGH_TITLEBAR] = grey | on;
        expected[ID_TODAY_DATE_ONLY] = off;
        expected[ID_TODAY_HIDE] = on;
        EXPECT_EQ(OptionsMenuStates(dialog), expected) << "plain again, the title bar flag kept, today hidden";
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

// The colour dialog opened by a command: its custom slot 0 is set to the dialog's
// current colour, which `red` changes first when given; then `button` ends it.
HWND colourOwner = nullptr;
int colourButton = IDCANCEL;
std::optional<int> colourRed;

void CALLBACK EditAndEndColourDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = ::GetForegroundWindow();
    if (!dialog || ::GetWindow(dialog, GW_OWNER) != colourOwner) return;  // not yet open
    ::KillTimer(nullptr, timer);
    constexpr int kRedEdit = 706, kAddToCustomColors = 712;
    if (colourRed) ::SetDlgItemInt(dialog, kRedEdit, static_cast<UINT>(*colourRed), FALSE);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kAddToCustomColors, BN_CLICKED), 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(colourButton, BN_CLICKED), 0);
}

TEST_F(CalendarDialogTest, ColoursChangeWithOkAndCancelKeepsTheCustomColours) {
    const std::string slots = "1,2,3,4,5,6,7,8,9,a,b,c,d,e,f,10";
    Store("[Wispane Calendar]\r\nCustomColors=" + slots + "\r\n");
    TestCalendarDialog dialog(nullptr);
    dialog.Then([&] {
        colourOwner = dialog.GetSafeHwnd();
        colourButton = IDCANCEL;
        colourRed.reset();
        ::SetTimer(nullptr, 0, 100, &EditAndEndColourDialog);
        dialog.Send(WM_COMMAND, ID_SCHEDULE_COLOR);
        ::SetTimer(nullptr, 0, 100, &EditAndEndColourDialog);
        dialog.Send(WM_COMMAND, ID_BACKGROUND_COLOR);
        dialog.Send(WM_COMMAND, ID_ALWAYS_ON_TOP);  // a change, so that the settings are saved
    });
    dialog.Then([&] {
        EXPECT_EQ(StoredValue(app_.GetProfileName(), "CustomColors"), slots) << "cancelled twice, a slot edited each time";
        EXPECT_EQ(::SendMessageA(Calendar(dialog), MCM_GETCOLOR, MCSC_MONTHBK, 0), RGB(255, 255, 255));
        colourButton = IDOK;
        colourRed = 200;
        ::SetTimer(nullptr, 0, 100, &EditAndEndColourDialog);
        dialog.Send(WM_COMMAND, ID_BACKGROUND_COLOR);
        EXPECT_EQ(::SendMessageA(Calendar(dialog), MCM_GETCOLOR, MCSC_MONTHBK, 0), RGB(200, 255, 255));
        EXPECT_EQ(StoredValue(app_.GetProfileName(), "CustomColors"), "ffffc8,2,3,4,5,6,7,8,9,a,b,c,d,e,f,10");
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

// The month keys, through the window's own key handling, at the ends of years and
// onto today's month.
TEST_F(CalendarDialogTest, MonthKeysCrossYearsAndLandOnToday) {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    TestCalendarDialog dialog(nullptr);
    const auto select = [&dialog](WORD year, WORD month, WORD day) {
        SYSTEMTIME date{};
        date.wYear = year;
        date.wMonth = month;
        date.wDay = day;
        ::SendMessageA(Calendar(dialog), MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&date));
    };
    const auto selected = [&dialog] {
        SYSTEMTIME date{};
        ::SendMessageA(Calendar(dialog), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&date));
        return std::array<int, 3>{date.wYear, date.wMonth, date.wDay};
    };
    const auto press = [&dialog](WPARAM key) {
        dialog.Then([&dialog, key] { ::PostMessageA(Calendar(dialog), WM_KEYDOWN, key, 1); });
    };
    const std::array<int, 3> today{now.wYear, now.wMonth, now.wDay};
    dialog.Then([&] { select(2003, 12, 17); });
    press(VK_RIGHT);
    dialog.Then([&] { EXPECT_EQ(selected(), (std::array<int, 3>{2004, 1, 1})); });
    press(VK_NEXT);
    dialog.Then([&] { EXPECT_EQ(selected(), (std::array<int, 3>{2003, 12, 1})) << "Page Down: the month before"; });
    press(VK_UP);
    dialog.Then([&] { EXPECT_EQ(selected(), (std::array<int, 3>{2004, 12, 1})); });
    press(VK_END);
    dialog.Then([&] {
        EXPECT_EQ(selected(), today);
        select(static_cast<WORD>(now.wMonth == 1 ? now.wYear - 1 : now.wYear),
               static_cast<WORD>(now.wMonth == 1 ? 12 : now.wMonth - 1), 1);
    });
    press(VK_RIGHT);
    dialog.Then([&] { EXPECT_EQ(selected(), today) << "today's month selects today"; });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

}  // namespace
