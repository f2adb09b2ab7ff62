#pragma once
#include <windows.h>

#include <optional>

// The work area of a monitor (the desktop without the task bar); none when the
// system does not say.
std::optional<RECT> WorkAreaOf(HMONITOR monitor);

// The work area of the monitor nearest to `window`.
std::optional<RECT> WorkAreaNear(HWND window);

// `window`'s rectangle, frame included, in the client coordinates of `container`
// (in screen coordinates for none).
RECT WindowRectIn(HWND window, HWND container);
