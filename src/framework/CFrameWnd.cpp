#include "CFrameWnd.h"

#include "CWinApp.h"

bool CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent) {
    resourceId_ = resourceId;
    const char* title = CWinApp::Current() ? CWinApp::Current()->GetAppName().c_str() : "";
    return CreateEx(0, nullptr, title, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    parent ? parent->GetSafeHwnd() : nullptr, nullptr);
}

bool CFrameWnd::PreCreateWindow(CREATESTRUCTA& create) {
    if (create.lpszClass) return true;
    if (!RegisterFrameClass(create.hInstance)) return false;
    create.lpszClass = className_.c_str();
    return true;
}

bool CFrameWnd::RegisterFrameClass(HINSTANCE instance) {
    className_ = "Wispane.Frame." + std::to_string(resourceId_);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (::GetClassInfoExA(instance, className_.c_str(), &windowClass)) return true;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &WindowProcThunk;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(resourceId_));
    // The small icon from the resource too: without it the system scales the large one.
    windowClass.hIconSm = static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(resourceId_), IMAGE_ICON,
                                                          ::GetSystemMetrics(SM_CXSMICON),
                                                          ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = className_.c_str();
    return ::RegisterClassExA(&windowClass) != 0;
}
