#include "MonitorDpi.h"

#include "DeviceContexts.h"
#include "LogicalFontValue.h"
#include "SystemProcedure.h"

namespace {

// MDT_EFFECTIVE_DPI of the shell's scaling interface (Windows 8.1).
constexpr int kEffectiveDpi = 0;

UINT ScreenLogPixels() {
    ClientDC screen(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

UINT SystemDpi() {
    // Windows 10 1607.
    static const auto forSystem = LoadSystemProcedure<UINT(WINAPI*)()>("user32.dll", "GetDpiForSystem");
    const UINT dpi = forSystem ? forSystem() : 0;
    return dpi ? dpi : ScreenLogPixels();
}

UINT DpiOfWindow(HWND window) {
    // Windows 10 1607.
    static const auto forWindow = LoadSystemProcedure<UINT(WINAPI*)(HWND)>("user32.dll", "GetDpiForWindow");
    if (forWindow && window) {
        if (const UINT dpi = forWindow(window)) return dpi;
    }
    // Windows 8.1.
    using ForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto forMonitor = LoadSystemProcedure<ForMonitor>("shcore.dll", "GetDpiForMonitor");
    if (forMonitor && window) {
        UINT x = 0;
        UINT y = 0;
        HMONITOR monitor = ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
        if (SUCCEEDED(forMonitor(monitor, kEffectiveDpi, &x, &y)) && y) return y;
    }
    return SystemDpi();
}

int SystemMetricForDpi(int index, UINT dpi) {
    // Windows 10 1607.
    static const auto forDpi = LoadSystemProcedure<int(WINAPI*)(int, UINT)>("user32.dll", "GetSystemMetricsForDpi");
    if (forDpi) return forDpi(index, dpi);
    return ::MulDiv(::GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

void TakeOverDialogScaling(HWND dialog) {
    using SetBehavior = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    static const auto setBehavior = LoadSystemProcedure<SetBehavior>("user32.dll", "SetDialogDpiChangeBehavior");
    if (setBehavior) setBehavior(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

LOGFONTA FontAtDpi(LOGFONTA font, UINT fromDpi, UINT toDpi) {
    LogicalFontValue size;
    size.height = font.lfHeight;
    size.width = font.lfWidth;
    const LogicalFontValue scaled = size.AtDpi(static_cast<int>(fromDpi), static_cast<int>(toDpi));
    font.lfHeight = scaled.height;
    font.lfWidth = scaled.width;
    return font;
}
