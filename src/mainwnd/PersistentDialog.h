#pragma once
#include <optional>
#include <string>

#include "CDialog.h"
#include "GdiObjects.h"
#include "SettingsFile.h"

// A dialog that keeps its font and placement in the application's settings file,
// under a section of its own, and lets a subclass keep further options there
// through four hooks. The dialog and its controls use a private font object, so
// the font can change at run time and is released safely.
class PersistentDialog : public CDialog {
public:
    PersistentDialog(UINT templateId, CWnd* parent);
    ~PersistentDialog() override;

    // Saves everything, gives the window back its initial font, then destroys it.
    bool DestroyWindow() override;

    // The font the dialog uses: its own, or the window's when it has none.
    HFONT GetDialogFont() const;

protected:
    bool OnInitDialog() override;
    // Saves when the session ends: the process does not live to leave its loop then.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Called by RestoreState once the window is topmost; zero makes the base show it.
    virtual int LoadSettings();
    // The last step of StoreState: writes the subclass's keys into the save under way.
    virtual void SaveSettings(SettingsFile& settings);
    // The first step of RestoreState.
    virtual void BeforeRestore();

    // The window moved to a monitor of other pixels an inch, or that monitor's scale
    // changed: the base makes the font again for `dpi` and takes the rectangle the
    // system suggests.
    virtual void OnDpiChanged(UINT dpi, const RECT& suggested);
    // The own font made again for `dpi`, from the font as read or chosen.
    void FollowDpi(UINT dpi);
    // The pixels an inch of the monitor the window is on, as last told.
    UINT WindowDpi() const { return dpi_; }

    // Whether a stored font can show the dialog; an unusable one is ignored like an
    // incomplete "Font" value. The base takes every font.
    virtual bool IsUsableFont(HFONT font);

    // Reads font and placement, centres the window when no placement was stored,
    // makes it topmost and lets the subclass read its options.
    void RestoreState();
    // Writes font, placement and the subclass's options, all in one safe save of
    // the settings file (SaveSafely); false when the file was not written.
    bool StoreState();
    enum class FontChoice { Cancelled, Chosen, Refused };
    // The font dialog on the font in use. A font chosen that IsUsableFont refuses
    // is not taken: the font in use stays.
    FontChoice ChooseDialogFont();
    void ToggleTopmost();
    // Whether the window was last made topmost.
    bool IsTopmost() const { return topmost_; }

    // The settings file of the application, at this dialog's section.
    SettingsFile Settings() const;
    // The application's settings file; empty without an application.
    static std::string SettingsFilePath();

    std::string sectionName = "DialogEx";
    WINDOWPLACEMENT placement{};
    bool placementRead = false;
    bool dirty = false;
    Font ownFont;
    HFONT initialFont = nullptr;  // not owned
    LOGFONTA logicalFont{};

    // Makes `font` the own font, on the window and all its descendants; the previous
    // own font is released afterwards.
    void UseOwnFont(Font font);

private:
    // The own font becomes the font in use and the one to save.
    void DescribeOwnFont();
    // The font in use, at the window's pixels an inch, becomes the one to save.
    void RememberFont();
    // The face the system made of the own font: the font dialog finds a face only by
    // a name it lists, and a substitute name such as "MS Shell Dlg" is none of them.
    std::string FaceInUse() const;
    // Moves the window to the position too, when there is one.
    void SetTopmost(bool on, std::optional<POINT> position = std::nullopt);

    // Kept here rather than read back from WS_EX_TOPMOST: Wine leaves that bit set
    // on a popup without caption whatever it is told.
    bool topmost_ = false;
    // The pixels an inch the own font is made for, and the font as read or chosen
    // as a size at 96, which "Font" stores.
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    LOGFONTA fontAt96_{};
};
