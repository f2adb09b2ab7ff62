#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "CommonControls.h"
#include "GdiObjects.h"

class ToolTipFilter;

// A window with a C++ object. The object is bound to its window when the window is
// created (our own window classes: the creation parameter; system classes and dialogs:
// subclassed as the window is born) or when an existing window is subclassed, and it is
// unbound when the window is gone (WM_NCDESTROY), so the same object can create a new
// window afterwards. Messages reach one virtual WindowProc per class; this base
// decodes only commands, notifications and paint, and passes the rest on to the
// window's default or previous procedure.
//
// Notifications (WM_NOTIFY), commands from controls and the colour queries of controls
// are first offered to the C++ object of the control that sent them (OnChildNotify);
// they reach the parent's own handling unless that control handled them.
class CWnd {
public:
    CWnd();
    // A window still bound to the object is destroyed with it.
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return hwnd_; }

    // The object bound to a window of this thread, or null.
    static CWnd* FromHandlePermanent(HWND window);

    bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menuOrId);
    // A child window with a control id.
    bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                  HWND parent, UINT id);

    // Binds the object to an existing window of this thread by replacing its window
    // procedure; unhandled messages go on to the previous procedure.
    bool SubclassWindow(HWND window);
    bool SubclassDlgItem(int id, const CWnd& parent) { return SubclassWindow(parent.GetDlgItem(id)); }

    virtual bool DestroyWindow() { return hwnd_ && ::DestroyWindow(hwnd_); }

    // Offered every message of a modal loop before dispatch, for the target window and
    // each of its ancestors; true consumes the message. The base feeds the tooltips.
    virtual bool PreTranslateMessage(MSG& message);

    // The tool under a client point: fills the record and returns the hit code, or -1.
    // The base makes the child window under the point the tool (text asked for with
    // TTN_NEEDTEXTA) and returns its control id. A static control is a tool only with
    // SS_NOTIFY: otherwise the mouse passes through it to the parent.
    virtual INT_PTR OnToolHitTest(POINT point, TOOLINFOA* tool) const;

    // A tooltip control owned by this window whose tools follow OnToolHitTest as the
    // mouse moves over the window and its children. A new hit code replaces the tool,
    // so the text is asked for again.
    bool EnableToolTips(bool enable = true);
    // Tips show only while the window's top-level window is active, unless this is set.
    void ShowToolTipsWhileInactive(bool show) { toolTipsWhileInactive_ = show; }
    bool ShowsToolTipsWhileInactive() const { return toolTipsWhileInactive_; }

    // Offers a message to PreTranslateMessage of its target and the target's ancestors,
    // up to and including stopAfter; true when one consumed it.
    static bool WalkPreTranslateTree(MSG& message, HWND stopAfter);

    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(hwnd_, GWL_STYLE)); }
    // True when the style changed. Non-zero flags also apply it with SetWindowPos.
    bool ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    bool ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    // Sets `bits` of the style when on, clears them otherwise.
    bool SetStyleBits(DWORD bits, bool on) { return ModifyStyle(on ? 0 : bits, on ? bits : 0); }

    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    bool ScreenToClient(POINT& point) const { return ::ScreenToClient(hwnd_, &point); }
    bool ClientToScreen(POINT& point) const { return ::ClientToScreen(hwnd_, &point); }

    HWND GetParent() const { return ::GetParent(hwnd_); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(hwnd_, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(hwnd_); }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(hwnd_, message, wParam, lParam);
    }
    // A question for the window's own procedure, past this object, for messages the
    // object never handles: what sending gives, without the system call that Wine
    // makes of every sent message (about 0.1 ms, which a scan of many points feels).
    LRESULT Ask(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(hwnd_, message, wParam, lParam);
    }
    // To every child window, and with deep also to their children, recursively.
    void SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, bool deep = true) const;

    void SetFont(HFONT font, bool redraw = true) { Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw); }
    // On this window and on all its descendants.
    void SetFontWithDescendants(HFONT font, bool redraw = true) {
        SetFont(font, redraw);
        SendMessageToDescendants(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(Send(WM_GETFONT)); }
    std::string GetText() const;
    bool SetText(const char* text) { return ::SetWindowTextA(hwnd_, text); }
    std::string GetDlgItemText(int id) const;
    bool SetDlgItemText(int id, const char* text) { return ::SetDlgItemTextA(hwnd_, id, text); }

    bool Invalidate(bool erase = true) { return ::InvalidateRect(hwnd_, nullptr, erase); }
    bool InvalidateRect(const RECT& rect, bool erase = true) { return ::InvalidateRect(hwnd_, &rect, erase); }
    bool RedrawWindow(const RECT* rect = nullptr, HRGN region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE) {
        return ::RedrawWindow(hwnd_, rect, region, flags);
    }

    bool SetTimer(UINT_PTR id, UINT milliseconds) { return ::SetTimer(hwnd_, id, milliseconds, nullptr) != 0; }
    bool KillTimer(UINT_PTR id) { return ::KillTimer(hwnd_, id); }

    std::optional<WINDOWPLACEMENT> GetWindowPlacement() const;
    bool SetWindowPlacement(const WINDOWPLACEMENT& placement);
    bool SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) {
        return ::SetWindowPos(hwnd_, insertAfter, x, y, width, height, flags);
    }
    bool MoveWindow(const RECT& rect, bool repaint = true) {
        return ::MoveWindow(hwnd_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
    }
    // Centres a child in its parent; a top-level window on its owner, or in the work
    // area of its screen when the owner is missing, hidden or minimised.
    bool CenterWindow();
    // Where CenterWindow puts the window, at its size or at another; none when the
    // screen's work area is unknown.
    std::optional<POINT> CenteredPosition() const;
    std::optional<POINT> CenteredPosition(SIZE size) const;
    // Returns whether the window was visible before.
    bool ShowWindow(int command) { return ::ShowWindow(hwnd_, command); }
    bool IsWindowVisible() const { return ::IsWindowVisible(hwnd_); }
    HWND SetFocus() { return ::SetFocus(hwnd_); }

    // On success the region belongs to the system; an empty holder removes the region.
    bool SetWindowRgn(Region region, bool redraw);

    // Captioned with the application's name when no caption is given.
    int ShowMessageBox(const char* text, UINT type = MB_OK, const char* caption = nullptr) const;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default or previous window procedure.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Each returns whether it acted; when not, the message goes to DefaultProc.
    virtual bool OnCommand(UINT /*id*/, UINT /*code*/, HWND /*control*/) { return false; }
    virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual bool OnPaint() { return false; }
    // A notification, control command or control colour query that this window sent
    // to its parent; true stops it there with result as the parent's answer.
    virtual bool OnChildNotify(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
        return false;
    }

    // May change the creation parameters; false cancels the creation.
    virtual bool PreCreateWindow(CREATESTRUCTA& /*create*/) { return true; }
    // Called when an existing window has just been subclassed.
    virtual void PreSubclassWindow() {}
    // Called after the window is gone and the object unbound: the last use of `this`
    // that the framework makes, so an object may delete itself here.
    virtual void PostNcDestroy() {}

    // Runs create and binds this object to the first window created meanwhile on this
    // thread, before that window receives its first message.
    bool AttachDuringCreation(const std::function<HWND()>& create);

    // The window procedure of the window classes this framework registers.
    static LRESULT CALLBACK WindowProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // The common-control window classes the framework's controls and dialogs use.
    static void RegisterCommonControls();

private:
    class CreationHook;

    static CWnd* BoundObject(HWND window);
    void Attach(HWND window);
    void Detach();
    bool IsOwnClass(const char* className, HINSTANCE instance) const;
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const;

    HWND hwnd_ = nullptr;
    WNDPROC previousProc_ = nullptr;
    std::unique_ptr<ToolTipFilter> toolTips_;
    bool toolTipsWhileInactive_ = false;
};
