#include "CDialog.h"

#include "CWinApp.h"
#include "ResourceLanguage.h"

namespace {

// Everything the dialog does is handled by its subclassed window procedure; the
// dialog manager's own procedure only has to exist.
INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

HWND CDialog::ModalOwner() const {
    const CWnd* owner = parent_;
    if (!owner && CWinApp::Current()) owner = CWinApp::Current()->GetMainWnd();
    if (!owner || !owner->GetSafeHwnd() || owner == this) return nullptr;
    return ::GetAncestor(owner->GetSafeHwnd(), GA_ROOT);
}

bool CDialog::CreateFromTemplate(HWND owner) {
    DialogTemplate dialogTemplate = ResourceLanguage::LoadDialogTemplate(templateId_);
    if (dialogTemplate.empty()) return false;
    PrepareTemplate(dialogTemplate);
    RegisterCommonControls();
    return AttachDuringCreation([owner, &dialogTemplate] {
        return ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), dialogTemplate.get(), owner, &NoDialogProc, 0);
    });
}

INT_PTR CDialog::DoModal() {
    if (GetSafeHwnd()) return -1;
    ended_ = false;
    result_ = -1;

    HWND owner = ModalOwner();
    // EnableWindow answers whether the window was disabled before: an owner that a
    // dialog further out already disabled stays disabled afterwards.
    const bool ownerWasEnabled = owner && !::EnableWindow(owner, FALSE);
    if (CreateFromTemplate(owner)) {
        if (!ended_ && !IsWindowVisible()) ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
    }
    // The owner first, so that activation can go back to it when the dialog disappears.
    if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
    if (GetSafeHwnd()) DestroyWindow();
    return result_;
}

void CDialog::RunModalLoop() {
    while (!ended_ && GetSafeHwnd()) {
        MSG message{};
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) return;
        if (got == 0) {
            // Leave WM_QUIT to the loop further out.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (WalkPreTranslateTree(message, GetSafeHwnd())) continue;
        if (GetSafeHwnd() && ::IsDialogMessageA(GetSafeHwnd(), &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

void CDialog::EndDialog(INT_PTR result) {
    result_ = result;
    ended_ = true;
    // Wakes the loop should it be waiting with nothing posted.
    if (GetSafeHwnd()) Post(WM_NULL);
}

bool CDialog::OnInitDialog() {
    DoDataExchange();
    return true;
}

void CDialog::DoDataExchange() {}

void CDialog::PrepareTemplate(DialogTemplate&) {}

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::BindControl(int id, CWnd& control) {
    return control.GetSafeHwnd() || control.SubclassDlgItem(id, *this);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog() ? TRUE : FALSE;
    return CWnd::WindowProc(message, wParam, lParam);
}

bool CDialog::OnCommand(UINT id, UINT code, HWND) {
    // Buttons, menus and the dialog's own Enter and Esc all come with code 0.
    if (code != BN_CLICKED) return false;
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}
