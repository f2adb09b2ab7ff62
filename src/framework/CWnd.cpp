// Binding a CWnd to its window, the window procedure that dispatches to it, the
// reflection of notifications to controls and the pre-translate walk. Creation and
// subclassing are in CWndCreation.cpp, placement and centring in CWndPlacement.cpp.
#include "CWnd.h"

#include <unordered_map>
#include <utility>
#include <vector>

#include "CWinApp.h"
#include "ToolTipFilter.h"

namespace {

// The objects bound to this thread's windows; a window's messages all come on its
// own thread. Not a window property: under Wine every property lookup is a call to
// the server, and a lookup comes with every message.
std::unordered_map<HWND, CWnd*>& BoundObjects() {
    thread_local std::unordered_map<HWND, CWnd*> objects;
    return objects;
}

bool IsMouseMessage(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

}  // namespace

CWnd::CWnd() = default;

CWnd::~CWnd() {
    // Virtual calls made while the window is destroyed now reach this class only.
    if (hwnd_) ::DestroyWindow(hwnd_);
    // A window that went without its last message reaching this object must not
    // leave its handle bound to it.
    if (hwnd_) Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    if (!window || ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId()) return nullptr;
    return BoundObject(window);
}

CWnd* CWnd::BoundObject(HWND window) {
    const auto& objects = BoundObjects();
    const auto found = objects.find(window);
    return found == objects.end() ? nullptr : found->second;
}

void CWnd::Attach(HWND window) {
    hwnd_ = window;
    BoundObjects()[window] = this;
    auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (current != &WindowProcThunk) {
        previousProc_ = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProcThunk)));
    }
}

void CWnd::Detach() {
    BoundObjects().erase(hwnd_);
    hwnd_ = nullptr;
    previousProc_ = nullptr;
    toolTips_.reset();
}

LRESULT CALLBACK CWnd::WindowProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A window procedure runs on its window's thread.
    CWnd* object = BoundObject(window);
    if (!object && message == WM_NCCREATE) {
        object = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (object) object->Attach(window);
    }
    if (!object) return ::DefWindowProcA(window, message, wParam, lParam);
    return object->Dispatch(message, wParam, lParam);
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!ReflectToChild(message, wParam, lParam, result)) result = WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        Detach();
        PostNcDestroy();
    }
    return result;
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const {
    HWND sender = nullptr;
    switch (message) {
    case WM_NOTIFY:
        if (lParam) sender = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        break;
    case WM_COMMAND:  // lParam is null for menus and accelerators
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        sender = reinterpret_cast<HWND>(lParam);
        break;
    default:
        return false;
    }
    if (!sender || sender == hwnd_) return false;
    CWnd* control = FromHandlePermanent(sender);
    return control && control->OnChildNotify(message, wParam, lParam, result);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
        break;
    case WM_NOTIFY:
        if (lParam) {
            LRESULT result = 0;
            if (OnNotify(*reinterpret_cast<NMHDR*>(lParam), result)) return result;
        }
        break;
    case WM_PAINT:
        if (OnPaint()) return 0;
        break;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT CWnd::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (previousProc_) return ::CallWindowProcA(previousProc_, hwnd_, message, wParam, lParam);
    return ::DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool CWnd::WalkPreTranslateTree(MSG& message, HWND stopAfter) {
    // GetParent gives the owner of a popup, so the walk also leaves a tooltip for
    // the window that owns it.
    for (HWND window = message.hwnd; window; window = ::GetParent(window)) {
        CWnd* object = FromHandlePermanent(window);
        if (object && object->PreTranslateMessage(message)) return true;
        if (window == stopAfter) break;
    }
    return false;
}

bool CWnd::PreTranslateMessage(MSG& message) {
    if (toolTips_ && IsMouseMessage(message.message)) toolTips_->Filter(message);
    return false;
}

bool CWnd::EnableToolTips(bool enable) {
    if (!enable) {
        toolTips_.reset();
        return true;
    }
    if (toolTips_) return true;
    if (!hwnd_) return false;
    auto toolTips = std::make_unique<ToolTipFilter>(*this);
    if (!toolTips->Create()) return false;
    toolTips_ = std::move(toolTips);
    return true;
}

INT_PTR CWnd::OnToolHitTest(POINT point, TOOLINFOA* tool) const {
    HWND child = ::ChildWindowFromPointEx(hwnd_, point, CWP_SKIPINVISIBLE);
    if (!child || child == hwnd_) return -1;
    const int id = ::GetDlgCtrlID(child);
    if (static_cast<WORD>(id) == static_cast<WORD>(-1)) return -1;  // unnamed statics
    tool->hwnd = hwnd_;
    tool->uId = reinterpret_cast<UINT_PTR>(child);
    tool->uFlags |= TTF_IDISHWND;
    tool->lpszText = LPSTR_TEXTCALLBACKA;
    // Below the control rather than at the pointer, except over buttons.
    if (!(::SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)) tool->uFlags |= TTF_CENTERTIP;
    return id;
}

namespace {

bool ModifyStyleBits(HWND window, int index, DWORD remove, DWORD add, UINT swpFlags) {
    if (!window) return false;
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(window, index));
    const DWORD changed = (style & ~remove) | add;
    if (style == changed) return false;
    ::SetWindowLongPtrA(window, index, static_cast<LONG_PTR>(changed));
    if (swpFlags != 0) {
        ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    }
    return true;
}

}  // namespace

bool CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) {
    return ModifyStyleBits(hwnd_, GWL_STYLE, remove, add, swpFlags);
}

bool CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags) {
    return ModifyStyleBits(hwnd_, GWL_EXSTYLE, remove, add, swpFlags);
}

LRESULT CWnd::Ask(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (previousProc_) return ::CallWindowProcA(previousProc_, hwnd_, message, wParam, lParam);
    return Send(message, wParam, lParam);
}

namespace {

void SendToDescendants(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool deep) {
    // Collected first: a child may create or destroy windows while it handles the message.
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    for (HWND child : children) {
        if (!::IsWindow(child)) continue;
        ::SendMessageA(child, message, wParam, lParam);
        if (deep) SendToDescendants(child, message, wParam, lParam, true);
    }
}

}  // namespace

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, bool deep) const {
    SendToDescendants(hwnd_, message, wParam, lParam, deep);
}

namespace {

std::string TextOf(HWND window) {
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

std::string CWnd::GetText() const { return TextOf(hwnd_); }

std::string CWnd::GetDlgItemText(int id) const { return TextOf(GetDlgItem(id)); }

bool CWnd::SetWindowRgn(Region region, bool redraw) {
    if (!::SetWindowRgn(hwnd_, region.get(), redraw)) return false;
    static_cast<void>(region.release());
    return true;
}

int CWnd::ShowMessageBox(const char* text, UINT type, const char* caption) const {
    if (!caption && CWinApp::Current()) caption = CWinApp::Current()->GetAppName().c_str();
    return ::MessageBoxA(hwnd_, text, caption, type);
}
