#pragma once
#include "CFrameWnd.h"

// The invisible window that owns the calendar window. As a tool window it has no
// taskbar button, and neither has the window it owns.
class OwnerFrame : public CFrameWnd {
public:
    // The window that the system's close of this one closes instead, the normal way.
    void CloseInstead(CWnd* window) { closeTarget_ = window; }

protected:
    bool PreCreateWindow(CREATESTRUCTA& create) override;
    // A task manager closes every top-level window of the program: the default would
    // destroy this one and with it the window it owns, which then has no chance to
    // end its modal loop and save.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CWnd* closeTarget_ = nullptr;
};
