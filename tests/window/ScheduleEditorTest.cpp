// The "Edit Schedule" dialog on a section longer than its list: the two columns fit
// the list beside its vertical scroll bar.
#include <gtest/gtest.h>

#include <string>

#include "CWinApp.h"
#include "ScheduleEditorDialog.h"
#include "TestPlatform.h"
#include "WindowTestSupport.h"
#include "resource.h"

using window_test::Scripted;

namespace {

constexpr INT_PTR kStillOpen = 7;

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

}  // namespace
