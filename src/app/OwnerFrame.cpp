#include "OwnerFrame.h"

bool OwnerFrame::PreCreateWindow(CREATESTRUCTA& create) {
    // Set on both sides of the base, which may rewrite the parameters.
    create.dwExStyle |= WS_EX_TOOLWINDOW;
    if (!CFrameWnd::PreCreateWindow(create)) return false;
    create.dwExStyle |= WS_EX_TOOLWINDOW;
    return true;
}
