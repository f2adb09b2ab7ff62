// Tooltips asked for their text on demand: the window's hit test names the tool and
// the tooltip asks the window (TTN_NEEDTEXTA) once the mouse rests on it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameworkTestResources.h"
#include "WindowTestSupport.h"

using window_test::OwnerWindow;
using window_test::ScriptedDialog;

namespace {

struct TextRequest {
    int toolId;
    POINT cursor;
};

class TipDialog : public ScriptedDialog {
public:
    using ScriptedDialog::ScriptedDialog;

    std::vector<TextRequest> requests;
    // As the main window does: every cursor position is a tool of its own.
    bool toolPerPosition = false;

    INT_PTR OnToolHitTest(POINT point, TOOLINFOA* tool) const override {
        const INT_PTR hit = ScriptedDialog::OnToolHitTest(point, tool);
        if (hit == -1 || !toolPerPosition) return hit;
        return MAKELONG(point.x, point.y);
    }

    // Puts the cursor on a client point of a control and lets the mouse move there.
    void MoveMouseTo(int controlId, POINT offset) {
        HWND control = GetDlgItem(controlId);
        POINT screen = offset;
        ::ClientToScreen(control, &screen);
        ::SetCursorPos(screen.x, screen.y);
        ::PostMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(offset.x, offset.y));
    }

protected:
    bool OnInitDialog() override {
        const bool result = ScriptedDialog::OnInitDialog();
        EnableToolTips();
        return result;
    }

    bool OnNotify(NMHDR& header, LRESULT& result) override {
        if (header.code != TTN_NEEDTEXTA) return ScriptedDialog::OnNotify(header, result);
        auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
        POINT cursor{};
        ::GetCursorPos(&cursor);
        requests.push_back({::GetDlgCtrlID(reinterpret_cast<HWND>(header.idFrom)), cursor});
        text_ = "tip " + std::to_string(requests.size());
        info.lpszText = text_.data();
        return false;
    }

private:
    std::string text_;
};

class ToolTipTest : public ::testing::Test {
protected:
    OwnerWindow owner;
    TipDialog dialog{IDD_TEST_DIALOG, &owner};
};

TEST_F(ToolTipTest, TheTextOfTheChildUnderTheMouseIsAskedForOnDemand) {
    dialog.Then([&] { dialog.MoveMouseTo(IDC_TEST_EDIT, POINT{5, 5}); });
    dialog.WaitUntil([&] { return !dialog.requests.empty(); });
    dialog.Then([&] { dialog.MoveMouseTo(IDC_TEST_STATIC, POINT{5, 5}); });
    dialog.WaitUntil([&] { return dialog.requests.size() >= 2; });
    dialog.ThenEnd(IDOK);

    ASSERT_EQ(dialog.DoModal(), IDOK) << "no text was asked for";
    EXPECT_EQ(dialog.requests[0].toolId, IDC_TEST_EDIT);
    EXPECT_EQ(dialog.requests[1].toolId, IDC_TEST_STATIC);
}

TEST_F(ToolTipTest, ANewHitCodeOnTheSameControlAsksForTheTextAgain) {
    dialog.toolPerPosition = true;
    dialog.Then([&] { dialog.MoveMouseTo(IDC_TEST_EDIT, POINT{5, 5}); });
    dialog.WaitUntil([&] { return !dialog.requests.empty(); });
    dialog.Then([&] { dialog.MoveMouseTo(IDC_TEST_EDIT, POINT{30, 6}); });
    dialog.WaitUntil([&] { return dialog.requests.size() >= 2; });
    dialog.ThenEnd(IDOK);

    ASSERT_EQ(dialog.DoModal(), IDOK) << dialog.requests.size() << " text requests";
    EXPECT_EQ(dialog.requests[1].toolId, IDC_TEST_EDIT);
    EXPECT_NE(dialog.requests[0].cursor.x, dialog.requests[1].cursor.x);
}

// A visible window of its own that takes the activation away from the dialog.
class OtherWindow : public CWnd {
public:
    bool Open() {
        return CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 900, 700, 50, 50, nullptr, nullptr) &&
               ::SetForegroundWindow(GetSafeHwnd());
    }
};

TEST_F(ToolTipTest, WhileTheWindowIsInactiveTipsAskForTextOnlyWhenShownWhileInactive) {
    OtherWindow other;
    DWORD quietUntil = 0;
    bool dialogActive = true;
    dialog.Then([&] {
        ASSERT_TRUE(other.Open());
        dialogActive = ::GetActiveWindow() == dialog.GetSafeHwnd();
        dialog.MoveMouseTo(IDC_TEST_EDIT, POINT{5, 5});
        quietUntil = ::GetTickCount() + 1500;
    });
    dialog.WaitUntil([&] { return static_cast<LONG>(::GetTickCount() - quietUntil) >= 0; });
    dialog.Then([&] {
        EXPECT_TRUE(dialog.requests.empty());
        dialog.ShowToolTipsWhileInactive(true);
        dialog.MoveMouseTo(IDC_TEST_EDIT, POINT{8, 6});
    });
    dialog.WaitUntil([&] { return !dialog.requests.empty(); });
    dialog.ThenEnd(IDOK);

    ASSERT_EQ(dialog.DoModal(), IDOK) << "no text was asked for";
    EXPECT_FALSE(dialogActive);
    EXPECT_EQ(dialog.requests.size(), 1u);
}

}  // namespace
