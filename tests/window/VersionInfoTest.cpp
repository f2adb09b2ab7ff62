// The version reader on this program's own version resource (one string table,
// Japanese with Unicode code page) and on files without one.
#include <gtest/gtest.h>

#include "CWinApp.h"
#include "TestPlatform.h"
#include "VersionInfo.h"

namespace {

constexpr std::uint32_t kJapaneseUnicode = 0x041104B0;
constexpr std::uint32_t kEnglishUnicode = 0x040904B0;

TEST(VersionInfoTest, ReadsTheNamedStringsOfTheFirstTranslation) {
    const VersionInfo version = VersionInfo::OfProgram();
    EXPECT_EQ(version.ProductName(), version.Get("ProductName", kJapaneseUnicode)) << "the first translation";
    EXPECT_EQ(version.ProductName() + " v" + version.FileVersion(), "Wispane Calendar v2.1");
    EXPECT_FALSE(version.CompanyName().empty());
    EXPECT_FALSE(version.Copyright().empty());
    EXPECT_EQ(version.Get("NoSuchName"), "");
}

TEST(VersionInfoTest, AnExplicitTranslationOverridesTheStoredOne) {
    VersionInfo version;
    ASSERT_TRUE(version.Open(CWinApp::GetModulePath()));
    EXPECT_EQ(version.Get("ProductName", kJapaneseUnicode), "Wispane Calendar");
    EXPECT_EQ(version.Get("ProductName", kEnglishUnicode), "") << "the resource has no English table";
}

TEST(VersionInfoTest, AFileWithoutVersionResourceLeavesTheReaderClosed) {
    TempDir folder;
    folder.Write("plain.txt", "no version here");
    VersionInfo version;
    EXPECT_FALSE(version.Open(folder.File("plain.txt")));
    EXPECT_FALSE(version.Open(folder.File("missing.exe")));
    EXPECT_EQ(version.ProductName(), "");
}

TEST(VersionInfoTest, CloseForgetsTheResource) {
    VersionInfo version;
    ASSERT_TRUE(version.Open(CWinApp::GetModulePath()));
    version.Close();
    EXPECT_EQ(version.ProductName(), "");
    EXPECT_EQ(version.Get("ProductName", kJapaneseUnicode), "");
}

TEST(VersionInfoTest, OpeningAnotherFileReplacesTheFirst) {
    TempDir folder;
    folder.Write("plain.txt", "no version here");
    VersionInfo version;
    ASSERT_TRUE(version.Open(CWinApp::GetModulePath()));
    EXPECT_FALSE(version.Open(folder.File("plain.txt")));
    EXPECT_EQ(version.ProductName(), "") << "a failed open leaves nothing of the earlier file";
}

}  // namespace
