// The "Edit Schedule" dialog: its two columns beside the list's scroll bar, and the
// rows edited with the keys and buttons a user has, then written back.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "CInPlaceEdit.h"

#include "CWinApp.h"
#include "GdiObjects.h"
#include "ScheduleEditorDialog.h"
#include "TestPlatform.h"
#include "WindowTestSupport.h"
#include "resource.h"

using window_test::LeftButton;
using window_test::MovePointerTo;
using window_test::Scripted;

namespace {

constexpr INT_PTR kStillOpen = 7;

CInPlaceEdit* OpenBox() { return dynamic_cast<CInPlaceEdit*>(CWnd::FromHandlePermanent(::GetFocus())); }

void Type(HWND window, const std::string& text) {
    for (char character : text) ::PostMessageA(window, WM_CHAR, static_cast<unsigned char>(character), 1);
}

TEST(ScheduleEditorTest, TheColumnsFitTheListBesideItsScrollBar) {
    CWinApp app("Wispane Calendar");
    TempDir folder;
    std::string section = "[Schedule]\r\n";
    for (int day = 1; day <= 28; ++day) section += "Schedule=2026/2/" + std::to_string(day) + ",Note\r\n";
    folder.Write("Wispane Calendar.ini", section);

    Scripted<ScheduleEditorDialog> dialog(nullptr);
    dialog.settingsFilePath = folder.File("Wispane Calendar.ini");
    dialog.dateText = "2026/2/3";
    dialog.Then([&] {
        HWND list = dialog.GetDlgItem(IDC_SCHEDULE_LIST);
        EXPECT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 28);
        const LONG style = ::GetWindowLongA(list, GWL_STYLE);
        EXPECT_TRUE(style & WS_VSCROLL);
        EXPECT_FALSE(style & WS_HSCROLL) << "no row is wider than the list";
        RECT client{};
        ::GetClientRect(list, &client);
        const auto width = [list](int column) { return static_cast<int>(::SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0)); };
        EXPECT_LE(width(0) + width(1), client.right);
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

TEST(ScheduleEditorTest, RowsAreAddedInTheirSortedPlaceEditedFoundByTypingDeletedAndWrittenBack) {
    CWinApp app("Wispane Calendar");
    TempDir folder;
    folder.Write("Wispane Calendar.ini",
                 "[Schedule]\r\nSchedule=2026/2/3,Piano\r\nSchedule=2026/12/1,Dentist, then lunch\r\n"
                 "Schedule=9/1/2026,Old form\r\nSchedule=2026/2/3,Second\r\nOther=2026/1/9,Other key\r\n"
                 "Schedule=no comma\r\n");

    Scripted<ScheduleEditorDialog> dialog(nullptr);
    dialog.settingsFilePath = folder.File("Wispane Calendar.ini");
    dialog.dateText = "2026/11/30";
    HWND list = nullptr;
    auto focusedRow = [&] { return static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_FOCUSED)); };
    auto text = [&](int row, int column) { return CListCtrl::GetItemText(list, row, column); };
    dialog.WaitUntil([] { return OpenBox() != nullptr; });
    dialog.Then([&] {
        list = dialog.GetDlgItem(IDC_SCHEDULE_LIST);
        // Sorted by text: the line without a comma, 2026/1/9, the new date, 2026/12/1 ...
        EXPECT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 7);
        EXPECT_EQ(text(0, 1), "no comma");
        EXPECT_EQ(text(2, 0), "2026/11/30");
        EXPECT_EQ(text(3, 1), "Dentist, then lunch");
        EXPECT_EQ(text(6, 0), "9/1/2026");
        ASSERT_NE(OpenBox(), nullptr);
        EXPECT_EQ(std::make_pair(OpenBox()->GetRow(), OpenBox()->GetColumn()), std::make_pair(2, 1));
        Type(OpenBox()->GetSafeHwnd(), "Exam");
        ::PostMessageA(OpenBox()->GetSafeHwnd(), WM_KEYDOWN, VK_RETURN, 1);
    });
    dialog.Then([&] {
        ASSERT_NE(OpenBox(), nullptr);
        EXPECT_EQ(OpenBox()->GetRow(), 3) << "Enter moves the editing down";
        EXPECT_EQ(OpenBox()->GetText(), "Dentist, then lunch");
        ::PostMessageA(OpenBox()->GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    dialog.Then([&] {
        EXPECT_EQ(text(2, 1), "Exam");
        EXPECT_EQ(focusedRow(), 2);
        ::PostMessageA(list, WM_KEYDOWN, VK_F2, 1);
    });
    dialog.Then([&] {
        ASSERT_NE(OpenBox(), nullptr);
        EXPECT_EQ(std::make_pair(OpenBox()->GetRow(), OpenBox()->GetColumn()), std::make_pair(2, 0));
        EXPECT_EQ(OpenBox()->GetText(), "2026/11/30");
        Type(OpenBox()->GetSafeHwnd(), "2026/11/29");
    });
    dialog.Then([&] {
        ::SetFocus(list);
        EXPECT_EQ(text(2, 0), "2026/11/29") << "a changed date stays on its row";
        // Typing in the list finds the row whose date starts with the typed text.
        ::PostMessageA(list, WM_CHAR, '9', 1);
    });
    dialog.Then([&] {
        EXPECT_EQ(focusedRow(), 6);
        ::SendMessageA(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_DELETE_SCHEDULE, BN_CLICKED), 0);
        EXPECT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 6);
        ::SendMessageA(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    dialog.ThenEnd(kStillOpen);
    ASSERT_EQ(dialog.DoModal(), IDOK);

    const std::string file = folder.Read("Wispane Calendar.ini");
    EXPECT_EQ(file.substr(file.find("[Schedule]")),
              "[Schedule]\r\nSchedule=2026/2/3,Piano\r\nSchedule=2026/2/3,Second\r\n"
              "Schedule=2026/12/1,Dentist, then lunch\r\nSchedule=2026/11/29,Exam\r\n"
              "Schedule=2026/1/9,Other key\r\nSchedule=,no comma\r\n");
}

// The row the user clicked last is the one Delete takes, even when the click only
// ended an edit; the row added for the day stays selected after Esc, and is not
// written when it never got a name.
TEST(ScheduleEditorTest, ButtonsActOnTheRowChosenLastAndAnUntouchedNewRowIsNotWritten) {
    CWinApp app("Wispane Calendar");
    TempDir folder;
    folder.Write("Wispane Calendar.ini", "[Schedule]\r\nSchedule=2026/2/4,B\r\nSchedule=2026/2/3,A\r\n");

    Scripted<ScheduleEditorDialog> dialog(nullptr);
    dialog.settingsFilePath = folder.File("Wispane Calendar.ini");
    dialog.dateText = "2026/2/5";
    HWND list = nullptr;
    const auto command = [&](int id) {
        ::SendMessageA(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    };
    dialog.WaitUntil([] { return OpenBox() != nullptr; });
    dialog.Then([&] {
        list = dialog.GetDlgItem(IDC_SCHEDULE_LIST);
        ::PostMessageA(OpenBox()->GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    dialog.Then([&] {
        ASSERT_EQ(OpenBox(), nullptr);
        command(IDC_RENAME_SCHEDULE);
        ASSERT_NE(OpenBox(), nullptr) << "Rename finds the new row";
        EXPECT_EQ(OpenBox()->GetRow(), 2);
        RECT first{LVIR_BOUNDS, 0, 0, 0};
        ::SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
        MovePointerTo(list, {(first.left + first.right) / 2, (first.top + first.bottom) / 2});
        LeftButton(MOUSEEVENTF_LEFTDOWN);
        LeftButton(MOUSEEVENTF_LEFTUP);
    });
    dialog.WaitUntil([] { return OpenBox() == nullptr; });
    dialog.Then([&] {
        command(IDC_DELETE_SCHEDULE);
        EXPECT_EQ(CListCtrl::GetItemText(list, 0, 1), "B") << "the clicked row went";
        command(IDOK);
    });
    dialog.ThenEnd(kStillOpen);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    const std::string file = folder.Read("Wispane Calendar.ini");
    EXPECT_EQ(file.substr(file.find("[Schedule]")), "[Schedule]\r\nSchedule=2026/2/4,B\r\n");
}

// In a large calendar font the dialog grows: both columns fit the list, the name
// one wide enough to type in, and the buttons keep the dialog's own font below it.
TEST(ScheduleEditorTest, TheDialogMakesRoomForALargeFont) {
    CWinApp app("Wispane Calendar");
    TempDir folder;
    const Font large(::CreateFontA(-37, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    Scripted<ScheduleEditorDialog> dialog(nullptr);
    dialog.settingsFilePath = folder.File("Wispane Calendar.ini");
    dialog.dateText = "2026/12/17";
    dialog.font = large.get();
    dialog.WaitUntil([] { return OpenBox() != nullptr; });
    dialog.Then([&] {
        HWND list = dialog.GetDlgItem(IDC_SCHEDULE_LIST);
        RECT client{};
        ::GetClientRect(list, &client);
        const auto width = [list](int column) { return static_cast<int>(::SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0)); };
        EXPECT_LE(width(0) + width(1), client.right);
        EXPECT_GE(width(1), 12 * 14) << "room for a name of twelve characters";
        const auto placeOf = [&](HWND child) {
            RECT rect{};
            ::GetWindowRect(child, &rect);
            ::MapWindowPoints(HWND_DESKTOP, dialog.GetSafeHwnd(), reinterpret_cast<POINT*>(&rect), 2);
            return rect;
        };
        const RECT dialogClient = dialog.GetClientRect();
        const RECT listPlace = placeOf(list);
        for (int id : {IDC_RENAME_SCHEDULE, IDC_DELETE_SCHEDULE, IDOK, IDCANCEL}) {
            HWND button = dialog.GetDlgItem(id);
            const RECT place = placeOf(button);
            EXPECT_GE(place.top, listPlace.bottom) << id;
            EXPECT_LE(place.right, dialogClient.right) << id;
            EXPECT_LE(place.bottom, dialogClient.bottom) << id;
            EXPECT_NE(reinterpret_cast<HFONT>(::SendMessageA(button, WM_GETFONT, 0, 0)), large.get()) << id;
        }
    });
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
}

}  // namespace
