#pragma once
#include "CWnd.h"
#include "DialogTemplate.h"

// A dialog built from a template resource in the language the program chose at
// start. DoModal runs the dialog's own message loop: every message is first offered
// to PreTranslateMessage of its target window and the target's ancestors up to the
// dialog, then to the dialog's keyboard handling (Tab, Esc = IDCANCEL, mnemonics),
// and only then translated and dispatched.
class CDialog : public CWnd {
public:
    // Without a parent the dialog is owned by the application's main window.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // The result given to EndDialog, or -1 when the dialog could not be created or its
    // window was destroyed without EndDialog. The owner is disabled meanwhile; at the
    // end the window is destroyed through the virtual DestroyWindow.
    virtual INT_PTR DoModal();
    // Ends the modal loop after the message being handled.
    void EndDialog(INT_PTR result);

protected:
    // Changes the copy of the template the dialog is about to be made from.
    virtual void PrepareTemplate(DialogTemplate& dialogTemplate);
    // Called once the controls exist; the base runs DoDataExchange. True lets the
    // system focus the first control; false means the focus was set here.
    virtual bool OnInitDialog();
    // Binds controls to member objects (BindControl).
    virtual void DoDataExchange();
    virtual void OnOK();
    virtual void OnCancel();

    // Subclasses the dialog's control id with the object, unless it is bound already.
    bool BindControl(int id, CWnd& control);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    HWND ModalOwner() const;
    bool CreateFromTemplate(HWND owner);
    void RunModalLoop();

    UINT templateId_;
    CWnd* parent_;
    bool ended_ = false;
    INT_PTR result_ = -1;
};
