#pragma once
#include <windows.h>

// Shift and Ctrl held together: at start they force the English resources. A key
// counts as held when any bit of its state other than "pressed since the last
// query" is set.
inline bool ShiftAndCtrlHeld() {
    const auto held = [](int key) { return (::GetAsyncKeyState(key) & 0xFFFE) != 0; };
    return held(VK_SHIFT) && held(VK_CONTROL);
}
