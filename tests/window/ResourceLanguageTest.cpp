// Resources in the language chosen at start, with English and then any language as
// fallbacks, for dialogs (through CDialog), menus, strings and accelerators.
#include <gtest/gtest.h>

#include <string>

#include "CDialog.h"
#include "FrameworkTestResources.h"
#include "ResourceLanguage.h"

namespace {

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
constexpr LANGID kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

struct LanguageCase {
    LANGID chosen;
    const char* expected;  // "english" or "japanese"
};

class ResourceLanguageTest : public ::testing::TestWithParam<LanguageCase> {
protected:
    void SetUp() override {
        previous_ = ResourceLanguage::Chosen();
        ResourceLanguage::Choose(GetParam().chosen);
    }
    void TearDown() override { ResourceLanguage::Choose(previous_); }

    std::string Expected() const { return GetParam().expected; }
    UINT ExpectedCommand() const { return Expected() == "japanese" ? IDC_TEST_COMMAND_JA : IDC_TEST_COMMAND_EN; }

private:
    LANGID previous_ = 0;
};

// Reads the language label of its template and ends at once.
class LabelDialog : public CDialog {
public:
    LabelDialog() : CDialog(IDD_TEST_DIALOG) {}
    std::string label;

protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        char text[32] = {};
        ::GetDlgItemTextA(GetSafeHwnd(), IDC_TEST_LANGUAGE, text, sizeof text);
        label = text;
        EndDialog(IDOK);
        return true;
    }
};

TEST_P(ResourceLanguageTest, DialogsComeInTheChosenLanguage) {
    LabelDialog dialog;
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.label, Expected());
}

TEST_P(ResourceLanguageTest, MenusComeInTheChosenLanguage) {
    Menu menu = ResourceLanguage::LoadMenuResource(IDM_TEST_MENU);
    ASSERT_TRUE(menu);
    char text[32] = {};
    ::GetMenuStringA(menu.get(), 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_EQ(std::string(text), Expected());
    EXPECT_NE(::GetMenuState(menu.SubMenu(0), ExpectedCommand(), MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_P(ResourceLanguageTest, AcceleratorsComeInTheChosenLanguage) {
    AcceleratorTable table = ResourceLanguage::LoadAcceleratorResource(IDA_TEST_KEYS);
    ASSERT_TRUE(table);
    ACCEL key{};
    ASSERT_EQ(::CopyAcceleratorTableA(table.get(), &key, 1), 1);
    EXPECT_EQ(key.cmd, ExpectedCommand());
    EXPECT_EQ(key.fVirt & FVIRTKEY, FVIRTKEY);
}

TEST_P(ResourceLanguageTest, EachStringFallsBackOnItsOwn) {
    EXPECT_EQ(ResourceLanguage::LoadStringResource(IDS_TEST_BOTH), Expected());
    EXPECT_EQ(ResourceLanguage::LoadStringResource(IDS_TEST_ENGLISH_ONLY), "only english");
    EXPECT_EQ(ResourceLanguage::LoadStringResource(IDS_TEST_JAPANESE_ONLY), "only japanese");
    EXPECT_FALSE(ResourceLanguage::LoadStringResource(IDS_TEST_BOTH + 2).has_value());
}

INSTANTIATE_TEST_SUITE_P(Languages, ResourceLanguageTest,
                         ::testing::Values(LanguageCase{kEnglish, "english"}, LanguageCase{kJapanese, "japanese"},
                                           LanguageCase{kGerman, "english"}),
                         [](const auto& info) {
                             return std::string(info.param.chosen == kGerman ? "GermanFallsBackToEnglish"
                                                : info.param.chosen == kJapanese ? "Japanese"
                                                                                 : "English");
                         });

TEST(ResourceLanguageChoice, AMissingDialogTemplateIsNull) {
    EXPECT_TRUE(ResourceLanguage::LoadDialogTemplate(IDD_TEST_MISSING).empty());
    EXPECT_FALSE(ResourceLanguage::LoadMenuResource(IDD_TEST_MISSING));
    EXPECT_FALSE(ResourceLanguage::LoadAcceleratorResource(IDD_TEST_MISSING));
}

}  // namespace
