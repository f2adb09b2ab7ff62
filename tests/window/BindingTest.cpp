// How C++ objects are bound to windows: notification reflection, subclassing dialog
// controls, creating again on the same object, and unbinding when a window goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "CEdit.h"
#include "CMonthCalCtrl.h"
#include "CStatic.h"
#include "FrameworkTestResources.h"
#include "WindowTestSupport.h"

using window_test::OwnerWindow;
using window_test::ScriptedDialog;

namespace {

constexpr UINT kHandledCode = 1000;
constexpr UINT kPassedCode = 1001;
constexpr LRESULT kControlAnswer = 42;
constexpr LRESULT kParentAnswer = 7;

// A control that answers notification kHandledCode and command code kHandledCode itself.
class ReflectingStatic : public CStatic {
public:
    std::vector<UINT> reflected;

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        const UINT code = message == WM_NOTIFY ? reinterpret_cast<NMHDR*>(lParam)->code : HIWORD(wParam);
        reflected.push_back(code);
        if (code != kHandledCode) return false;
        result = kControlAnswer;
        return true;
    }
};

class RecordingParent : public OwnerWindow {
public:
    std::vector<UINT> notified;
    std::vector<UINT> commanded;

protected:
    bool OnNotify(NMHDR& header, LRESULT& result) override {
        notified.push_back(header.code);
        result = kParentAnswer;
        return true;
    }
    bool OnCommand(UINT, UINT code, HWND) override {
        commanded.push_back(code);
        return true;
    }
};

class ReflectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.GetSafeHwnd());
        ASSERT_TRUE(control.Create("", WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 20}, parent, 77));
    }

    LRESULT Notify(UINT code) {
        NMHDR header{control.GetSafeHwnd(), 77, code};
        return parent.Send(WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&header));
    }
    void Command(UINT code) {
        parent.Send(WM_COMMAND, MAKEWPARAM(77, code), reinterpret_cast<LPARAM>(control.GetSafeHwnd()));
    }

    RecordingParent parent;
    ReflectingStatic control;
};

TEST_F(ReflectionTest, ANotificationTheControlHandlesStopsThere) {
    EXPECT_EQ(Notify(kHandledCode), kControlAnswer);
    EXPECT_EQ(control.reflected, std::vector<UINT>{kHandledCode});
    EXPECT_TRUE(parent.notified.empty());
}

TEST_F(ReflectionTest, ANotificationTheControlPassesReachesTheParent) {
    EXPECT_EQ(Notify(kPassedCode), kParentAnswer);
    EXPECT_EQ(control.reflected, std::vector<UINT>{kPassedCode});
    EXPECT_EQ(parent.notified, std::vector<UINT>{kPassedCode});
}

TEST_F(ReflectionTest, CommandsFromTheControlAreOfferedToItFirst) {
    Command(kHandledCode);
    Command(kPassedCode);
    EXPECT_EQ(control.reflected, (std::vector<UINT>{kHandledCode, kPassedCode}));
    EXPECT_EQ(parent.commanded, std::vector<UINT>{kPassedCode});
}

TEST_F(ReflectionTest, MenuCommandsGoStraightToTheParent) {
    parent.Send(WM_COMMAND, MAKEWPARAM(77, 0), 0);
    EXPECT_TRUE(control.reflected.empty());
    EXPECT_EQ(parent.commanded, std::vector<UINT>{0});
}

// A month calendar that sees its own day-state requests and passes them on.
class DayStateCalendar : public CMonthCalCtrl {
public:
    int requests = 0;
    int nonClientDestroys = 0;

protected:
    bool OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT&) override {
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == MCN_GETDAYSTATE) ++requests;
        return false;
    }
    void PostNcDestroy() override { ++nonClientDestroys; }
};

// The point of the control's next-month button, found with the control's hit test.
std::optional<POINT> NextMonthButton(const CMonthCalCtrl& calendar) {
    const RECT client = calendar.GetClientRect();
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = client.right - 1; x >= 0; --x) {
            if (calendar.HitTest(POINT{x, y}).uHit == MCHT_TITLEBTNNEXT) return POINT{x, y};
        }
    }
    return std::nullopt;
}

void ClickAt(CWnd& window, POINT point) {
    window.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    window.Send(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

TEST(MonthCalendarBinding, ARealDayStateRequestReachesTheControlThenTheParentAlsoAfterRecreation) {
    RecordingParent parent;
    DayStateCalendar calendar;
    const DWORD style = WS_CHILD | WS_VISIBLE | MCS_DAYSTATE;
    ASSERT_TRUE(calendar.Create(style, RECT{0, 0, 300, 250}, parent, 1001));

    // Wine asks only when the month changes through the control's own buttons.
    const std::optional<POINT> next = NextMonthButton(calendar);
    ASSERT_TRUE(next.has_value()) << "the 32-byte hit test found no next-month button";
    const int before = calendar.requests;
    ClickAt(calendar, *next);
    EXPECT_GT(calendar.requests, before);
    EXPECT_NE(std::count(parent.notified.begin(), parent.notified.end(), static_cast<UINT>(MCN_GETDAYSTATE)), 0);

    ASSERT_TRUE(calendar.DestroyWindow());
    EXPECT_EQ(calendar.GetSafeHwnd(), nullptr);
    EXPECT_EQ(calendar.nonClientDestroys, 1);

    ASSERT_TRUE(calendar.Create(style, RECT{0, 0, 300, 250}, parent, 1001));
    const int afterRecreation = calendar.requests;
    ClickAt(calendar, *NextMonthButton(calendar));
    EXPECT_GT(calendar.requests, afterRecreation);
}

// An edit bound to a dialog's control: sees the characters typed into it.
class CharacterEdit : public CEdit {
public:
    std::string seen;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CHAR) seen += static_cast<char>(wParam);
        return CEdit::WindowProc(message, wParam, lParam);
    }
};

class BindingDialog : public ScriptedDialog {
public:
    using ScriptedDialog::ScriptedDialog;
    CharacterEdit edit;

protected:
    void DoDataExchange() override { BindControl(IDC_TEST_EDIT, edit); }
};

TEST(DialogControlBinding, ASubclassedControlSeesItsMessagesAndKeepsItsDefaultBehaviour) {
    OwnerWindow owner;
    BindingDialog dialog(IDD_TEST_DIALOG, &owner);
    std::string text;
    int boundId = 0;
    dialog.Then([&] {
        boundId = ::GetDlgCtrlID(dialog.edit.GetSafeHwnd());
        for (char c : std::string("ab")) dialog.edit.Send(WM_CHAR, static_cast<WPARAM>(c), 1);
        text = dialog.edit.GetText();
    });
    dialog.ThenEnd(IDOK);

    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(boundId, IDC_TEST_EDIT);
    EXPECT_EQ(dialog.edit.seen, "ab");
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(dialog.edit.GetSafeHwnd(), nullptr);

    boundId = 0;
    dialog.Then([&] { boundId = ::GetDlgCtrlID(dialog.edit.GetSafeHwnd()); });
    dialog.ThenEnd(IDOK);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(boundId, IDC_TEST_EDIT);
}

TEST(DialogControlBinding, AWindowTakesOneObjectAndAMissingControlNone) {
    OwnerWindow owner;
    ScriptedDialog dialog(IDD_TEST_DIALOG, &owner);
    bool missing = true;
    bool second = true;
    bool first = false;
    dialog.Then([&] {
        CEdit one;
        CEdit other;
        CStatic nothing;
        first = one.SubclassDlgItem(IDC_TEST_EDIT, dialog);
        second = other.SubclassDlgItem(IDC_TEST_EDIT, dialog);
        missing = nothing.SubclassDlgItem(4321, dialog);
        // `one` goes out of scope here and takes its window with it.
    });
    dialog.ThenEnd(IDOK);

    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(first);
    EXPECT_FALSE(second);
    EXPECT_FALSE(missing);
}

TEST(WindowLifetime, AnObjectIsUnboundWhenItsWindowGoesAndCanCreateAgain) {
    OwnerWindow parent;
    CStatic label;
    ASSERT_TRUE(label.Create("one", WS_CHILD, RECT{0, 0, 40, 20}, parent, 5));
    HWND first = label.GetSafeHwnd();
    EXPECT_EQ(CWnd::FromHandlePermanent(first), &label);

    ::DestroyWindow(first);
    EXPECT_EQ(label.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(first), nullptr);

    ASSERT_TRUE(label.Create("two", WS_CHILD, RECT{0, 0, 40, 20}, parent, 5));
    EXPECT_EQ(label.GetText(), "two");
    EXPECT_EQ(CWnd::FromHandlePermanent(label.GetSafeHwnd()), &label);
}

TEST(WindowLifetime, DestroyingTheObjectDestroysItsWindow) {
    OwnerWindow parent;
    HWND window = nullptr;
    {
        CStatic label;
        ASSERT_TRUE(label.Create("gone", WS_CHILD, RECT{0, 0, 40, 20}, parent, 5));
        window = label.GetSafeHwnd();
    }
    EXPECT_FALSE(::IsWindow(window));
}

class SelfDeletingStatic : public CStatic {
public:
    explicit SelfDeletingStatic(bool& deleted) : deleted_(deleted) {}
    ~SelfDeletingStatic() override { deleted_ = true; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    bool& deleted_;
};

TEST(WindowLifetime, AnObjectMayDeleteItselfAfterItsWindowIsGone) {
    OwnerWindow parent;
    bool deleted = false;
    auto* label = new SelfDeletingStatic(deleted);
    ASSERT_TRUE(label->Create("", WS_CHILD, RECT{0, 0, 40, 20}, parent, 5));
    parent.DestroyWindow();
    EXPECT_TRUE(deleted);
}

}  // namespace
