// The application object and the window helpers whose results users see: names and
// the settings file, ending without a message loop, centring, fonts for all children.
#include <gtest/gtest.h>

#include <string>

#include "CStatic.h"
#include "CWinApp.h"
#include "PrivateProfile.h"
#include "ProfileAccess.h"
#include "SafeSave.h"
#include "Win32Platform.h"
#include "WindowTestSupport.h"

using window_test::OwnerWindow;

namespace {

std::string TempIniPath() {
    char directory[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, directory);
    return std::string(directory) + "wispane-framework-test-" + std::to_string(::GetCurrentProcessId()) + ".ini";
}

TEST(Application, NamesComeFromTheProgramFile) {
    CWinApp app;
    EXPECT_EQ(app.GetExeName(), "wispane_window_tests");
    EXPECT_EQ(app.GetAppName(), "wispane_window_tests");
    const std::string module = CWinApp::GetModulePath();
    EXPECT_EQ(app.GetProfileName(), module.substr(0, module.find_last_of('\\') + 1) + "wispane_window_tests.ini");
    EXPECT_EQ(CWinApp::Current(), &app);
}

TEST(Application, SettingsGoToTheProfileFileAndAreCutAt4095Characters) {
    CWinApp app("Test");
    app.SetProfileName(TempIniPath());
    ::DeleteFileA(app.GetProfileName().c_str());
    PrivateProfile& profile = Win32Platform().profile;
    const std::string& path = app.GetProfileName();

    EXPECT_EQ(ReadProfileString(profile, path, "Section", "Key"), "");
    ASSERT_TRUE(profile.WriteString("Section", "Key", "value", path.c_str()));
    EXPECT_EQ(ReadProfileString(profile, path, "Section", "Key"), "value");

    const std::string longValue(5000, 'x');
    ASSERT_TRUE(profile.WriteString("Section", "Long", longValue.c_str(), path.c_str()));
    EXPECT_EQ(ReadProfileString(profile, path, "Section", "Long").size(), 4095u);
    ::DeleteFileA(path.c_str());

    // Without a file name nothing is written (the system would use the Windows folder).
    app.SetProfileName("");
    EXPECT_FALSE(SaveSafely(app.GetProfileName(), [](const std::string&) { return true; }));
}

class EndingApp : public CWinApp {
public:
    OwnerWindow* frame = nullptr;
    bool InitInstance() override {
        SetMainWnd(frame);
        return false;
    }
    int ExitInstance() override { return 3; }
};

TEST(Application, AFailedInitInstanceDestroysTheMainWindowAndEndsWithExitInstance) {
    OwnerWindow frame;
    EndingApp app;
    app.frame = &frame;
    EXPECT_EQ(app.RunApplication(), 3);
    EXPECT_EQ(frame.GetSafeHwnd(), nullptr);
}

RECT WorkArea(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

class Popup : public CWnd {
public:
    bool Create(HWND owner) {
        return CreateEx(0, "STATIC", "", WS_POPUP, 3, 4, 120, 80, owner, nullptr);
    }
};

TEST(Centring, AWindowWithAnInvisibleOwnerIsCentredInTheWorkArea) {
    OwnerWindow owner;
    Popup popup;
    ASSERT_TRUE(popup.Create(owner.GetSafeHwnd()));
    ASSERT_TRUE(popup.CenterWindow());
    const RECT area = WorkArea(popup.GetSafeHwnd());
    const RECT rect = popup.GetWindowRect();
    EXPECT_NEAR(rect.left + rect.right, area.left + area.right, 1);
    EXPECT_NEAR(rect.top + rect.bottom, area.top + area.bottom, 1);
    EXPECT_EQ(rect.right - rect.left, 120);
}

TEST(Centring, AWindowWithAVisibleOwnerIsCentredOnIt) {
    OwnerWindow owner;
    owner.SetWindowPos(nullptr, 100, 100, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Popup popup;
    ASSERT_TRUE(popup.Create(owner.GetSafeHwnd()));
    ASSERT_TRUE(popup.CenterWindow());
    const RECT rect = popup.GetWindowRect();
    EXPECT_NEAR(rect.left + rect.right, 100 + 500, 1);
    EXPECT_NEAR(rect.top + rect.bottom, 100 + 400, 1);
}

TEST(Fonts, SendMessageToDescendantsReachesChildrenOfChildren) {
    OwnerWindow parent;
    CStatic child;
    CStatic grandChild;
    ASSERT_TRUE(child.Create("", WS_CHILD, RECT{0, 0, 50, 50}, parent, 1));
    ASSERT_TRUE(grandChild.Create("", WS_CHILD, RECT{0, 0, 20, 20}, child, 2));
    LOGFONTA description{};
    description.lfHeight = -20;
    Font font = Font::Create(description);
    parent.SendMessageToDescendants(WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    EXPECT_EQ(child.GetFont(), font.get());
    EXPECT_EQ(grandChild.GetFont(), font.get());

    description.lfHeight = -30;
    Font other = Font::Create(description);
    parent.SendMessageToDescendants(WM_SETFONT, reinterpret_cast<WPARAM>(other.get()), FALSE, false);
    EXPECT_EQ(child.GetFont(), other.get());
    EXPECT_EQ(grandChild.GetFont(), font.get());
}

}  // namespace

