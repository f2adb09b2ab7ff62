#include "CHyperLink.h"

#include <cstring>
#include <optional>

#include "DelayLoaded.h"
#include "DeviceContexts.h"
#include "MonitorDpi.h"
#include "ResourceLanguage.h"
#include "UniqueHandle.h"
#include "WindowGeometry.h"
#include "resource.h"

namespace {

constexpr UINT_PTR kToolId = 1;
// The pointing hand of the help program of older Windows.
constexpr WORD kHelpProgramHand = 106;

struct LibraryTraits {
    using Handle = HMODULE;
    static void Close(HMODULE module) { ::FreeLibrary(module); }
};
using Library = UniqueHandle<LibraryTraits>;

// The default value of a key under HKEY_CLASSES_ROOT.
std::optional<std::string> ClassesRootValue(const std::string& key) {
    LONG size = 0;
    if (::RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, &size) != ERROR_SUCCESS || size <= 0) {
        return std::nullopt;
    }
    std::string value(static_cast<size_t>(size), '\0');
    if (::RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), value.data(), &size) != ERROR_SUCCESS) return std::nullopt;
    value.resize(std::strlen(value.c_str()));
    return value;
}

// The offset of the first `what` in `text` that starts on a character, or npos.
size_t FindOnCharacter(const std::string& text, const char* what) {
    const size_t length = std::strlen(what);
    for (const char* at = text.c_str(); *at; at = ::CharNextA(at)) {
        if (std::strncmp(at, what, length) == 0) return static_cast<size_t>(at - text.c_str());
    }
    return std::string::npos;
}

// A cursor of a module (null: the system's) at the cursor size of that many pixels an inch.
Cursor LoadCursorForDpi(HMODULE module, LPCSTR name, UINT dpi) {
    return Cursor(static_cast<HCURSOR>(::LoadImageA(module, name, IMAGE_CURSOR, SystemMetricForDpi(SM_CXCURSOR, dpi),
                                                    SystemMetricForDpi(SM_CYCURSOR, dpi), 0)));
}

}  // namespace

CHyperLink::~CHyperLink() { sharedCursor_.reset(); }

void CHyperLink::SetAddress(const std::string& address) {
    address_ = address;
    if (!GetSafeHwnd()) return;
    ShowWindow(SW_HIDE);
    FitToText();
    toolTip_.UpdateTipText(address_.c_str(), GetSafeHwnd(), kToolId);
    ShowWindow(SW_SHOW);
}

void CHyperLink::SetLinkText(const std::string& text) {
    if (!GetSafeHwnd()) return;
    // Hidden meanwhile, so the dialog repaints what the old text covered.
    ShowWindow(SW_HIDE);
    SetText(text.c_str());
    FitToText();
    ShowWindow(SW_SHOW);
}

bool CHyperLink::PreTranslateMessage(MSG& message) {
    if (toolTip_.GetSafeHwnd()) toolTip_.RelayEvent(message);
    return CStatic::PreTranslateMessage(message);
}

std::string CHyperLink::ErrorText(INT_PTR code) {
    std::optional<std::string> reason;
    if (code >= 0 && code <= 32) {
        reason = ResourceLanguage::LoadStringResource(IDS_LINK_ERROR_BASE + static_cast<UINT>(code));
    }
    if (!reason) {
        reason = ResourceLanguage::LoadStringOrEmpty(IDS_LINK_UNKNOWN_ERROR);
        if (const size_t at = reason->find("%d"); at != std::string::npos) {
            reason->replace(at, 2, std::to_string(code));
        }
    }
    return ResourceLanguage::LoadStringOrEmpty(IDS_LINK_CANT_OPEN) + *reason;
}

std::string CHyperLink::CommandWithAddress(const std::string& commandLine, const std::string& address) {
    std::string command = commandLine;
    size_t cut = FindOnCharacter(command, "\"%1\"");
    if (cut == std::string::npos) cut = FindOnCharacter(command, "%1");
    if (cut != std::string::npos) command.resize(cut);
    return command + " " + address;
}

INT_PTR CHyperLink::OpenAddress(const std::string& address) {
    const INT_PTR shell = ShellOpen(address.c_str(), SW_SHOW);
    if (shell > 32) return shell;
    const std::optional<std::string> pageClass = ClassesRootValue(".htm");
    const std::optional<std::string> command =
        pageClass ? ClassesRootValue(*pageClass + "\\shell\\open\\command") : std::nullopt;
    if (!command) return shell;
    return ::WinExec(CommandWithAddress(*command, address).c_str(), SW_SHOW);
}

void CHyperLink::FollowLink() {
    const INT_PTR result = OpenAddress(address_);
    if (result > 32) {
        visited_ = true;
        Invalidate();
        return;
    }
    ::MessageBeep(MB_ICONEXCLAMATION);
    ShowMessageBox(ErrorText(result).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void CHyperLink::PreSubclassWindow() {
    const std::string text = GetText();
    if (address_.empty()) address_ = text;
    if (text.empty()) SetText(address_.c_str());

    std::optional<LOGFONTA> description = Font::Describe(GetFont());
    if (description) {
        description->lfUnderline = TRUE;
        linkFont_ = Font::Create(*description);
    }
    if (linkFont_) {
        SetFont(linkFont_.get(), true);
        FitToText();
    } else {
        fitsText_ = false;
    }

    LoadSharedCursor(DpiOfWindow(GetSafeHwnd()));
    if (toolTip_.Create(GetSafeHwnd(), 0)) {
        toolTip_.AddTool(GetSafeHwnd(), address_.c_str(), GetClientRect(), kToolId);
    }
    CStatic::PreSubclassWindow();
}

void CHyperLink::FitToText() {
    if (!fitsText_) return;
    RECT window = WindowRectIn(GetSafeHwnd(), GetParent());
    const RECT client = GetClientRect();
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int borderWidth = width - client.right;
    const int borderHeight = height - client.bottom;

    SIZE text{};
    {
        const std::string content = GetText();
        ClientDC dc(GetSafeHwnd());
        if (!dc) return;
        SelectedObject font(dc.get(), linkFont_.get());
        if (!::GetTextExtentPoint32A(dc.get(), content.c_str(), static_cast<int>(content.size()), &text)) return;
    }

    const DWORD style = GetStyle();
    if (style & SS_CENTERIMAGE) {
        const int margin = (height - text.cy) / 2;
        window.top += margin;
        window.bottom -= margin;
    } else {
        window.bottom = window.top + text.cy;
    }
    if (style & SS_CENTER) {
        const int margin = (width - text.cx) / 2;
        window.left += margin;
        window.right -= margin;
    } else if (style & SS_RIGHT) {
        window.left = window.right - text.cx;
    } else {
        window.right = window.left + text.cx;
    }
    SetWindowPos(nullptr, window.left, window.top, window.right - window.left + borderWidth,
                 window.bottom - window.top + borderHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CHyperLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        // A static control is otherwise transparent to the mouse.
        return HTCLIENT;
    case WM_SETCURSOR:
        if (sharedCursor_) {
            ::SetCursor(sharedCursor_.get());
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE:
        OnMouseMove({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case WM_CAPTURECHANGED:
        // Taken by another window (a message box): the pointer is no longer followed.
        over_ = false;
        break;
    case WM_LBUTTONDOWN:
        SetFocus();
        armed_ = true;
        return 0;
    case WM_LBUTTONUP:
        // Under the capture a release outside the link comes here as well: it opens nothing.
        if (armed_ && Contains({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))})) {
            FollowLink();
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            FollowLink();
            return 0;
        }
        break;
    case WM_SETFOCUS:
        armed_ = true;
        Invalidate();
        break;
    case WM_KILLFOCUS:
        over_ = false;
        armed_ = false;
        Invalidate();
        break;
    default:
        break;
    }
    return CStatic::WindowProc(message, wParam, lParam);
}

bool CHyperLink::Contains(POINT point) const {
    const RECT client = GetClientRect();
    return ::PtInRect(&client, point) != FALSE;
}

void CHyperLink::OnMouseMove(POINT point) {
    if (!over_) {
        over_ = true;
        ::SetCapture(GetSafeHwnd());
    } else if (!Contains(point)) {
        over_ = false;
        ::ReleaseCapture();
    }
}

bool CHyperLink::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_CTLCOLORSTATIC) return false;
    auto dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, visited_ ? kVisitedColor : kLinkColor);
    ::SetBkMode(dc, TRANSPARENT);
    // The hollow brush lets the dialog's background show through.
    result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
    return true;
}

void CHyperLink::LoadSharedCursor(UINT dpi) {
    if (sharedCursor_) return;
    char windows[MAX_PATH] = {};
    const UINT length = ::GetWindowsDirectoryA(windows, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::string helpProgram = std::string(windows) + "\\winhlp32.exe";
        // Only its resources are wanted: nothing of it runs.
        Library library(::LoadLibraryExA(helpProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        if (library) sharedCursor_ = LoadCursorForDpi(library.get(), MAKEINTRESOURCEA(kHelpProgramHand), dpi);
    }
    // Current Windows has no help program there: the system's own pointing hand.
    if (!sharedCursor_) sharedCursor_ = LoadCursorForDpi(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND), dpi);
}
