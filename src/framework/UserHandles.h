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

struct CursorTraits {
    using Handle = HCURSOR;
    static void Close(HCURSOR cursor) { ::DestroyCursor(cursor); }
};

// A cursor that must be destroyed: loaded from a file or copied. Cursors loaded
// with LoadCursor from a module are shared and need no holder.
using Cursor = UniqueHandle<CursorTraits>;

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
