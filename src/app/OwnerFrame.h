#pragma once
#include "CFrameWnd.h"

// The invisible window that owns the calendar window. As a tool window it has no
// taskbar button, and neither has the window it owns.
class OwnerFrame : public CFrameWnd {
protected:
    bool PreCreateWindow(CREATESTRUCTA& create) override;
};
