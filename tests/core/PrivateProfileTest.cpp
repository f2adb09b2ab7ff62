#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PrivateProfile.h"
#include "TestPlatform.h"

using namespace std::string_literals;

// Every case runs against each set of services the build has, on the same
// files: the Win32 functions (under Wine) are the reference for the portable ones.
class PrivateProfileTest : public ::testing::TestWithParam<NamedPlatform> {
protected:
    PrivateProfile& Profile() const { return GetParam().platform->profile; }
    std::string Path(const std::string& name) const { return folder.File(name); }

    std::string Get(const std::string& file, const char* section, const char* key,
                    const char* defaultValue = "DEF", std::size_t size = 4096) const {
        std::vector<char> buffer(size + 1, '#');
        const std::size_t length = Profile().GetString(section, key, defaultValue, buffer.data(), size,
                                                       Path(file).c_str());
        EXPECT_LT(length, std::max<std::size_t>(size, 1));
        if (size > 0) {
            EXPECT_EQ(buffer[length], '\0');
        }
        return std::string(buffer.data(), length);
    }

    // The block as returned, without its closing NUL, which is checked.
    std::string Section(const std::string& file, const char* section, std::size_t size = 4096) const {
        std::vector<char> buffer(size + 1, '#');
        const std::size_t length = Profile().GetSection(section, buffer.data(), size, Path(file).c_str());
        EXPECT_LE(length + 1, size);
        EXPECT_EQ(buffer[length], '\0');
        if (length == 0 && size >= 2) {
            EXPECT_EQ(buffer[1], '\0');
        }
        return std::string(buffer.data(), length);
    }

    bool Write(const std::string& file, const char* section, const char* key, const char* value) {
        return Profile().WriteString(section, key, value, Path(file).c_str());
    }

    bool WriteSection(const std::string& file, const char* section, const std::string& block) {
        return Profile().WriteSection(section, block.c_str(), Path(file).c_str());
    }

    TempDir folder;
};

INSTANTIATE_TEST_SUITE_P(Services, PrivateProfileTest, ::testing::ValuesIn(AllTestPlatforms()),
                         [](const auto& info) { return info.param.name; });

TEST_P(PrivateProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(Get("missing.ini", "S", "k"), "DEF");
    EXPECT_EQ(Get("missing.ini", "S", "k", "  def with spaces  "), "  def with spaces");
    EXPECT_EQ(Get("missing.ini", "S", "k", nullptr), "");
    EXPECT_EQ(Section("missing.ini", "S"), "");

    folder.Write("a.ini", "[S]\r\nk=v\r\nempty=\r\n[T]\r\n");
    EXPECT_EQ(Get("a.ini", "X", "k"), "DEF");
    EXPECT_EQ(Get("a.ini", "S", "x"), "DEF");
    EXPECT_EQ(Get("a.ini", "S", "empty"), "");
    EXPECT_EQ(Section("a.ini", "X"), "");
    EXPECT_EQ(Section("a.ini", "T"), "");
}

TEST_P(PrivateProfileTest, NamesIgnoreCaseAndBlanksAroundNamesAndValuesAreDropped) {
    folder.Write("ws.ini", "  [  Sec  ]  \r\n   key  =   value with  inner  \t \r\n\tk2\t=\tv2\x1A\r\n");
    EXPECT_EQ(Get("ws.ini", "sEC", "KEY"), "value with  inner");
    EXPECT_EQ(Get("ws.ini", "  Sec  ", "  key  "), "value with  inner");
    EXPECT_EQ(Get("ws.ini", "Sec", "k2"), "v2");
    EXPECT_EQ(Section("ws.ini", "SEC"), "key=value with  inner\0k2=v2\0"s);
    // The whole-section call takes the name as it is given.
    EXPECT_EQ(Section("ws.ini", "  Sec  "), "");
}

TEST_P(PrivateProfileTest, FirstOfDuplicateKeysAndSectionsCounts) {
    folder.Write("dup.ini", "[S]\r\nk=first\r\nK=second\r\n[S]\r\nk=third\r\nz=later\r\n");
    EXPECT_EQ(Get("dup.ini", "S", "k"), "first");
    EXPECT_EQ(Get("dup.ini", "S", "z"), "DEF");
    EXPECT_EQ(Section("dup.ini", "S"), "k=first\0K=second\0"s);
}

TEST_P(PrivateProfileTest, ValueRunsFromTheFirstEqualsSign) {
    folder.Write("eq.ini", "[S]\r\nk=a=b=c\r\n=novalue\r\n k2 = = x \r\n");
    EXPECT_EQ(Get("eq.ini", "S", "k"), "a=b=c");
    EXPECT_EQ(Get("eq.ini", "S", "k2"), "= x");
    EXPECT_EQ(Get("eq.ini", "S", ""), "novalue");
    EXPECT_EQ(Section("eq.ini", "S"), "k=a=b=c\0=novalue\0k2== x\0"s);
}

TEST_P(PrivateProfileTest, SectionLeavesOutCommentsAndBlankLinesButKeepsLinesWithoutEquals) {
    folder.Write("cm.ini",
                 "; top comment\r\n[S]\r\n;comment=x\r\n# hash=y\r\nnoequals\r\n  spaced noeq  \r\n\r\nk=v\r\n\r\n"
                 "[T]\r\nt=1\r\n");
    EXPECT_EQ(Section("cm.ini", "S"), "# hash=y\0noequals\0spaced noeq\0k=v\0"s);
    EXPECT_EQ(Get("cm.ini", "S", "noequals"), "DEF");
    EXPECT_EQ(Get("cm.ini", "S", "# hash"), "y");
}

TEST_P(PrivateProfileTest, OneValueLosesItsSurroundingQuotesButTheSectionKeepsThem) {
    folder.Write("q.ini", "[S]\r\na=\"quoted\"\r\nb='single'\r\nc=\"half\r\nd=\"x\" y\"\r\ne=\"\r\n");
    EXPECT_EQ(Get("q.ini", "S", "a"), "quoted");
    EXPECT_EQ(Get("q.ini", "S", "b"), "single");
    EXPECT_EQ(Get("q.ini", "S", "c"), "\"half");
    EXPECT_EQ(Get("q.ini", "S", "d"), "x\" y");
    EXPECT_EQ(Get("q.ini", "S", "e"), "\"");
    EXPECT_EQ(Section("q.ini", "S"), "a=\"quoted\"\0b='single'\0c=\"half\0d=\"x\" y\"\0e=\"\0"s);
}

TEST_P(PrivateProfileTest, SectionHeadersEndAtTheLastBracket) {
    folder.Write("hdr.ini", "[S\r\nk=v\r\n[T]x\r\nt=1\r\n[U]]\r\nu=1\r\n");
    EXPECT_EQ(Get("hdr.ini", "S", "k"), "DEF");
    EXPECT_EQ(Get("hdr.ini", "T", "t"), "1");
    EXPECT_EQ(Get("hdr.ini", "U]", "u"), "1");
}

TEST_P(PrivateProfileTest, ReadsLfCrAndCrLfLineEnds) {
    folder.Write("lf.ini", "[S]\nk=v\nk2=v2\n[T]\nx=y");
    folder.Write("cr.ini", "[S]\rk=v\rk2=v2\r");
    for (const char* file : {"lf.ini", "cr.ini"}) {
        EXPECT_EQ(Get(file, "S", "k2"), "v2") << file;
        EXPECT_EQ(Section(file, "S"), "k=v\0k2=v2\0"s) << file;
    }
    EXPECT_EQ(Get("lf.ini", "T", "x"), "y");
}

TEST_P(PrivateProfileTest, SectionThatDoesNotFitIsCutAndReportedAsSizeMinusTwo) {
    folder.Write("big.ini", "[S]\r\naaaa=1111\r\nbbbb=2222\r\ncccc=3333\r\n");
    const std::string whole = "aaaa=1111\0bbbb=2222\0cccc=3333\0"s;
    EXPECT_EQ(Section("big.ini", "S", 2), "");
    EXPECT_EQ(Section("big.ini", "S", 3), "a");
    EXPECT_EQ(Section("big.ini", "S", 11), "aaaa=1111");
    EXPECT_EQ(Section("big.ini", "S", 12), "aaaa=1111\0"s);
    EXPECT_EQ(Section("big.ini", "S", 21), "aaaa=1111\0bbbb=2222"s);
    // One character short: the block fits without its final NUL only, so it is cut.
    EXPECT_EQ(Section("big.ini", "S", 31), whole.substr(0, 29));
    EXPECT_EQ(Section("big.ini", "S", 32), whole);
    EXPECT_EQ(Section("big.ini", "S", 33), whole);
}

TEST_P(PrivateProfileTest, ValueIsCutToTheBuffer) {
    folder.Write("v.ini", "[S]\r\nk=12345\r\n");
    EXPECT_EQ(Get("v.ini", "S", "k", "DEF", 1), "");
    EXPECT_EQ(Get("v.ini", "S", "k", "DEF", 3), "12");
    EXPECT_EQ(Get("v.ini", "S", "k", "DEF", 6), "12345");
    EXPECT_EQ(Get("v.ini", "S", "x", "DEFAULT", 4), "DEF");
}

TEST_P(PrivateProfileTest, Code932TextPassesThroughUnchanged) {
    // Shift_JIS whose second bytes include '\' (0x5C) and '{' (0x7B); every byte
    // of it also stands for itself in code page 1252.
    const std::string holiday = "\x8f\x74\x95\xaa\x82\xcc\x93\xfa";  // 春分の日
    const std::string software = "\x83\x5c\x83\x74\x83\x67";         // ソフト
    const std::string table = "\x95\x5c";                            // 表
    folder.Write("jp.ini", "[S]\r\n" + table + "=" + holiday + "\r\nk=" + software + "\r\n");
    EXPECT_EQ(Get("jp.ini", "S", table.c_str()), holiday);
    EXPECT_EQ(Get("jp.ini", "S", "k"), software);
    EXPECT_EQ(Section("jp.ini", "S"), table + "=" + holiday + '\0' + "k=" + software + '\0');
    const std::string japan = "\x93\xfa\x96\x7b\x5c";  // 日本 and a backslash
    EXPECT_TRUE(Write("jp.ini", "S", "k2", japan.c_str()));
    EXPECT_EQ(folder.Read("jp.ini"),
              "[S]\r\n" + table + "=" + holiday + "\r\nk=" + software + "\r\nk2=" + japan + "\r\n");
}

TEST_P(PrivateProfileTest, WriteStringCreatesTheFileTheSectionAndTheKey) {
    EXPECT_TRUE(Write("new.ini", "Main", "Key", "Value"));
    EXPECT_EQ(folder.Read("new.ini"), "[Main]\r\nKey=Value\r\n");
    EXPECT_TRUE(Write("new.ini", "Main", "Key2", "V2"));
    EXPECT_TRUE(Write("new.ini", "main", "key", "Replaced"));
    EXPECT_TRUE(Write("new.ini", "Other", "x", "1"));
    EXPECT_TRUE(Write("new.ini", "Main", "Key3", "  lead and trail  "));
    EXPECT_EQ(folder.Read("new.ini"),
              "[Main]\r\nKey=Replaced\r\nKey2=V2\r\nKey3=lead and trail  \r\n[Other]\r\nx=1\r\n");
    EXPECT_EQ(Get("new.ini", "Main", "Key3"), "lead and trail");
    // The next write rewrites the file as read, without the trailing blanks.
    EXPECT_TRUE(Write("new.ini", "Main", "Empty", ""));
    EXPECT_EQ(folder.Read("new.ini"),
              "[Main]\r\nKey=Replaced\r\nKey2=V2\r\nKey3=lead and trail\r\nEmpty=\r\n[Other]\r\nx=1\r\n");
    EXPECT_EQ(Get("new.ini", "Main", "Empty"), "");
}

TEST_P(PrivateProfileTest, WriteStringRewritesTheFileInWin32Form) {
    folder.Write("keep.ini", "; comment\r\n[Main]\r\n  a  =  1  \r\nnoeq\r\n\r\n;c2\r\nb=2\r\n\r\n[ Z ]\r\nz=9");
    EXPECT_TRUE(Write("keep.ini", "Main", "b", "22"));
    EXPECT_EQ(folder.Read("keep.ini"), "; comment\r\n[Main]\r\na=1\r\nnoeq\r\n;c2\r\nb=22\r\n[Z]\r\nz=9\r\n");

    folder.Write("lf.ini", "[Main]\na=1\n[Z]\nz=2\n");
    EXPECT_TRUE(Write("lf.ini", "Main", "b", "2"));
    EXPECT_EQ(folder.Read("lf.ini"), "[Main]\r\na=1\r\nb=2\r\n[Z]\r\nz=2\r\n");

    // The same value again changes nothing, not even the blank lines.
    folder.Write("same.ini", "\r\n[S]\r\n\r\nk=1\r\n\r\n");
    EXPECT_TRUE(Write("same.ini", "S", "k", "1"));
    EXPECT_EQ(folder.Read("same.ini"), "\r\n[S]\r\n\r\nk=1\r\n\r\n");

    // A key without '=' gets the value; of duplicates the first is replaced.
    folder.Write("dup.ini", "[S]\r\nnoeq\r\nk=1\r\nk=2\r\n");
    EXPECT_TRUE(Write("dup.ini", "S", "noeq", "set"));
    EXPECT_TRUE(Write("dup.ini", "S", "k", "3"));
    EXPECT_EQ(folder.Read("dup.ini"), "[S]\r\nnoeq=set\r\nk=3\r\nk=2\r\n");
}

TEST_P(PrivateProfileTest, WriteSectionReplacesTheWholeSection) {
    folder.Write("sec.ini", "[A]\r\na=1\r\n[Schedule]\r\nSchedule=old\r\nother=x\r\n[B]\r\nb=2\r\n");
    EXPECT_TRUE(WriteSection("sec.ini", "schedule",
                             "Schedule=1/2/2003,one\0Schedule=1/3/2003,two, with comma\0noequals\0  sp  =  x  \0"
                             "=empty\0\0"s));
    EXPECT_EQ(folder.Read("sec.ini"),
              "[A]\r\na=1\r\n[Schedule]\r\nSchedule=1/2/2003,one\r\nSchedule=1/3/2003,two, with comma\r\n"
              "sp  =x  \r\n=empty\r\n[B]\r\nb=2\r\n");
    EXPECT_EQ(Section("sec.ini", "Schedule"),
              "Schedule=1/2/2003,one\0Schedule=1/3/2003,two, with comma\0sp=x\0=empty\0"s);

    EXPECT_TRUE(WriteSection("sec.ini", "New", "k=v\0k=v\0\0"s));
    EXPECT_TRUE(WriteSection("sec.ini", "Schedule", "\0"s));
    EXPECT_EQ(folder.Read("sec.ini"), "[A]\r\na=1\r\n[Schedule]\r\n[B]\r\nb=2\r\n[New]\r\nk=v\r\nk=v\r\n");
}

TEST_P(PrivateProfileTest, WriteSectionCreatesTheFileButNotForAnEmptyBlock) {
    EXPECT_TRUE(WriteSection("empty.ini", "Schedule", "\0"s));
    EXPECT_EQ(folder.Read("empty.ini"), "");
    EXPECT_EQ(Section("empty.ini", "Schedule"), "");

    EXPECT_TRUE(WriteSection("new.ini", "Schedule", "Schedule=a,b\0\0"s));
    EXPECT_EQ(folder.Read("new.ini"), "[Schedule]\r\nSchedule=a,b\r\n");

    // Every section of the name is emptied; the lines go to the first.
    folder.Write("dupsec.ini", "[S]\r\na=1\r\n[T]\r\nt=1\r\n[S]\r\nb=2\r\n");
    EXPECT_TRUE(WriteSection("dupsec.ini", "S", "c=3\0\0"s));
    EXPECT_EQ(folder.Read("dupsec.ini"), "[S]\r\nc=3\r\n[T]\r\nt=1\r\n[S]\r\n");
}

TEST_P(PrivateProfileTest, WritingIntoAMissingFolderFails) {
    const std::string path = folder.File("no such folder") + "/x.ini";
    EXPECT_FALSE(Profile().WriteString("S", "k", "v", path.c_str()));
    EXPECT_FALSE(Profile().WriteSection("S", "k=v\0\0", path.c_str()));
}
