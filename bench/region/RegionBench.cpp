// Times BuildSeeThroughRegion on a one-month calendar in the icon-title font and
// in a font twice its size, in the see-through look's colours, and prints the
// median of 101 rebuilds of each.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "SeeThroughCalendarCtrl.h"
#include "SeeThroughRegion.h"
#include "Win32Platform.h"

namespace {

constexpr int kRuns = 101;

void PumpMessages() {
    MSG message{};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
}

double Milliseconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Measure(int fontScale) {
    CWnd host;
    host.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 50, 50, 800, 600, nullptr, nullptr);
    SeeThroughCalendarCtrl calendar(Win32Platform());
    calendar.Create(WS_CHILD | WS_VISIBLE | MCS_DAYSTATE, {0, 0, 800, 600}, host, 1001);
    LOGFONTA description{};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof description, &description, 0);
    description.lfHeight *= fontScale;
    const Font font = Font::Create(description);
    calendar.SetFont(font.get(), false);
    calendar.SetColor(MCSC_BACKGROUND, RGB(255, 255, 255));
    calendar.SetColor(MCSC_MONTHBK, RGB(255, 255, 255));
    calendar.tintCells = false;
    const RECT month = calendar.GetMinReqRect().value_or(RECT{0, 0, 200, 150});
    calendar.SetWindowPos(nullptr, 0, 0, month.right, month.bottom, SWP_NOZORDER);
    calendar.RequestDayStates();
    calendar.RedrawWindow();
    PumpMessages();

    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        LARGE_INTEGER start{}, end{};
        ::QueryPerformanceCounter(&start);
        const Region region = BuildSeeThroughRegion(calendar, month.right, month.bottom);
        ::QueryPerformanceCounter(&end);
        if (!region) std::printf("no region\n");
        times.push_back(Milliseconds(start, end));
    }
    std::sort(times.begin(), times.end());
    std::printf("region rebuild, %ld x %ld pixels: median %.2f ms, fastest %.2f ms\n", month.right, month.bottom,
                times[times.size() / 2], times.front());
    calendar.DestroyWindow();
    host.DestroyWindow();
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&classes);
    Measure(1);
    Measure(2);
    return 0;
}
