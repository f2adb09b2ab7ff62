#pragma once
#include <windows.h>
#include <commctrl.h>

#include "CToolTipCtrl.h"
#include "GdiObjects.h"

// The tooltip of a window whose tools follow the window's OnToolHitTest as the mouse
// moves over the window and its children. Every change of the hit code replaces the
// tool, so the tooltip asks for its text again.
class ToolTipFilter {
public:
    explicit ToolTipFilter(CWnd& owner);

    // Makes the tooltip control; false when it cannot be made.
    bool Create();
    // Feeds a mouse message of the owner or of one of its children to the tooltip.
    void Filter(const MSG& message);

private:
    bool IsOwnerActive() const;
    void RelayToTool(const MSG& message, POINT clientPoint);

    // The tip's text in the system's status font, made for the owner's monitor.
    void UseFontOfOwnersDpi();

    CWnd& owner_;
    Font font_;  // outlives the control that draws with it
    CToolTipCtrl control_;
    // The tool last added from a hit test, and its hit code; -1 when there is none.
    INT_PTR lastHit_ = -1;
    TOOLINFOA lastTool_{};
};
