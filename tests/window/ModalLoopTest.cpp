// The modal loop of CDialog: messages offered to PreTranslateMessage of the target
// and its ancestors up to the dialog, the dialog's keys, owner disabling, ending.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "CDialog.h"
#include "CEdit.h"
#include "CWinApp.h"
#include "FrameworkTestResources.h"
#include "WindowTestSupport.h"

using window_test::kTimedOut;
using window_test::OwnerWindow;
using window_test::ScriptedDialog;

namespace {

constexpr WPARAM kProbeKey = VK_F8;

// Records in a shared log that it was offered the probe key, and may consume it.
template <typename Base>
class Recorder : public Base {
public:
    template <typename... BaseArguments>
    Recorder(std::string name, std::vector<std::string>& log, BaseArguments&&... arguments)
        : Base(std::forward<BaseArguments>(arguments)...), name_(std::move(name)), log_(log) {}

    bool consume = false;
    bool receivedKey = false;

    bool PreTranslateMessage(MSG& message) override {
        if (message.message == WM_KEYDOWN && message.wParam == kProbeKey) {
            log_.push_back(name_);
            if (consume) return true;
        }
        return Base::PreTranslateMessage(message);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_KEYDOWN && wParam == kProbeKey) receivedKey = true;
        return Base::WindowProc(message, wParam, lParam);
    }

private:
    std::string name_;
    std::vector<std::string>& log_;
};

class OwnerRecorder : public OwnerWindow {
public:
    explicit OwnerRecorder(std::vector<std::string>& log) : log_(log) {}
    bool PreTranslateMessage(MSG& message) override {
        if (message.message == WM_KEYDOWN) log_.push_back("owner");
        return OwnerWindow::PreTranslateMessage(message);
    }

private:
    std::vector<std::string>& log_;
};

// Test dialog whose edit sits inside a panel: edit -> panel -> dialog.
class NestedDialog : public Recorder<ScriptedDialog> {
public:
    NestedDialog(std::vector<std::string>& log, CWnd* parent)
        : Recorder<ScriptedDialog>("dialog", log, IDD_TEST_DIALOG, parent), panel("panel", log), edit("edit", log) {}

    Recorder<CWnd> panel;
    Recorder<CEdit> edit;
    int destroyCalls = 0;

    bool DestroyWindow() override {
        ++destroyCalls;
        return Recorder<ScriptedDialog>::DestroyWindow();
    }

protected:
    bool OnInitDialog() override {
        const bool result = Recorder<ScriptedDialog>::OnInitDialog();
        panel.CreateEx(0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE, RECT{10, 100, 210, 160}, GetSafeHwnd(), 9100);
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{5, 5, 150, 30}, panel, 9101);
        return result;
    }
};

class ModalLoopTest : public ::testing::Test {
protected:
    std::vector<std::string> log;
    OwnerRecorder owner{log};
};

TEST_F(ModalLoopTest, OffersAKeyToTheTargetAndEachAncestorUpToTheDialog) {
    NestedDialog dialog(log, &owner);
    dialog.Then([&] { dialog.edit.Post(WM_KEYDOWN, kProbeKey, 1); });
    dialog.ThenEnd(IDOK);

    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(log, (std::vector<std::string>{"edit", "panel", "dialog"}));
    EXPECT_TRUE(dialog.edit.receivedKey);
}

TEST_F(ModalLoopTest, AnAncestorThatConsumesAKeyKeepsItFromTheTarget) {
    NestedDialog dialog(log, &owner);
    dialog.panel.consume = true;
    dialog.Then([&] { dialog.edit.Post(WM_KEYDOWN, kProbeKey, 1); });
    dialog.ThenEnd(IDOK);

    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(log, (std::vector<std::string>{"edit", "panel"}));
    EXPECT_FALSE(dialog.edit.receivedKey);
}

TEST_F(ModalLoopTest, EscapeCancelsDisablesTheOwnerMeanwhileAndDestroysThroughTheVirtual) {
    NestedDialog dialog(log, &owner);
    bool ownerEnabledWhileRunning = true;
    dialog.Then([&] {
        ownerEnabledWhileRunning = ::IsWindowEnabled(owner.GetSafeHwnd());
        dialog.edit.SetFocus();
        dialog.edit.Post(WM_KEYDOWN, VK_ESCAPE, 1);
    });

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(ownerEnabledWhileRunning);
    EXPECT_TRUE(::IsWindowEnabled(owner.GetSafeHwnd()));
    EXPECT_EQ(dialog.destroyCalls, 1);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

TEST_F(ModalLoopTest, ADialogWithoutParentIsOwnedByTheMainWindowAndLeavesAnOuterDisabledOwnerDisabled) {
    CWinApp app;
    app.SetMainWnd(&owner);
    ScriptedDialog outer(IDD_TEST_DIALOG, &owner);
    ScriptedDialog inner(IDD_TEST_DIALOG);
    HWND innerOwner = nullptr;
    bool ownerEnabledAfterInner = true;
    inner.Then([&] { innerOwner = ::GetWindow(inner.GetSafeHwnd(), GW_OWNER); });
    inner.ThenEnd(IDOK);
    outer.Then([&] {
        inner.DoModal();
        ownerEnabledAfterInner = ::IsWindowEnabled(owner.GetSafeHwnd());
    });
    outer.ThenEnd(IDOK);

    ASSERT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(innerOwner, owner.GetSafeHwnd());
    EXPECT_FALSE(ownerEnabledAfterInner);
    EXPECT_TRUE(::IsWindowEnabled(owner.GetSafeHwnd()));
}

class EndsWhileInitialising : public CDialog {
public:
    using CDialog::CDialog;

protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        EndDialog(42);
        return true;
    }
};

TEST_F(ModalLoopTest, EndDialogDuringInitialisationReturnsAtOnce) {
    EndsWhileInitialising dialog(IDD_TEST_DIALOG, &owner);
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(::IsWindowEnabled(owner.GetSafeHwnd()));
}

TEST_F(ModalLoopTest, AMissingTemplateFailsAndLeavesTheOwnerEnabled) {
    CDialog dialog(IDD_TEST_MISSING, &owner);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(::IsWindowEnabled(owner.GetSafeHwnd()));
}

TEST_F(ModalLoopTest, TheLoopShowsADialogWhoseTemplateIsHiddenAndSameObjectRunsTwice) {
    ScriptedDialog dialog(IDD_TEST_DIALOG, &owner);
    bool visible = false;
    dialog.Then([&] { visible = dialog.IsWindowVisible(); });
    dialog.ThenEnd(IDOK);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(visible);

    dialog.ThenEnd(IDRETRY);
    EXPECT_EQ(dialog.DoModal(), IDRETRY);
}

}  // namespace
