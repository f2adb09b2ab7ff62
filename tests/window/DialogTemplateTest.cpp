// Styles changed in a copy of a dialog template, in both template forms, are the
// styles of the windows made from it.
#include <gtest/gtest.h>

#include "DialogTemplate.h"
#include "FrameworkTestResources.h"
#include "ResourceLanguage.h"

namespace {

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

struct DialogWindow {
    HWND hwnd;
    ~DialogWindow() { ::DestroyWindow(hwnd); }
    HWND get() const { return hwnd; }
};

class DialogTemplateTest : public ::testing::TestWithParam<UINT> {};

TEST_P(DialogTemplateTest, ChangedStylesAreThoseOfTheWindowsMade) {
    DialogTemplate dialogTemplate = ResourceLanguage::LoadDialogTemplate(GetParam());
    ASSERT_FALSE(dialogTemplate.empty());
    dialogTemplate.ModifyStyleEx(0, WS_EX_TOOLWINDOW);
    dialogTemplate.ModifyStyle(WS_CAPTION, WS_CLIPCHILDREN);
    // The last item: every item before it must be stepped over rightly.
    EXPECT_TRUE(dialogTemplate.ModifyItemStyle(IDC_TEST_STATIC, 0, SS_SUNKEN));
    EXPECT_FALSE(dialogTemplate.ModifyItemStyle(IDD_TEST_MISSING, 0, SS_SUNKEN));

    const DialogWindow dialog{::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), dialogTemplate.get(),
                                                           nullptr, &NoDialogProc, 0)};
    ASSERT_TRUE(dialog.get());
    EXPECT_TRUE(::GetWindowLongA(dialog.get(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(::GetWindowLongA(dialog.get(), GWL_STYLE) & (WS_CAPTION | WS_CLIPCHILDREN), WS_CLIPCHILDREN);
    EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(dialog.get(), IDC_TEST_STATIC), GWL_STYLE) & SS_SUNKEN);
    EXPECT_FALSE(::GetWindowLongA(::GetDlgItem(dialog.get(), IDOK), GWL_STYLE) & SS_SUNKEN);
}

INSTANTIATE_TEST_SUITE_P(Forms, DialogTemplateTest, ::testing::Values(IDD_TEST_DIALOG, IDD_TEST_CLASSIC_DIALOG),
                         [](const auto& info) { return info.param == IDD_TEST_DIALOG ? "Extended" : "Classic"; });

TEST(DialogTemplateCut, ACutTemplateFindsNoItemAndReadsNothingPastItsEnd) {
    const DialogTemplate whole = ResourceLanguage::LoadDialogTemplate(IDD_TEST_DIALOG);
    ASSERT_FALSE(whole.empty());
    const auto* bytes = reinterpret_cast<const BYTE*>(whole.get());
    for (size_t size : {size_t{0}, size_t{10}, size_t{30}, size_t{60}, size_t{90}}) {
        DialogTemplate cut(std::span<const BYTE>(bytes, size));
        EXPECT_FALSE(cut.ModifyItemStyle(IDC_TEST_STATIC, 0, SS_SUNKEN)) << size;
    }
}

}  // namespace
