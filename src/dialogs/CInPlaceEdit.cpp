#include "CInPlaceEdit.h"

#include <algorithm>
#include <memory>
#include <new>
#include <utility>

#include "CListCtrl.h"
#include "DeviceContexts.h"

namespace {

constexpr int kMinimumColumnWidth = 5;
constexpr int kCellInset = 4;
constexpr int kTextSlack = 5;
constexpr UINT kFirstControlId = 1001;

int ItemCount(HWND list) { return static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

int CountPerPage(HWND list) { return static_cast<int>(::SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0)); }

HFONT FontOf(HWND window) { return reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0)); }

// An owner's answer may open a box elsewhere, which takes the focus from this one and so
// destroys it and its object: after every message to the owner, the box checks through
// its saved handle that it is still there before it touches itself again.
bool Exists(HWND box) { return ::IsWindow(box) != FALSE; }

DWORD AlignmentOf(int columnFormat) {
    switch (columnFormat & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return ES_RIGHT;
    case LVCFMT_CENTER:
        return ES_CENTER;
    default:
        return ES_LEFT;
    }
}

}  // namespace

const CInPlaceEdit::Messages& CInPlaceEdit::Protocol() {
    static const Messages messages{
        ::RegisterWindowMessageA("EditSubItem"),  ::RegisterWindowMessageA("EditPrevItem"),
        ::RegisterWindowMessageA("EditNextItem"), ::RegisterWindowMessageA("EditLeftItem"),
        ::RegisterWindowMessageA("EditRightItem"),
    };
    return messages;
}

CInPlaceEdit::CInPlaceEdit(int row, int column, std::string initialText)
    : row_(row), column_(column), initialText_(std::move(initialText)) {
    Protocol();
}

CInPlaceEdit* CInPlaceEdit::Open(CListCtrl& list, int row, int column, HFONT font) {
    // An open box ends here, before the new one exists.
    list.SetFocus();
    if (!list.EnsureVisible(row, true)) return nullptr;
    if (column < 0 || column >= list.GetColumnCount() || list.GetColumnWidth(column) < kMinimumColumnWidth) {
        return nullptr;
    }

    int offset = 0;
    for (int left = 0; left < column; ++left) offset += list.GetColumnWidth(left);
    const std::optional<RECT> bounds = list.GetItemRect(row, LVIR_BOUNDS);
    if (!bounds) return nullptr;
    // Brings the cell's left edge to the list's left edge when it lies outside.
    const int cellLeft = bounds->left + offset;
    if (cellLeft < 0 || cellLeft > list.GetClientRect().right) list.Scroll(SIZE{cellLeft, 0});

    const DWORD alignment = AlignmentOf(list.GetColumnFormat(column).value_or(LVCFMT_LEFT));
    std::optional<RECT> cell = list.GetSubItemRect(row, column, LVIR_LABEL);
    if (!cell) return nullptr;
    if (column != 0) {
        cell->left += kCellInset;
        cell->right -= kCellInset;
    }

    std::unique_ptr<CInPlaceEdit> box;
    try {
        box.reset(new CInPlaceEdit(row, column, list.GetItemText(row, column)));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    if (!box->Create(alignment | WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, *cell, list,
                     kFirstControlId + static_cast<UINT>(column))) {
        return nullptr;
    }
    // From here the window owns the object.
    box->deleteWithWindow_ = true;
    CInPlaceEdit* opened = box.release();
    if (font) opened->SetFont(font, true);
    return opened;
}

HWND CInPlaceEdit::GetOwner() const { return owner_ ? owner_ : GetParent(); }

LRESULT CInPlaceEdit::SendToOwner(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(GetOwner(), message, wParam, lParam);
}

bool CInPlaceEdit::PreTranslateMessage(MSG& message) {
    if (message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
        return true;
    }
    return CEdit::PreTranslateMessage(message);
}

LRESULT CInPlaceEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(wParam, lParam);
    case WM_KILLFOCUS:
        return OnKillFocus(wParam, lParam);
    case WM_GETDLGCODE:
        return DefaultProc(message, wParam, lParam) | DLGC_WANTARROWS | DLGC_WANTTAB;
    case WM_KEYDOWN:
        return OnKeyDown(wParam, lParam);
    case WM_KEYUP:
        return OnKeyUp(wParam, lParam);
    case WM_CHAR:
        return OnChar(wParam, lParam);
    default:
        return CEdit::WindowProc(message, wParam, lParam);
    }
}

void CInPlaceEdit::PostNcDestroy() {
    if (deleteWithWindow_) delete this;
}

LRESULT CInPlaceEdit::OnCreate(WPARAM wParam, LPARAM lParam) {
    if (DefaultProc(WM_CREATE, wParam, lParam) == -1) return -1;
    const HWND list = List();
    SetFont(FontOf(list));
    SetText(initialText_.c_str());
    SetFocus();
    SetSel(0, -1);
    ScrollCaret();
    return 0;
}

LRESULT CInPlaceEdit::OnKillFocus(WPARAM wParam, LPARAM lParam) {
    const HWND self = GetSafeHwnd();
    DefaultProc(WM_KILLFOCUS, wParam, lParam);
    NotifyEnd();
    if (Exists(self)) DestroyWindow();
    return 0;
}

LRESULT CInPlaceEdit::OnKeyDown(WPARAM key, LPARAM lParam) {
    const HWND self = GetSafeHwnd();
    switch (key) {
    case VK_HOME:
    case VK_END:
        if (::GetKeyState(VK_CONTROL) < 0) {
            const int target = key == VK_HOME ? 0 : ItemCount(List()) - 1;
            if (SendToOwner(Protocol().editSubItem, static_cast<WPARAM>(target), column_) || !Exists(self)) return 0;
        }
        break;
    case VK_UP:
        MoveVertically(Protocol().editPrevItem);
        return 0;
    case VK_DOWN:
        MoveVertically(Protocol().editNextItem);
        return 0;
    default:
        break;
    }
    return DefaultProc(WM_KEYDOWN, key, lParam);
}

void CInPlaceEdit::MoveVertically(UINT message) {
    POINT caret{};
    ::GetCaretPos(&caret);
    const LRESULT answer = SendToOwner(message, static_cast<WPARAM>(row_), column_);
    // This box may be gone now. The answer is used only when it is the box that took the focus.
    if (!answer) return;
    auto* next = dynamic_cast<CInPlaceEdit*>(FromHandlePermanent(::GetFocus()));
    if (!next || next != reinterpret_cast<CInPlaceEdit*>(answer)) return;
    const int index = next->CharFromPos(caret);
    next->SetSel(index, index);
    next->ScrollCaret();
}

LRESULT CInPlaceEdit::OnKeyUp(WPARAM key, LPARAM lParam) {
    if (key == VK_PRIOR || key == VK_NEXT) {
        const HWND self = GetSafeHwnd();
        const HWND list = List();
        const int target = key == VK_PRIOR ? std::max(row_ - CountPerPage(list), 0)
                                           : std::min(row_ + CountPerPage(list), ItemCount(list) - 1);
        if (SendToOwner(Protocol().editSubItem, static_cast<WPARAM>(target), column_) || !Exists(self)) return 0;
    }
    return DefaultProc(WM_KEYUP, key, lParam);
}

LRESULT CInPlaceEdit::OnChar(WPARAM character, LPARAM lParam) {
    const HWND self = GetSafeHwnd();
    switch (character) {
    case VK_TAB: {
        const UINT message = ::GetKeyState(VK_SHIFT) < 0 ? Protocol().editLeftItem : Protocol().editRightItem;
        if (SendToOwner(message, static_cast<WPARAM>(row_), column_)) return 0;
        break;
    }
    case VK_RETURN:
        NotifyEnd();
        if (!Exists(self) || SendToOwner(Protocol().editNextItem, static_cast<WPARAM>(row_), column_)) return 0;
        break;
    case VK_ESCAPE:
        cancelled_ = true;
        // The box ends as it loses the focus; should the list refuse it, it ends here.
        ::SetFocus(List());
        if (Exists(self) && ::GetFocus() == self) DestroyWindow();
        return 0;
    default:
        break;
    }
    if (!Exists(self)) return 0;
    const LRESULT result = DefaultProc(WM_CHAR, character, lParam);
    WidenToText();
    return result;
}

void CInPlaceEdit::NotifyEnd() {
    if (cancelled_) return;
    std::string text = GetText();
    const HWND list = List();
    NMLVDISPINFOA info{};
    info.hdr.hwndFrom = list;
    info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    info.hdr.code = LVN_ENDLABELEDITA;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = row_;
    info.item.iSubItem = column_;
    info.item.pszText = text.data();
    info.item.cchTextMax = static_cast<int>(text.size());
    SendToOwner(WM_NOTIFY, static_cast<WPARAM>(::GetDlgCtrlID(list)), reinterpret_cast<LPARAM>(&info));
}

void CInPlaceEdit::WidenToText() {
    const HWND self = GetSafeHwnd();
    const HWND list = List();
    const std::string text = GetText();
    SIZE extent{};
    {
        ClientDC dc(self);
        SelectedObject font(dc.get(), FontOf(list));
        ::GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    RECT client = GetClientRect();
    const int wanted = extent.cx + kTextSlack;
    if (client.right - client.left >= wanted) return;

    // In the list's coordinates: the client area grows to the text, the border stays
    // around it, and the box never reaches past the list's client area nor shrinks.
    ::MapWindowPoints(self, list, reinterpret_cast<POINT*>(&client), 2);
    RECT window = GetWindowRect();
    ::MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&window), 2);
    RECT listClient{};
    ::GetClientRect(list, &listClient);
    const LONG rightBorder = window.right - client.right;
    const LONG right = std::min(client.left + wanted + rightBorder, listClient.right);
    if (right <= window.right) return;
    SetWindowPos(nullptr, window.left, window.top, right - window.left, window.bottom - window.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}
