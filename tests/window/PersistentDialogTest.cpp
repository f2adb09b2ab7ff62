// The dialog base that keeps font and placement in the settings file: restoring
// (font on every control, centring, topmost, the subclass's hook), saving, and the
// font dialog.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "CWinApp.h"
#include "FrameworkTestResources.h"
#include "GdiObjects.h"
#include "PersistentDialog.h"
#include "TestPlatform.h"
#include "WindowTestSupport.h"

using window_test::Scripted;

namespace {

constexpr INT_PTR kDone = 7;

class TestDialog : public Scripted<PersistentDialog> {
public:
    TestDialog() : Scripted(IDD_TEST_DIALOG, nullptr) {}

    int loadResult = 1;
    bool visibleAfterInit = false;

    using PersistentDialog::ChooseDialogFont;
    using PersistentDialog::FontChoice;
    using PersistentDialog::placementRead;
    using PersistentDialog::StoreState;

protected:
    bool OnInitDialog() override {
        const bool result = Scripted::OnInitDialog();
        visibleAfterInit = IsWindowVisible();
        return result;
    }
    int LoadSettings() override { return loadResult; }
};

// The application object: the settings file of every PersistentDialog.
class PersistentDialogTest : public ::testing::Test {
protected:
    PersistentDialogTest() { app_.SetProfileName(folder_.File("settings.ini")); }

    void Store(const std::string& lines) { folder_.Write("settings.ini", "[DialogEx]\r\n" + lines); }
    std::string Stored() const { return folder_.Read("settings.ini"); }
    std::string Value(const char* key) const {
        char value[512] = {};
        ::GetPrivateProfileStringA("DialogEx", key, "", value, sizeof value, folder_.File("settings.ini").c_str());
        return value;
    }

    // A dialog's own WM_GETFONT keeps the template's font under Wine: controls tell
    // what the dialog really uses.
    static HFONT FontHandleOf(HWND window) { return reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0)); }
    static LOGFONTA FontOf(HWND window) { return Font::Describe(FontHandleOf(window)).value_or(LOGFONTA{}); }

    TempDir folder_;
    CWinApp app_;
};

TEST_F(PersistentDialogTest, ZeroFromLoadSettingsMakesTheBaseShowTheWindow) {
    for (int loadResult : {0, 1}) {
        TestDialog dialog;
        dialog.loadResult = loadResult;
        dialog.ThenEnd(kDone);
        ASSERT_EQ(dialog.DoModal(), kDone);
        EXPECT_EQ(dialog.visibleAfterInit, loadResult == 0) << "LoadSettings returned " << loadResult;
    }
}

TEST_F(PersistentDialogTest, WithoutStoredPlacementTheWindowIsCentredAndTopmost) {
    TestDialog dialog;
    dialog.Then([&] {
        EXPECT_FALSE(dialog.placementRead);
        EXPECT_TRUE(::GetWindowLongPtrA(dialog.GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        const RECT window = dialog.GetWindowRect();
        RECT area{};
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        EXPECT_LE(std::abs((window.left + window.right) - (area.left + area.right)), 2);
        EXPECT_LE(std::abs((window.top + window.bottom) - (area.top + area.bottom)), 2);
    });
    dialog.ThenEnd(kDone);
    EXPECT_EQ(dialog.DoModal(), kDone);
}

TEST_F(PersistentDialogTest, AStoredPlacementIsReadForTheSubclassToApply) {
    Store("WindowPos=0:1:-1:-1:-1:-1:10:20:30:40\r\n");
    TestDialog dialog;
    dialog.Then([&] { EXPECT_TRUE(dialog.placementRead); });
    dialog.ThenEnd(kDone);
    EXPECT_EQ(dialog.DoModal(), kDone);
}

TEST_F(PersistentDialogTest, AStoredFontIsUsedByTheDialogAndEveryControl) {
    Store("Font=-20,0,0,0,700,1,0,0,0,0,0,0,0\r\nFontFace=Tahoma\r\n");
    TestDialog dialog;
    dialog.Then([&] {
        for (HFONT handle : {dialog.GetDialogFont(), FontHandleOf(dialog.GetDlgItem(IDC_TEST_EDIT))}) {
            const LOGFONTA font = Font::Describe(handle).value_or(LOGFONTA{});
            EXPECT_EQ(font.lfHeight, -20);
            EXPECT_EQ(font.lfWeight, 700);
            EXPECT_EQ(font.lfItalic, 1);
            EXPECT_STREQ(font.lfFaceName, "Tahoma");
        }
    });
    dialog.ThenEnd(kDone);
    ASSERT_EQ(dialog.DoModal(), kDone);
    EXPECT_EQ(Value("Font"), "-20,0,0,0,700,1,0,0,0,0,0,0,0");
    EXPECT_EQ(Value("FontFace"), "Tahoma");
}

TEST_F(PersistentDialogTest, AnIncompleteFontIsIgnoredWithItsFace) {
    Store("Font=-20,0,0,0,700,1,0,0,0,0,0,0\r\nFontFace=Tahoma\r\n");
    LOGFONTA templateFont{};
    TestDialog dialog;
    dialog.Then([&] { templateFont = FontOf(dialog.GetDlgItem(IDC_TEST_EDIT)); });
    dialog.ThenEnd(kDone);
    ASSERT_EQ(dialog.DoModal(), kDone);
    EXPECT_NE(templateFont.lfHeight, -20);
    EXPECT_STRNE(templateFont.lfFaceName, "Tahoma");
    EXPECT_EQ(Value("FontFace"), templateFont.lfFaceName) << "the save writes the font in use";
    EXPECT_EQ(Value("Font").rfind(std::to_string(templateFont.lfHeight) + ",", 0), 0u) << Value("Font");
}

TEST_F(PersistentDialogTest, EverySaveWritesFontFaceAndPlacementInThisOrder) {
    TestDialog dialog;
    dialog.Then([&] { dialog.StoreState(); });
    dialog.ThenEnd(kDone);
    ASSERT_EQ(dialog.DoModal(), kDone);
    const std::string stored = Stored();
    const size_t font = stored.find("Font=");
    const size_t face = stored.find("FontFace=");
    const size_t placement = stored.find("WindowPos=");
    ASSERT_NE(placement, std::string::npos) << stored;
    EXPECT_LT(font, face);
    EXPECT_LT(face, placement);
}

TEST_F(PersistentDialogTest, TheEndOfTheSessionSavesAtOnce) {
    TestDialog dialog;
    dialog.Then([&] {
        dialog.Send(WM_QUERYENDSESSION, 0, 0);
        EXPECT_EQ(Value("FontFace"), "") << "nothing is saved before the session really ends";
        dialog.Send(WM_ENDSESSION, TRUE, 0);
        EXPECT_NE(Value("FontFace"), "");
        EXPECT_NE(Value("WindowPos"), "");
    });
    dialog.ThenEnd(kDone);
    EXPECT_EQ(dialog.DoModal(), kDone);
}

// Presses a button of the font dialog once it shows: a thread timer, as the dialog
// runs a modal loop of its own.
class FontDialogDriver {
public:
    explicit FontDialogDriver(int button) {
        button_ = button;
        timer_ = ::SetTimer(nullptr, 0, 50, &Press);
    }
    ~FontDialogDriver() { ::KillTimer(nullptr, timer_); }
    FontDialogDriver(const FontDialogDriver&) = delete;
    FontDialogDriver& operator=(const FontDialogDriver&) = delete;

private:
    static BOOL CALLBACK PressIfFontDialog(HWND window, LPARAM) {
        char className[16] = {};
        ::GetClassNameA(window, className, sizeof className);
        if (std::strcmp(className, "#32770") != 0 || !::IsWindowVisible(window) || !::GetDlgItem(window, IDOK)) {
            return TRUE;
        }
        ::PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(button_), 0);
        return FALSE;
    }
    static void CALLBACK Press(HWND, UINT, UINT_PTR, DWORD) {
        ::EnumThreadWindows(::GetCurrentThreadId(), &PressIfFontDialog, 0);
    }

    static inline int button_ = IDCANCEL;
    UINT_PTR timer_;
};

TEST_F(PersistentDialogTest, ACancelledFontDialogChangesNothing) {
    Store("Font=-20,0,0,0,700,1,0,0,0,0,0,0,0\r\nFontFace=Tahoma\r\n");
    TestDialog dialog;
    bool chosen = true;
    dialog.Then([&] {
        FontDialogDriver cancel(IDCANCEL);
        chosen = dialog.ChooseDialogFont() == TestDialog::FontChoice::Chosen;
    });
    dialog.ThenEnd(kDone);
    ASSERT_EQ(dialog.DoModal(), kDone);
    EXPECT_FALSE(chosen);
    EXPECT_EQ(Value("Font"), "-20,0,0,0,700,1,0,0,0,0,0,0,0");
    EXPECT_EQ(Value("FontFace"), "Tahoma");
}

TEST_F(PersistentDialogTest, AChosenFontTakesTheSystemsCharacterSet) {
    // A Latin font with the Western character set, chosen on any system.
    Store("Font=-20,0,0,0,400,0,0,0,0,0,0,0,0\r\nFontFace=Tahoma\r\n");
    TestDialog dialog;
    bool chosen = false;
    BYTE characterSet = 0xFF;
    dialog.Then([&] {
        FontDialogDriver confirm(IDOK);
        chosen = dialog.ChooseDialogFont() == TestDialog::FontChoice::Chosen;
        characterSet = FontOf(dialog.GetDlgItem(IDC_TEST_EDIT)).lfCharSet;
    });
    dialog.ThenEnd(kDone);
    ASSERT_EQ(dialog.DoModal(), kDone);
    ASSERT_TRUE(chosen);
    const int systemCharacterSet = ::GetACP() == 932 ? SHIFTJIS_CHARSET : ANSI_CHARSET;
    EXPECT_EQ(characterSet, systemCharacterSet) << "the font in use";
    std::vector<std::string> fields;
    std::istringstream font(Value("Font"));
    for (std::string field; std::getline(font, field, ',');) fields.push_back(field);
    ASSERT_EQ(fields.size(), 13u) << Value("Font");
    EXPECT_EQ(fields[8], std::to_string(systemCharacterSet)) << "the saved font: " << Value("Font");
}

}  // namespace
