#include "OwnerFrame.h"

bool OwnerFrame::PreCreateWindow(CREATESTRUCTA& create) {
    // Set on both sides of the base, which may rewrite the parameters.
    create.dwExStyle |= WS_EX_TOOLWINDOW;
    if (!CFrameWnd::PreCreateWindow(create)) return false;
    create.dwExStyle |= WS_EX_TOOLWINDOW;
    return true;
}

LRESULT OwnerFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE && closeTarget_ && closeTarget_->GetSafeHwnd()) {
        closeTarget_->Post(WM_CLOSE);
        return 0;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}
