#pragma once
#include <windows.h>

#include "UniqueHandle.h"

// Owned user-interface handles.

struct MenuTraits {
    using Handle = HMENU;
    static void Close(HMENU menu) { ::DestroyMenu(menu); }
};

class Menu : public UniqueHandle<MenuTraits> {
public:
    using UniqueHandle::UniqueHandle;

    // A popup of this menu; it stays owned by the menu.
    HMENU SubMenu(int position) const { return get() ? ::GetSubMenu(get(), position) : nullptr; }
};

// Shows a popup menu for `owner` until it closes. The owner becomes the foreground
// window first, as the system asks, or a window it could not activate may get no
// menu, or one that a click elsewhere does not close; the null message after it
// lets the menu's closing finish.
inline void TrackPopupMenuOf(HWND owner, HMENU popup, UINT flags, POINT at) {
    ::SetForegroundWindow(owner);
    ::TrackPopupMenu(popup, flags, at.x, at.y, 0, owner, nullptr);
    ::PostMessageA(owner, WM_NULL, 0, 0);
}

struct CursorTraits {
    using Handle = HCURSOR;
    static void Close(HCURSOR cursor) { ::DestroyCursor(cursor); }
};

// A cursor that must be destroyed: loaded from a file or copied. Cursors loaded
// with LoadCursor from a module are shared and need no holder.
using Cursor = UniqueHandle<CursorTraits>;

struct IconTraits {
    using Handle = HICON;
    static void Close(HICON icon) { ::DestroyIcon(icon); }
};

// An icon loaded at a size of its own (LoadImage without LR_SHARED).
using Icon = UniqueHandle<IconTraits>;

struct AcceleratorTraits {
    using Handle = HACCEL;
    static void Close(HACCEL table) { ::DestroyAcceleratorTable(table); }
};

class AcceleratorTable : public UniqueHandle<AcceleratorTraits> {
public:
    using UniqueHandle::UniqueHandle;

    // True when the message was a key of the table: its command has been sent to window.
    bool Translate(HWND window, MSG& message) const {
        return get() && ::TranslateAcceleratorA(window, get(), &message) != 0;
    }
};
