#pragma once
#include "CWnd.h"

// Edit control.
class CEdit : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, const CWnd& parent, UINT id) {
        return CreateEx(0, "EDIT", nullptr, style, rect, parent.GetSafeHwnd(), id);
    }

    // Selects from start up to end (-1: to the end); start == end places the caret.
    void SetSel(int start, int end) { Send(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void ScrollCaret() { Send(EM_SCROLLCARET); }
    // The index of the character nearest a client point.
    int CharFromPos(POINT point) const {
        return LOWORD(Send(EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y)));
    }
};
