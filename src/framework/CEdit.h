#pragma once
#include "CWnd.h"

#include <optional>
#include <utility>

// Edit control.
class CEdit : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, const CWnd& parent, UINT id) {
        return CreateEx(0, "EDIT", nullptr, style, rect, parent.GetSafeHwnd(), id);
    }

    // Selects from start up to end (-1: to the end); start == end places the caret.
    void SetSel(int start, int end) { Send(EM_SETSEL, static_cast<WPARAM>(start), end); }
    std::pair<int, int> GetSel() const {
        DWORD start = 0;
        DWORD end = 0;
        Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end)};
    }
    void ScrollCaret() { Send(EM_SCROLLCARET); }
    // The index of the character nearest a client point.
    int CharFromPos(POINT point) const {
        return LOWORD(Send(EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y)));
    }
    // The client position of a character; none past the end of the text.
    std::optional<POINT> PosFromChar(int index) const {
        const LRESULT position = Send(EM_POSFROMCHAR, static_cast<WPARAM>(index));
        if (position == -1) return std::nullopt;
        return POINT{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    }
};
