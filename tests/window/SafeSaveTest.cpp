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

// A save that would leave the same bytes leaves the file alone, time stamp and all.
TEST_F(SafeSaveTest, ASaveThatChangesNothingDoesNotTouchTheFile) {
    folder_.Write("same.ini", "");
    ASSERT_TRUE(Save("same.ini"));
    const std::string saved = folder_.Read("same.ini");
    const std::string path = folder_.File("same.ini");
    const FILETIME old{0x10000000, 0x01D00000};  // a day long ago
    {
        HANDLE file = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        ::SetFileTime(file, nullptr, nullptr, &old);
        ::CloseHandle(file);
    }
    ASSERT_TRUE(Save("same.ini"));
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(::CompareFileTime(&data.ftLastWriteTime, &old), 0);
    EXPECT_EQ(folder_.Read("same.ini"), saved);
}

// The replaced file is the same file to the user: its hidden and system marks stay,
// and every name of a hard-linked file shows the new contents.
TEST_F(SafeSaveTest, TheReplacedFileKeepsItsAttributesAndItsNames) {
    folder_.Write("marked.ini", kUntidyFile);
    const std::string marked = folder_.File("marked.ini");
    ASSERT_TRUE(::SetFileAttributesA(marked.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(Save("marked.ini"));
    EXPECT_EQ(::GetFileAttributesA(marked.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    ::SetFileAttributesA(marked.c_str(), FILE_ATTRIBUTE_NORMAL);

    folder_.Write("linked.ini", kUntidyFile);
    const std::string other = folder_.File("other name.ini");
    ASSERT_TRUE(::CreateHardLinkA(other.c_str(), folder_.File("linked.ini").c_str(), nullptr));
    ASSERT_TRUE(Save("linked.ini"));
    EXPECT_NE(folder_.Read("linked.ini"), kUntidyFile);
    EXPECT_EQ(folder_.Read("other name.ini"), folder_.Read("linked.ini"));
}

}  // namespace
