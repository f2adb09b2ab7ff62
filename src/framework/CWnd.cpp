#include "CWnd.h"

#include <unordered_map>
#include <utility>
#include <vector>

#include "CWinApp.h"
#include "ToolTipFilter.h"
#include "WindowGeometry.h"

namespace {

// The objects bound to this thread's windows; a window's messages all come on its
// own thread. Not a window property: under Wine every property lookup is a call to
// the server, and a lookup comes with every message.
std::unordered_map<HWND, CWnd*>& BoundObjects() {
    thread_local std::unordered_map<HWND, CWnd*> objects;
    return objects;
}

HINSTANCE ProgramInstance() { return ::GetModuleHandleA(nullptr); }

// The input method's default window may be born on this thread before the window
// being created; it is never ours.
bool IsImeWindow(HWND window) {
    if (::GetClassLongPtrA(window, GCL_STYLE) & CS_IME) return true;
    char className[8] = {};
    ::GetClassNameA(window, className, sizeof className);
    return ::lstrcmpiA(className, "IME") == 0;
}

bool IsMouseMessage(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

}  // namespace

// Binds the object whose window is being created to the first window born on this
// thread while the hook is installed: at HCBT_CREATEWND, before the window's first
// message. Nested creations (a window creating its children) each install their own.
// The hook goes once it has bound its window: the rest of the creation (a dialog's
// controls, its initialisation and showing) would otherwise call it at every event.
class CWnd::CreationHook {
public:
    explicit CreationHook(CWnd& window)
        : window_(window),
          previous_(std::exchange(pending_, this)),
          hook_(::SetWindowsHookExA(WH_CBT, &CreationHook::Filter, nullptr, ::GetCurrentThreadId())) {}
    ~CreationHook() {
        Unhook();
        pending_ = previous_;
    }
    CreationHook(const CreationHook&) = delete;
    CreationHook& operator=(const CreationHook&) = delete;

    bool Installed() const { return hook_ != nullptr; }

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam) {
        auto window = reinterpret_cast<HWND>(wParam);
        CreationHook* bound = nullptr;
        if (code == HCBT_CREATEWND && pending_ && !IsImeWindow(window)) {
            bound = std::exchange(pending_, nullptr);
            bound->window_.Attach(window);
        }
        const LRESULT result = ::CallNextHookEx(nullptr, code, wParam, lParam);
        if (bound) bound->Unhook();
        return result;
    }

    void Unhook() {
        if (hook_) ::UnhookWindowsHookEx(std::exchange(hook_, nullptr));
    }

    static thread_local CreationHook* pending_;
    CWnd& window_;
    CreationHook* previous_;
    HHOOK hook_;
};

thread_local CWnd::CreationHook* CWnd::CreationHook::pending_ = nullptr;

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

bool CWnd::IsOwnClass(const char* className, HINSTANCE instance) const {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    return ::GetClassInfoExA(instance, className, &info) && info.lpfnWndProc == &WindowProcThunk;
}

void CWnd::RegisterCommonControls() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX classes{};
        classes.dwSize = sizeof classes;
        classes.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES;
        return ::InitCommonControlsEx(&classes) != FALSE;
    }();
    static_cast<void>(registered);
}

bool CWnd::AttachDuringCreation(const std::function<HWND()>& create) {
    CreationHook hook(*this);
    if (!hook.Installed()) return false;
    HWND created = create();
    return created && created == hwnd_;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId) {
    if (hwnd_) return false;
    RegisterCommonControls();
    CREATESTRUCTA create{};
    create.dwExStyle = exStyle;
    create.lpszClass = className;
    create.lpszName = windowName;
    create.style = style;
    create.x = x;
    create.y = y;
    create.cx = width;
    create.cy = height;
    create.hwndParent = parent;
    create.hMenu = menuOrId;
    create.hInstance = ProgramInstance();
    if (!PreCreateWindow(create)) return false;

    auto createWindow = [&create](void* parameter) {
        return ::CreateWindowExA(create.dwExStyle, create.lpszClass, create.lpszName, create.style, create.x,
                                 create.y, create.cx, create.cy, create.hwndParent, create.hMenu, create.hInstance,
                                 parameter);
    };
    // Our own classes bind the object at WM_NCCREATE from the creation parameter.
    if (IsOwnClass(create.lpszClass, create.hInstance)) {
        HWND created = createWindow(this);
        return created && created == hwnd_;
    }
    return AttachDuringCreation([&createWindow] { return createWindow(nullptr); });
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                    HWND parent, UINT id) {
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

bool CWnd::SubclassWindow(HWND window) {
    if (hwnd_ || !window || ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId() ||
        FromHandlePermanent(window)) {
        return false;
    }
    Attach(window);
    PreSubclassWindow();
    return true;
}

bool CWnd::SubclassDlgItem(int id, const CWnd& parent) { return SubclassWindow(parent.GetDlgItem(id)); }

bool CWnd::DestroyWindow() { return hwnd_ && ::DestroyWindow(hwnd_); }

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

bool CWnd::OnCommand(UINT, UINT, HWND) { return false; }
bool CWnd::OnNotify(NMHDR&, LRESULT&) { return false; }
bool CWnd::OnPaint() { return false; }
bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
bool CWnd::PreCreateWindow(CREATESTRUCTA&) { return true; }
void CWnd::PreSubclassWindow() {}
void CWnd::PostNcDestroy() {}

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

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(hwnd_, GWL_STYLE)); }


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

RECT CWnd::GetClientRect() const {
    RECT rect{};
    if (!::GetClientRect(hwnd_, &rect)) return RECT{};
    return rect;
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    if (!::GetWindowRect(hwnd_, &rect)) return RECT{};
    return rect;
}

bool CWnd::ScreenToClient(POINT& point) const { return ::ScreenToClient(hwnd_, &point); }

bool CWnd::ClientToScreen(POINT& point) const { return ::ClientToScreen(hwnd_, &point); }

LRESULT CWnd::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(hwnd_, message, wParam, lParam);
}

LRESULT CWnd::Ask(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (previousProc_) return ::CallWindowProcA(previousProc_, hwnd_, message, wParam, lParam);
    return Send(message, wParam, lParam);
}

bool CWnd::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageA(hwnd_, message, wParam, lParam);
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

void CWnd::SetFont(HFONT font, bool redraw) { Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw); }

HFONT CWnd::GetFont() const { return reinterpret_cast<HFONT>(Send(WM_GETFONT)); }

namespace {

std::string TextOf(HWND window) {
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

std::string CWnd::GetText() const { return TextOf(hwnd_); }

std::string CWnd::GetDlgItemText(int id) const { return TextOf(GetDlgItem(id)); }

bool CWnd::SetText(const char* text) { return ::SetWindowTextA(hwnd_, text); }

bool CWnd::Invalidate(bool erase) { return ::InvalidateRect(hwnd_, nullptr, erase); }

bool CWnd::InvalidateRect(const RECT& rect, bool erase) { return ::InvalidateRect(hwnd_, &rect, erase); }


bool CWnd::RedrawWindow(const RECT* rect, HRGN region, UINT flags) {
    return ::RedrawWindow(hwnd_, rect, region, flags);
}

bool CWnd::SetTimer(UINT_PTR id, UINT milliseconds) { return ::SetTimer(hwnd_, id, milliseconds, nullptr) != 0; }

bool CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(hwnd_, id); }

std::optional<WINDOWPLACEMENT> CWnd::GetWindowPlacement() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!::GetWindowPlacement(hwnd_, &placement)) return std::nullopt;
    return placement;
}

bool CWnd::SetWindowPlacement(const WINDOWPLACEMENT& placement) {
    WINDOWPLACEMENT copy = placement;
    copy.length = sizeof copy;
    return ::SetWindowPlacement(hwnd_, &copy);
}

bool CWnd::SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    return ::SetWindowPos(hwnd_, insertAfter, x, y, width, height, flags);
}

bool CWnd::MoveWindow(const RECT& rect, bool repaint) {
    return ::MoveWindow(hwnd_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

bool CWnd::CenterWindow() {
    const std::optional<POINT> position = CenteredPosition();
    return position &&
           SetWindowPos(nullptr, position->x, position->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<POINT> CWnd::CenteredPosition() const {
    const RECT window = GetWindowRect();
    return CenteredPosition({window.right - window.left, window.bottom - window.top});
}

std::optional<POINT> CWnd::CenteredPosition(SIZE size) const {
    if (!hwnd_) return std::nullopt;
    const int width = size.cx;
    const int height = size.cy;
    RECT area{};
    RECT bounds{};
    if (GetStyle() & WS_CHILD) {
        HWND parent = ::GetParent(hwnd_);
        ::GetClientRect(parent, &area);
        bounds = area;
    } else {
        HWND owner = ::GetWindow(hwnd_, GW_OWNER);
        const bool ownerShown = owner && ::IsWindowVisible(owner) && !::IsIconic(owner);
        const std::optional<RECT> work = WorkAreaNear(ownerShown ? owner : hwnd_);
        if (!work) return std::nullopt;
        bounds = *work;
        area = bounds;
        if (ownerShown) ::GetWindowRect(owner, &area);
    }
    int left = (area.left + area.right - width) / 2;
    int top = (area.top + area.bottom - height) / 2;
    // Keep the window inside the available area; the top-left corner wins when it is too big.
    if (left + width > bounds.right) left = bounds.right - width;
    if (top + height > bounds.bottom) top = bounds.bottom - height;
    if (left < bounds.left) left = bounds.left;
    if (top < bounds.top) top = bounds.top;
    return POINT{left, top};
}

bool CWnd::ShowWindow(int command) { return ::ShowWindow(hwnd_, command); }

bool CWnd::IsWindowVisible() const { return ::IsWindowVisible(hwnd_); }

HWND CWnd::SetFocus() { return ::SetFocus(hwnd_); }

bool CWnd::SetWindowRgn(Region region, bool redraw) {
    if (!::SetWindowRgn(hwnd_, region.get(), redraw)) return false;
    static_cast<void>(region.release());
    return true;
}

int CWnd::ShowMessageBox(const char* text, UINT type, const char* caption) const {
    if (!caption && CWinApp::Current()) caption = CWinApp::Current()->GetAppName().c_str();
    return ::MessageBoxA(hwnd_, text, caption, type);
}
