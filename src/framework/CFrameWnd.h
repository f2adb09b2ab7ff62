#pragma once
#include <string>

#include "CWnd.h"

// A top-level window of a window class that this framework registers, with the icon
// of a resource id.
class CFrameWnd : public CWnd {
public:
    // Creates the window (not shown); its class carries icon resourceId.
    bool LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW, CWnd* parent = nullptr);

protected:
    // The base registers the window class when none is named.
    bool PreCreateWindow(CREATESTRUCTA& create) override;

private:
    bool RegisterFrameClass(HINSTANCE instance);

    UINT resourceId_ = 0;
    std::string className_;
};
