#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProfileAccess.h"
#include "TestPlatform.h"

class ProfileAccessTest : public ::testing::TestWithParam<NamedPlatform> {
protected:
    PrivateProfile& Profile() const { return GetParam().platform->profile; }

    static std::vector<std::string> ScheduleLines(int count) {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) {
            lines.push_back("Schedule=" + std::to_string(i) + "/1/2026,entry " + std::to_string(i));
        }
        return lines;
    }

    static std::string FileOf(const std::vector<std::string>& lines) {
        std::string bytes = "[Main]\r\nKey=1\r\n[Schedule]\r\n";
        for (const std::string& line : lines) bytes += line + "\r\n";
        return bytes + "[After]\r\nx=1\r\n";
    }

    TempDir folder;
};

INSTANTIATE_TEST_SUITE_P(Services, ProfileAccessTest, ::testing::ValuesIn(AllTestPlatforms()),
                         [](const auto& info) { return info.param.name; });

TEST_P(ProfileAccessTest, ReadsOneValueOfUpTo4095Characters) {
    const std::string longest(4095, 'x');
    folder.Write("s.ini", "[Main]\r\nFont=-12,0\r\nLong=" + longest + "\r\nLonger=" + longest + "yz\r\n");
    const std::string path = folder.File("s.ini");
    EXPECT_EQ(ReadProfileString(Profile(), path, "Main", "Font"), "-12,0");
    EXPECT_EQ(ReadProfileString(Profile(), path, "Main", "Missing"), "");
    EXPECT_EQ(ReadProfileString(Profile(), folder.File("none.ini"), "Main", "Font"), "");
    EXPECT_EQ(ReadProfileString(Profile(), path, "Main", "Long"), longest);
    EXPECT_EQ(ReadProfileString(Profile(), path, "Main", "Longer"), longest);
}

TEST_P(ProfileAccessTest, ReadsAWholeSectionOfAnySize) {
    // 1022 characters fill the first buffer exactly and look cut; so do 2046.
    for (const std::size_t blockSize : {std::size_t{1022}, std::size_t{2046}, std::size_t{1023}}) {
        const std::string line = "Schedule=" + std::string(blockSize - 10, 'x');
        folder.Write("edge.ini", FileOf({line}));
        EXPECT_EQ(ReadProfileSection(Profile(), folder.File("edge.ini"), "Schedule"),
                  std::vector<std::string>{line});
    }

    const std::vector<std::string> lines = ScheduleLines(100'000);
    const std::string file = FileOf(lines);
    folder.Write("big.ini", file);
    EXPECT_EQ(ReadProfileSection(Profile(), folder.File("big.ini"), "Schedule"), lines);
    // The file's size makes the first buffer; a size too small for it still reads it whole.
    EXPECT_EQ(ReadProfileSection(Profile(), folder.File("big.ini"), "Schedule", file.size()), lines);
    EXPECT_EQ(ReadProfileSection(Profile(), folder.File("big.ini"), "Schedule", 5000), lines);
}

TEST_P(ProfileAccessTest, MissingSectionReadsAsNoLines) {
    folder.Write("s.ini", "[Main]\r\nKey=1\r\n[Schedule]\r\n");
    EXPECT_TRUE(ReadProfileSection(Profile(), folder.File("s.ini"), "Schedule").empty());
    EXPECT_TRUE(ReadProfileSection(Profile(), folder.File("s.ini"), "Other").empty());
    EXPECT_TRUE(ReadProfileSection(Profile(), folder.File("none.ini"), "Schedule").empty());
}

TEST_P(ProfileAccessTest, WritesAWholeSectionInPlace) {
    const std::string path = folder.File("s.ini");
    folder.Write("s.ini", FileOf(ScheduleLines(3)));
    const std::vector<std::string> lines = {"Schedule=1/5/2026,New year", "Schedule=1/6/2026,a, b,, c",
                                            "Schedule=1/7/2026,"};
    EXPECT_TRUE(WriteSectionLines(Profile(), path, "Schedule", lines));
    EXPECT_EQ(folder.Read("s.ini"), FileOf(lines));
    EXPECT_EQ(ReadProfileSection(Profile(), path, "Schedule"), lines);

    // An empty line would end the block early: it is skipped, the rest is kept.
    EXPECT_TRUE(WriteSectionLines(Profile(), path, "Schedule", {"Schedule=1/5/2026,a", "", "Schedule=1/6/2026,b"}));
    EXPECT_EQ(ReadProfileSection(Profile(), path, "Schedule"),
              (std::vector<std::string>{"Schedule=1/5/2026,a", "Schedule=1/6/2026,b"}));

    EXPECT_TRUE(WriteSectionLines(Profile(), path, "Schedule", {}));
    EXPECT_EQ(folder.Read("s.ini"), FileOf({}));
}

TEST_P(ProfileAccessTest, WritesALargeSectionThatReadsBackWhole) {
    const std::string path = folder.File("big.ini");
    const std::vector<std::string> lines = ScheduleLines(20'000);
    EXPECT_TRUE(WriteSectionLines(Profile(), path, "Schedule", lines));
    EXPECT_EQ(ReadProfileSection(Profile(), path, "Schedule"), lines);
}
