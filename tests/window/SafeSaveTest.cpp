// The safe save of a file through the private-profile calls: the same bytes as the
// calls alone would leave, and a file left as it was when it cannot be written.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "SafeSave.h"
#include "TestPlatform.h"

namespace {

// Sections in another order, comments, blank lines, LF and CRLF, spaces around
// keys, a key twice and text in the system's code page: what users' files hold.
const char* const kUntidyFile =
    "; kept by hand\r\n[Schedule]\r\nSchedule=2026/5/5,Dentist, then lunch\r\nSchedule=2026/1/1\n\r\n"
    "[Wispane Calendar]\r\n  Config = 0,1\r\nFont=-11\r\nFont=-12\r\nOther=\xe5\xe6\r\n[JPN]\r\nDate=5/5,Day\r\n";

void WriteKeys(const std::string& path) {
    ::WritePrivateProfileStringA("Wispane Calendar", "Font", "-19,0,0,0,700,0,0,0,128,0,0,0,0", path.c_str());
    ::WritePrivateProfileStringA("Wispane Calendar", "FontFace", "Tahoma", path.c_str());
    ::WritePrivateProfileStringA("Wispane Calendar", "Config", "1,0,0,00ffffff,0,1,0,0000bf00,1", path.c_str());
    ::WritePrivateProfileStringA("New Section", "Key", "value", path.c_str());
    ::WritePrivateProfileSectionA("Schedule", "Schedule=2026/5/6,Moved\0", path.c_str());
}

class SafeSaveTest : public ::testing::Test {
protected:
    bool Save(const std::string& name) {
        return SaveSafely(folder_.File(name), [](const std::string& copy) {
            WriteKeys(copy);
            return true;
        });
    }

    TempDir folder_;
};

TEST_F(SafeSaveTest, LeavesTheBytesTheProfileCallsAloneWouldLeave) {
    for (const char* before : {kUntidyFile, ""}) {
        folder_.Write("direct.ini", before);
        folder_.Write("safe.ini", before);
        WriteKeys(folder_.File("direct.ini"));
        ASSERT_TRUE(Save("safe.ini"));
        EXPECT_EQ(folder_.Read("safe.ini"), folder_.Read("direct.ini"));
    }
    EXPECT_EQ(::GetFileAttributesA(SafeSaveCopyPath(folder_.File("safe.ini")).c_str()), INVALID_FILE_ATTRIBUTES)
        << "no copy is left beside the file";
}

TEST_F(SafeSaveTest, CreatesAMissingFileAndReplacesALeftoverCopy) {
    WriteKeys(folder_.File("direct.ini"));
    folder_.Write("safe.tmp", "[Left]\r\nFrom=a save that was killed\r\n");
    ASSERT_TRUE(Save("safe.ini"));
    EXPECT_EQ(folder_.Read("safe.ini"), folder_.Read("direct.ini"));
}

TEST_F(SafeSaveTest, AFileThatCannotBeWrittenStaysAsItWas) {
    folder_.Write("locked.ini", kUntidyFile);
    const std::string locked = folder_.File("locked.ini");
    ASSERT_TRUE(::SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(Save("locked.ini"));
    ::SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(folder_.Read("locked.ini"), kUntidyFile);

    folder_.Write("failed.ini", kUntidyFile);
    EXPECT_FALSE(SaveSafely(folder_.File("failed.ini"), [](const std::string& copy) {
        WriteKeys(copy);
        return false;
    }));
    EXPECT_EQ(folder_.Read("failed.ini"), kUntidyFile);
    EXPECT_FALSE(Save("no such folder\\settings.ini"));
}

}  // namespace
