#pragma once
#include <windows.h>

// Pixels an inch, as a program aware of each monitor's scale sees them. Each call
// uses the most exact one the system has (found at run time) and falls back to the
// system-wide value on older systems.

// The system-wide pixels an inch: those of the primary monitor at logon.
UINT SystemDpi();
// The pixels an inch of the monitor the window is on.
UINT DpiOfWindow(HWND window);
// A system metric (SM_CXSMICON, SM_CXVSCROLL ...) at the given pixels an inch.
int SystemMetricForDpi(int index, UINT dpi);
// The same font at `toDpi`: its height and width scaled, as the system scales its own fonts.
LOGFONTA FontAtDpi(LOGFONTA font, UINT fromDpi, UINT toDpi);
// A length of 96-DPI pixels at the given pixels an inch.
inline int ScaledForDpi(int length, UINT dpi) { return ::MulDiv(length, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); }
// Tells the dialog manager (Windows 10 1703) to leave a dialog's fonts, size and
// controls alone when its pixels an inch change: the dialog scales them itself.
void TakeOverDialogScaling(HWND dialog);
