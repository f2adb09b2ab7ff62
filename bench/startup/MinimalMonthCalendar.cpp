// The least a program can do to show one month: a borderless popup holding a
// month-calendar control of its minimum size, centred on the screen.
#include <windows.h>
#include <commctrl.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&classes);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = "MinimalMonthCalendar";
    if (!::RegisterClassA(&windowClass)) return 1;

    HWND window = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, windowClass.lpszClassName, "", WS_POPUP, 0, 0,
                                    0, 0, nullptr, nullptr, instance, nullptr);
    HWND calendar = ::CreateWindowExA(0, MONTHCAL_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window, nullptr,
                                      instance, nullptr);
    if (!window || !calendar) return 1;
    RECT size{};
    ::SendMessageA(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&size));
    ::SetWindowPos(calendar, nullptr, 0, 0, size.right, size.bottom, SWP_NOZORDER);
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - size.right) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - size.bottom) / 2;
    ::SetWindowPos(window, nullptr, left, top, size.right, size.bottom, SWP_NOZORDER | SWP_SHOWWINDOW);

    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return 0;
}
