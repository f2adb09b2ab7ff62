#include <gtest/gtest.h>

#include "ProgramFolder.h"

namespace {

struct ProgramFolderCase {
    const char* programPath;
    const char* expected;
};

class ProgramFolderTest : public ::testing::TestWithParam<ProgramFolderCase> {};

TEST_P(ProgramFolderTest, PutsTheFileBesideTheProgram) {
    EXPECT_EQ(FileInProgramFolder(GetParam().programPath, "Wispane Calendar.ini"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ProgramFolderTest,
    ::testing::Values(ProgramFolderCase{"C:\\Tools\\cal.exe", "C:\\Tools\\Wispane Calendar.ini"},
                      ProgramFolderCase{"C:\\cal.exe", "C:\\Wispane Calendar.ini"},
                      ProgramFolderCase{"\\\\server\\share\\bin\\cal.exe", "\\\\server\\share\\bin\\Wispane Calendar.ini"},
                      ProgramFolderCase{"C:/mixed\\dir.v2/cal", "C:/mixed\\dir.v2/Wispane Calendar.ini"},
                      ProgramFolderCase{"C:cal.exe", "C:Wispane Calendar.ini"},
                      ProgramFolderCase{"cal.exe", "Wispane Calendar.ini"}));

}  // namespace
