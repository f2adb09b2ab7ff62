// The About box in the language of the run: what it reads from the program's
// version resource and string table, where its links lead, and its typeface.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "AboutDialog.h"
#include "CWinApp.h"
#include "ResourceLanguage.h"
#include "VersionInfo.h"
#include "WindowTestSupport.h"
#include "resource.h"

using window_test::Scripted;

namespace {

constexpr INT_PTR kStillOpen = 7;

// The text of every tool of this thread's tooltips, by the tool's window.
std::map<HWND, std::string> ToolTipTexts() {
    std::map<HWND, std::string> texts;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            char className[32] = {};
            ::GetClassNameA(window, className, sizeof className);
            if (::lstrcmpiA(className, TOOLTIPS_CLASSA) != 0) return TRUE;
            const auto count = static_cast<UINT>(::SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0));
            for (UINT i = 0; i < count; ++i) {
                char text[1024] = {};  // the tooltip copies up to 1024 characters
                TOOLINFOA tool{};
                tool.cbSize = TTTOOLINFOA_V2_SIZE;
                tool.lpszText = text;
                if (::SendMessageA(window, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool))) {
                    (*reinterpret_cast<std::map<HWND, std::string>*>(found))[tool.hwnd] = text;
                }
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

std::optional<LOGFONTA> FontOf(HWND window) {
    return Font::Describe(reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0)));
}

TEST(AboutDialogTest, ShowsTheVersionTheMakerAndWhereBothLinksLead) {
    LOGFONTA calendarDescription{};
    calendarDescription.lfHeight = -40;
    calendarDescription.lfWeight = FW_HEAVY;
    ::lstrcpyA(calendarDescription.lfFaceName, "Courier New");
    const Font calendarFont = Font::Create(calendarDescription);
    VersionInfo version;
    ASSERT_TRUE(version.Open(CWinApp::GetModulePath()));

    Scripted<AboutDialog> dialog(nullptr, calendarFont.get());
    dialog.Then([&] {
        EXPECT_EQ(dialog.GetDlgItemText(IDC_APP_VERSION), "Wispane Calendar Version 2.1");
        const std::string copyright = dialog.GetDlgItemText(IDC_APP_COPYRIGHT);
        const std::string maker = dialog.GetDlgItemText(IDC_APP_MAIL);
        EXPECT_EQ(maker, version.CompanyName());
        EXPECT_EQ(copyright + " " + maker, version.Copyright()) << "the line ends in the mail link";
        const std::string webPage = ResourceLanguage::LoadStringOrEmpty(IDS_WEB_PAGE);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_WEB_SITE), webPage);

        std::map<HWND, std::string> tips = ToolTipTexts();
        EXPECT_EQ(tips[dialog.GetDlgItem(IDC_APP_MAIL)], ResourceLanguage::LoadStringOrEmpty(IDS_MAIL_ADDRESS));
        EXPECT_EQ(tips[dialog.GetDlgItem(IDC_WEB_SITE)], webPage);

        // The calendar's typeface at the template's size; the links underlined.
        const std::optional<LOGFONTA> line = FontOf(dialog.GetDlgItem(IDC_APP_VERSION));
        const std::optional<LOGFONTA> link = FontOf(dialog.GetDlgItem(IDC_APP_MAIL));
        ASSERT_TRUE(line && link);
        EXPECT_STREQ(line->lfFaceName, "Courier New");
        EXPECT_NE(line->lfHeight, -40);
        EXPECT_STREQ(link->lfFaceName, "Courier New");
        EXPECT_TRUE(link->lfUnderline);
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

}  // namespace
