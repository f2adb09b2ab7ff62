#pragma once
#include <string>

#include "CStatic.h"
#include "CToolTipCtrl.h"
#include "GdiObjects.h"
#include "UserHandles.h"

// A static text control of a dialog turned into a link: its text underlined in the
// link colour on the dialog's background, a pointing hand over it and a tooltip with
// its address. A click, or Space while it has the focus, opens the address with the
// system's handler for it; an opened link turns the visited colour, a failure is
// told in a message box. Attach it to the dialog's control with SubclassDlgItem.
class CHyperLink : public CStatic {
public:
    static constexpr COLORREF kLinkColor = RGB(0, 0, 255);
    static constexpr COLORREF kVisitedColor = RGB(128, 0, 128);

    CHyperLink() = default;
    // Also gives up the pointing hand that all links share.
    ~CHyperLink() override;

    // Once attached, both re-fit the control to its text; only the address changes the tooltip.
    void SetAddress(const std::string& address);
    void SetLinkText(const std::string& text);

    bool PreTranslateMessage(MSG& message) override;

    // What the user is told when opening failed with a shell result code.
    static std::string ErrorText(INT_PTR code);
    // A command line registered for web pages, cut at its "%1" placeholder, with the address.
    static std::string CommandWithAddress(const std::string& commandLine, const std::string& address);

protected:
    // Hands the address to the system: the shell, else the program registered for
    // ".htm". Above 32 is success; otherwise a shell error code.
    virtual INT_PTR OpenAddress(const std::string& address);

    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void FollowLink();
    void FitToText();
    void OnMouseMove(POINT point);
    bool Contains(POINT point) const;
    // The pointing hand at the cursor size of that many pixels an inch.
    static void LoadSharedCursor(UINT dpi);

    bool fitsText_ = true;  // the control is sized to its text, in its own underlined font
    bool armed_ = false;
    bool over_ = false;
    bool visited_ = false;
    std::string address_;
    Font linkFont_;
    CToolTipCtrl toolTip_;

    inline static Cursor sharedCursor_;
};
