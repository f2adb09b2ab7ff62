// How a CWnd comes to its window: created through the object (our own classes bind at
// WM_NCCREATE, others through a creation hook before their first message) or an
// existing window subclassed.
#include "CWnd.h"

#include <utility>

namespace {

HINSTANCE ProgramInstance() { return ::GetModuleHandleA(nullptr); }

// The input method's default window may be born on this thread before the window
// being created; it is never ours.
bool IsImeWindow(HWND window) {
    if (::GetClassLongPtrA(window, GCL_STYLE) & CS_IME) return true;
    char className[8] = {};
    ::GetClassNameA(window, className, sizeof className);
    return ::lstrcmpiA(className, "IME") == 0;
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
