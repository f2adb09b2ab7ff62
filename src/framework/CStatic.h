#pragma once
#include "CWnd.h"

// Static text, icon or frame control.
class CStatic : public CWnd {
public:
    bool Create(const char* text, DWORD style, const RECT& rect, const CWnd& parent, UINT id) {
        return CreateEx(0, "STATIC", text, style, rect, parent.GetSafeHwnd(), id);
    }
};
