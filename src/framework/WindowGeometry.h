#pragma once
#include <windows.h>

#include <optional>

#include "GridRect.h"

inline RECT ToRect(const GridRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
inline GridRect ToGridRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// The work area of a monitor (the desktop without the task bar); none when the
// system does not say.
std::optional<RECT> WorkAreaOf(HMONITOR monitor);

// The work area of the monitor nearest to `window`.
std::optional<RECT> WorkAreaNear(HWND window);

// `window`'s rectangle, frame included, in the client coordinates of `container`
// (in screen coordinates for none).
RECT WindowRectIn(HWND window, HWND container);

// Moves a borderless window of `size` onto the work area of the monitor nearest
// to its title band (its top `titleHeight` rows), keeping its size, unless that
// band lies inside the work area already. The size is passed in: the window's
// right and bottom edges may have wrapped around 32 bits.
void KeepWithinReach(HWND window, SIZE size, int titleHeight);
