#pragma once
// The common-controls declarations, with the one value mingw-w64 gets wrong.
#include <windows.h>
#include <commctrl.h>

// mingw-w64 declares MCN_GETDAYSTATE as MCN_FIRST + 3 (-743); the month calendar
// sends MCN_FIRST - 1 (-747), the value of the Windows SDK.
#undef MCN_GETDAYSTATE
#define MCN_GETDAYSTATE (MCN_FIRST - 1)
