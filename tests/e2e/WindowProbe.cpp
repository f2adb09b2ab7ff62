// Looks at the calendar windows of running programs from outside, for the
// end-to-end tests, and prints what it finds as JSON.
//
//   wispane-window-probe windows            every visible calendar window
//   wispane-window-probe snapshot FILE      the first one's pixels as shown, as a PPM file
//   wispane-window-probe cells YYYY-MM-DD [HEIGHT FACE]
//                                           where the days of that date's month are
//                                           (in that font, else the icon-title one)
//   wispane-window-probe command ID         posts the command to the first one, as its menus do
//   wispane-window-probe messages           the texts of the message boxes shown, in UTF-8
//   wispane-window-probe dismiss            presses OK in every message box shown
//   wispane-window-probe menu               where the popup menu shown is
//   wispane-window-probe tooltips           the texts of the tooltips shown
//   wispane-window-probe selection          the first one's selected date
//
// A calendar window is a visible top-level window with a month calendar as control
// 1001. Messages that carry pointers do not cross processes, so what the calendar
// would answer (its minimum size, its hit test) is asked of a twin control made here
// with the same style, the system's icon-title font and the same size.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "WatchedWindow.h"

namespace {

constexpr int kCalendarId = 1001;

struct CalendarWindow {
    HWND window;
    HWND calendar;
};

BOOL CALLBACK CollectCalendarWindow(HWND window, LPARAM parameter) {
    HWND calendar = ::GetDlgItem(window, kCalendarId);
    char className[32] = {};
    if (::IsWindowVisible(window) && calendar && ::GetClassNameA(calendar, className, sizeof className) &&
        lstrcmpiA(className, MONTHCAL_CLASSA) == 0) {
        reinterpret_cast<std::vector<CalendarWindow>*>(parameter)->push_back({window, calendar});
    }
    return TRUE;
}

std::vector<CalendarWindow> CalendarWindows() {
    std::vector<CalendarWindow> found;
    ::EnumWindows(&CollectCalendarWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

int Failure(const char* why) {
    std::fprintf(stderr, "%s\n", why);
    return 1;
}

std::string Json(const RECT& rect) {
    char text[96];
    std::snprintf(text, sizeof text, "[%ld, %ld, %ld, %ld]", rect.left, rect.top, rect.right, rect.bottom);
    return text;
}

// The text of "Font" for a logical font, the way the settings file stores it.
std::string FontValue(const LOGFONTA& font) {
    char text[160];
    std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld,%ld,%d,%d,%d,%d,%d,%d,%d,%d", font.lfHeight, font.lfWidth,
                  font.lfEscapement, font.lfOrientation, font.lfWeight, font.lfItalic, font.lfUnderline,
                  font.lfStrikeOut, font.lfCharSet, font.lfOutPrecision, font.lfClipPrecision, font.lfQuality,
                  font.lfPitchAndFamily);
    return text;
}

// JSON string contents: the face name is in the ANSI code page; other bytes pass as \u00XX.
std::string JsonText(const char* text) {
    std::string escaped;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
        if (*c < 0x20 || *c >= 0x7F || *c == '"' || *c == '\\') {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", *c);
            escaped += code;
        } else {
            escaped += static_cast<char>(*c);
        }
    }
    return escaped;
}

LOGFONTA IconTitleFont() {
    LOGFONTA font{};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0);
    return font;
}

// A hidden month calendar with the style of `original`, in the icon-title font or
// the one given.
class TwinCalendar {
public:
    explicit TwinCalendar(HWND original, const LOGFONTA& font = IconTitleFont()) : font_(::CreateFontIndirectA(&font)) {
        const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(original, GWL_STYLE));
        window_ = ::CreateWindowExA(0, MONTHCAL_CLASSA, "", (style & 0xFFFF) | WS_POPUP, 0, 0, 300, 300, nullptr,
                                    nullptr, nullptr, nullptr);
        ::SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    ~TwinCalendar() {
        ::DestroyWindow(window_);
        ::DeleteObject(font_);
    }
    TwinCalendar(const TwinCalendar&) = delete;
    TwinCalendar& operator=(const TwinCalendar&) = delete;

    RECT MinimumSize() const {
        RECT rect{};
        ::SendMessageA(window_, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    void Resize(int width, int height) {
        ::SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void Select(const SYSTEMTIME& date) { ::SendMessageA(window_, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&date)); }
    MCHITTESTINFO HitTest(int x, int y) const {
        MCHITTESTINFO info{};
        info.cbSize = MCHITTESTINFO_V1_SIZE;
        info.pt = {x, y};
        ::SendMessageA(window_, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
        return info;
    }

private:
    HFONT font_;
    HWND window_ = nullptr;
};

RECT WindowRelativeRect(HWND window, HWND child) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    RECT outer{};
    ::GetWindowRect(window, &outer);
    ::OffsetRect(&rect, -outer.left, -outer.top);
    return rect;
}

int PrintWindows() {
    RECT workArea{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    const LOGFONTA iconTitleFont = IconTitleFont();
    std::printf("{\"work_area\": %s, \"icon_title_font\": \"%s\", \"icon_title_face\": \"%s\", \"windows\": [",
                Json(workArea).c_str(), FontValue(iconTitleFont).c_str(), JsonText(iconTitleFont.lfFaceName).c_str());
    const char* separator = "";
    for (const CalendarWindow& found : CalendarWindows()) {
        RECT rect{};
        ::GetWindowRect(found.window, &rect);
        RECT client{};
        ::GetClientRect(found.window, &client);
        DWORD processId = 0;
        ::GetWindowThreadProcessId(found.window, &processId);
        const TwinCalendar twin(found.calendar);
        std::printf("%s{\"pid\": %lu, \"rect\": %s, \"client\": %s, \"style\": %lu, \"ex_style\": %lu, "
                    "\"owner_ex_style\": %lu, \"calendar_rect\": %s, \"calendar_style\": %lu, "
                    "\"one_month\": %s}",
                    separator, processId, Json(rect).c_str(), Json(client).c_str(),
                    static_cast<unsigned long>(::GetWindowLongPtrA(found.window, GWL_STYLE)),
                    static_cast<unsigned long>(::GetWindowLongPtrA(found.window, GWL_EXSTYLE)),
                    static_cast<unsigned long>(
                        ::GetWindowLongPtrA(::GetWindow(found.window, GW_OWNER), GWL_EXSTYLE)),
                    Json(WindowRelativeRect(found.window, found.calendar)).c_str(),
                    static_cast<unsigned long>(::GetWindowLongPtrA(found.calendar, GWL_STYLE)),
                    Json(twin.MinimumSize()).c_str());
        separator = ", ";
    }
    std::printf("]}\n");
    return 0;
}

int WriteSnapshot(const char* path) {
    const std::vector<CalendarWindow> windows = CalendarWindows();
    if (windows.empty()) return Failure("no calendar window shows");
    const ScreenPicture picture = CaptureWindow(windows.front().window);
    if (picture.pixels.empty()) return Failure("the calendar window could not be captured");
    FILE* file = std::fopen(path, "wb");
    if (!file) return Failure("the snapshot file could not be written");
    std::fprintf(file, "P6\n%d %d\n255\n", picture.width, picture.height);
    for (const std::uint32_t pixel : picture.pixels) {
        const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16), static_cast<unsigned char>(pixel >> 8),
                                      static_cast<unsigned char>(pixel)};
        std::fwrite(rgb, 1, 3, file);
    }
    std::fclose(file);
    return 0;
}

// Each day's cell as the bounding box of the points the twin's hit test gives that
// date, in the calendar's client coordinates, while the twin shows `date`'s month.
int PrintCells(const char* date, const LOGFONTA& font) {
    SYSTEMTIME shown{};
    int year = 0, month = 0, day = 0;
    if (std::sscanf(date, "%d-%d-%d", &year, &month, &day) != 3) return 2;
    shown.wYear = static_cast<WORD>(year);
    shown.wMonth = static_cast<WORD>(month);
    shown.wDay = static_cast<WORD>(day);
    const std::vector<CalendarWindow> windows = CalendarWindows();
    if (windows.empty()) return 1;
    RECT client{};
    ::GetClientRect(windows.front().calendar, &client);
    TwinCalendar twin(windows.front().calendar, font);
    twin.Resize(client.right, client.bottom);
    twin.Select(shown);

    struct Cell {
        SYSTEMTIME date;
        RECT box;
    };
    std::vector<Cell> cells;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const MCHITTESTINFO hit = twin.HitTest(x, y);
            if ((hit.uHit & MCHT_CALENDARDATE) != MCHT_CALENDARDATE) continue;
            Cell* cell = nullptr;
            for (Cell& known : cells) {
                if (known.date.wYear == hit.st.wYear && known.date.wMonth == hit.st.wMonth &&
                    known.date.wDay == hit.st.wDay) {
                    cell = &known;
                }
            }
            if (!cell) {
                cells.push_back({hit.st, {x, y, x + 1, y + 1}});
                continue;
            }
            cell->box.left = std::min<LONG>(cell->box.left, x);
            cell->box.top = std::min<LONG>(cell->box.top, y);
            cell->box.right = std::max<LONG>(cell->box.right, x + 1);
            cell->box.bottom = std::max<LONG>(cell->box.bottom, y + 1);
        }
    }
    std::printf("{");
    const char* separator = "";
    for (const Cell& cell : cells) {
        std::printf("%s\"%04d-%02d-%02d\": %s", separator, cell.date.wYear, cell.date.wMonth, cell.date.wDay,
                    Json(cell.box).c_str());
        separator = ", ";
    }
    std::printf("}\n");
    return 0;
}

int PostCommand(const char* id) {
    const std::vector<CalendarWindow> windows = CalendarWindows();
    if (windows.empty()) return 1;
    return ::PostMessageA(windows.front().window, WM_COMMAND, static_cast<WPARAM>(std::atoi(id)), 0) ? 0 : 1;
}

// The calendar's selected date as YYYY-MM-DD: the control writes it into memory of
// its own process, lent for the question.
int PrintSelection() {
    const std::vector<CalendarWindow> windows = CalendarWindows();
    if (windows.empty()) return 1;
    DWORD processId = 0;
    ::GetWindowThreadProcessId(windows.front().calendar, &processId);
    HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return 1;
    void* lent = ::VirtualAllocEx(process, nullptr, sizeof(SYSTEMTIME), MEM_COMMIT, PAGE_READWRITE);
    SYSTEMTIME date{};
    const bool read = lent && ::SendMessageA(windows.front().calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(lent)) &&
                      ::ReadProcessMemory(process, lent, &date, sizeof date, nullptr);
    if (lent) ::VirtualFreeEx(process, lent, 0, MEM_RELEASE);
    ::CloseHandle(process);
    if (!read) return 1;
    std::printf("%04u-%02u-%02u\n", date.wYear, date.wMonth, date.wDay);
    return 0;
}

BOOL CALLBACK CollectMessageBox(HWND window, LPARAM parameter) {
    wchar_t className[16] = {};
    // The calendar and the schedule editor are dialogs too; a message box has neither
    // a calendar nor a list.
    if (::IsWindowVisible(window) && ::GetClassNameW(window, className, 16) && lstrcmpW(className, L"#32770") == 0 &&
        !::GetDlgItem(window, kCalendarId) && !::FindWindowExA(window, nullptr, WC_LISTVIEWA, nullptr)) {
        reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
    }
    return TRUE;
}

std::vector<HWND> MessageBoxes() {
    std::vector<HWND> found;
    ::EnumWindows(&CollectMessageBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

// A window's text in UTF-8, escaped for JSON.
std::string JsonTextOf(HWND window) {
    wchar_t text[1024] = {};
    ::GetWindowTextW(window, text, 1024);
    char utf8[4096] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::string escaped;
    for (const char* c = utf8; *c; ++c) {
        if (*c == '"' || *c == '\\') escaped += '\\';
        if (*c == '\n') {
            escaped += "\\n";
        } else if (*c == '\r') {
            escaped += "\\r";
        } else {
            escaped += *c;
        }
    }
    return escaped;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM parameter) {
    char className[16] = {};
    if (::GetClassNameA(child, className, sizeof className) && lstrcmpiA(className, "Static") == 0 &&
        ::GetWindowTextLengthW(child) > 0) {
        reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(child);
    }
    return TRUE;
}

// [{"caption": ..., "texts": [...]}] for every message box shown.
int PrintMessageBoxes() {
    std::printf("[");
    const char* separator = "";
    for (HWND box : MessageBoxes()) {
        std::vector<HWND> statics;
        ::EnumChildWindows(box, &CollectStatic, reinterpret_cast<LPARAM>(&statics));
        std::printf("%s{\"caption\": \"%s\", \"texts\": [", separator, JsonTextOf(box).c_str());
        const char* textSeparator = "";
        for (HWND text : statics) {
            std::printf("%s\"%s\"", textSeparator, JsonTextOf(text).c_str());
            textSeparator = ", ";
        }
        std::printf("]}");
        separator = ", ";
    }
    std::printf("]\n");
    return 0;
}

HWND FindShownWindow(const wchar_t* className) {
    struct Search {
        const wchar_t* className;
        HWND found;
    } search{className, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& wanted = *reinterpret_cast<Search*>(parameter);
            wchar_t name[32] = {};
            if (::IsWindowVisible(window) && ::GetClassNameW(window, name, 32) && lstrcmpiW(name, wanted.className) == 0) {
                wanted.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// {"rect": [...]} of the popup menu shown. Its items cannot be read from another
// process under Wine: what they look like tells.
int PrintMenu() {
    HWND window = FindShownWindow(L"#32768");
    if (!window) return 1;
    RECT rect{};
    ::GetWindowRect(window, &rect);
    std::printf("{\"rect\": %s}\n", Json(rect).c_str());
    return 0;
}

BOOL CALLBACK CollectToolTip(HWND window, LPARAM parameter) {
    wchar_t className[32] = {};
    if (::IsWindowVisible(window) && ::GetClassNameW(window, className, 32) &&
        lstrcmpiW(className, TOOLTIPS_CLASSW) == 0) {
        reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
    }
    return TRUE;
}

// ["text", ...] of every tooltip shown.
int PrintToolTips() {
    std::vector<HWND> tips;
    ::EnumWindows(&CollectToolTip, reinterpret_cast<LPARAM>(&tips));
    std::printf("[");
    const char* separator = "";
    for (HWND tip : tips) {
        std::printf("%s\"%s\"", separator, JsonTextOf(tip).c_str());
        separator = ", ";
    }
    std::printf("]\n");
    return 0;
}

int DismissMessageBoxes() {
    for (HWND box : MessageBoxes()) ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&classes);
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "windows") return PrintWindows();
    if (command == "snapshot" && argc > 2) return WriteSnapshot(argv[2]);
    if (command == "cells" && argc > 2) {
        LOGFONTA font = IconTitleFont();
        if (argc > 4) {
            font = LOGFONTA{};
            font.lfHeight = std::atoi(argv[3]);
            font.lfCharSet = DEFAULT_CHARSET;
            ::lstrcpynA(font.lfFaceName, argv[4], LF_FACESIZE);
        }
        return PrintCells(argv[2], font);
    }
    if (command == "command" && argc > 2) return PostCommand(argv[2]);
    if (command == "messages") return PrintMessageBoxes();
    if (command == "dismiss") return DismissMessageBoxes();
    if (command == "menu") return PrintMenu();
    if (command == "tooltips") return PrintToolTips();
    if (command == "selection") return PrintSelection();
    std::fprintf(stderr,
                 "usage: wispane-window-probe windows | snapshot FILE | cells YYYY-MM-DD | command ID | messages | "
                 "dismiss | menu | tooltips | selection\n");
    return 2;
}
