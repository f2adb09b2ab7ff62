#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LocaleFacts.h"
#include "TestLocale.h"
#include "TestPlatform.h"
#include "portable/PortableLocaleFacts.h"

class LocaleFactsTest : public ::testing::TestWithParam<NamedPlatform> {
protected:
    void SetUp() override {
        if (LocaleOfTheRun() == TestLocale::Unknown) GTEST_SKIP() << "LC_ALL names no locale";
    }
    const LocaleFacts& Locale() const { return GetParam().platform->locale; }
    static bool Japanese() { return LocaleOfTheRun() == TestLocale::Japanese; }
};

INSTANTIATE_TEST_SUITE_P(Services, LocaleFactsTest, ::testing::ValuesIn(AllTestPlatforms()),
                         [](const auto& info) { return info.param.name; });

TEST_P(LocaleFactsTest, FollowsTheLocaleOfTheEnvironment) {
    EXPECT_EQ(Locale().UserDefaultLcid(), Japanese() ? 1041u : 1033u);
    EXPECT_EQ(Locale().AnsiCodePage(), Japanese() ? 932u : 1252u);
    EXPECT_EQ(Locale().ShortDateFormat(), Japanese() ? "yyyy/M/d" : "M/d/yyyy");
    EXPECT_EQ(Locale().TimeFormat(), Japanese() ? "H:mm:ss" : "h:mm:ss tt");
    EXPECT_EQ(Locale().TimeSeparator(), ":");
}

TEST_P(LocaleFactsTest, NamesTheCountryOfALocale) {
    EXPECT_EQ(Locale().CountryAbbreviation(1033), "USA");
    EXPECT_EQ(Locale().CountryAbbreviation(1041), "JPN");
    EXPECT_EQ(Locale().CountryAbbreviation(2057), "GBR");
    EXPECT_EQ(Locale().CountryAbbreviation(1031), "DEU");
    EXPECT_EQ(Locale().CountryAbbreviation(1036), "FRA");
    EXPECT_EQ(Locale().CountryAbbreviation(2052), "CHN");
    EXPECT_EQ(Locale().CountryAbbreviation(1042), "KOR");
    EXPECT_EQ(Locale().CountryAbbreviation(3084), "CAN");
    EXPECT_EQ(Locale().CountryAbbreviation(0x400), Japanese() ? "JPN" : "USA");
    EXPECT_EQ(Locale().CountryAbbreviation(9999), "");
}

TEST_P(LocaleFactsTest, ConvertsUtf8ToTheAnsiCodePage) {
    EXPECT_EQ(Locale().SystemTextFromUtf8(""), "");
    EXPECT_EQ(Locale().SystemTextFromUtf8("New Year's Day"), "New Year's Day");
    // A character the code page lacks is '?', one per UTF-16 unit; so is a
    // malformed byte.
    EXPECT_EQ(Locale().SystemTextFromUtf8("\xF0\x9F\x8E\x8D"), "??");
    EXPECT_EQ(Locale().SystemTextFromUtf8("a\xC3z\x80"), "a?z?");
    if (Japanese()) {
        EXPECT_EQ(Locale().SystemTextFromUtf8("春分の日"), "\x8f\x74\x95\xaa\x82\xcc\x93\xfa");
        EXPECT_EQ(Locale().SystemTextFromUtf8("表ソ ｱ"), "\x95\x5c\x83\x5c\x20\xb1");
        // Of the NEC and IBM copies of a kanji the IBM code is written.
        EXPECT_EQ(Locale().SystemTextFromUtf8("髙"), "\xfb\xfc");
        EXPECT_EQ(Locale().SystemTextFromUtf8("Café ¥"), "Caf? ?");
    } else {
        EXPECT_EQ(Locale().SystemTextFromUtf8("Café €"), "Caf\xe9 \x80");
        EXPECT_EQ(Locale().SystemTextFromUtf8("春分"), "??");
    }
}

TEST_P(LocaleFactsTest, ConvertsTheAnsiCodePageToUtf8) {
    EXPECT_EQ(Locale().Utf8FromSystemText(""), "");
    EXPECT_EQ(Locale().Utf8FromSystemText("Labor Day"), "Labor Day");
    if (Japanese()) {
        EXPECT_EQ(Locale().Utf8FromSystemText("\x8f\x74\x95\xaa\x82\xcc\x93\xfa"), "春分の日");
        EXPECT_EQ(Locale().Utf8FromSystemText("\x95\x5c\xb1\xed\x40\xfa\x40"), "表ｱ纊ⅰ");
        // A lead byte without its partner, or with one it is not assigned with.
        EXPECT_EQ(Locale().Utf8FromSystemText("a\x83"), "a・");
        EXPECT_EQ(Locale().Utf8FromSystemText("\x85\x40z"), "・z");
    } else {
        EXPECT_EQ(Locale().Utf8FromSystemText("Caf\xe9 \x80\x81"), "Café €\xC2\x81");
    }
}

// The portable code page tables against the platform's, code by code.
TEST(LocaleFactsComparison, PortableCodePageMatchesWin32) {
    const std::vector<NamedPlatform> platforms = AllTestPlatforms();
    if (platforms.size() < 2) GTEST_SKIP() << "only one set of services in this build";
    const LocaleFacts& portable = platforms[0].platform->locale;
    const LocaleFacts& win32 = platforms[1].platform->locale;
    ASSERT_EQ(portable.AnsiCodePage(), win32.AnsiCodePage());

    int differences = 0;
    const auto compare = [&](const std::string& text, const std::string& expected, const std::string& actual) {
        if (expected != actual && ++differences <= 10) {
            ADD_FAILURE() << "differs for " << ::testing::PrintToString(text);
        }
    };
    for (int first = 1; first < 256; ++first) {
        const std::string single(1, static_cast<char>(first));
        compare(single, win32.Utf8FromSystemText(single), portable.Utf8FromSystemText(single));
        for (int second = 1; second < 256 && portable.AnsiCodePage() == 932; ++second) {
            const std::string pair = single + static_cast<char>(second);
            compare(pair, win32.Utf8FromSystemText(pair), portable.Utf8FromSystemText(pair));
        }
    }
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000) continue;
        std::string utf8;
        if (c < 0x80) {
            utf8 = {static_cast<char>(c)};
        } else if (c < 0x800) {
            utf8 = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
        } else {
            utf8 = {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                    static_cast<char>(0x80 | (c & 0x3F))};
        }
        compare(utf8, win32.SystemTextFromUtf8(utf8), portable.SystemTextFromUtf8(utf8));
    }
    EXPECT_EQ(differences, 0);
}

// A system of a shipped country's locale reads text in that country's code page.
TEST(PortableLocaleFacts, ReadsTheCodePageOfItsSystemLocale) {
    const struct {
        std::uint32_t lcid;
        unsigned codePage;
    } locales[] = {{1045, 1250}, {1026, 1251}, {1032, 1253}, {1063, 1257}, {16393, 1252}, {1041, 932}, {9999, 1252}};
    for (const auto& [lcid, codePage] : locales) {
        EXPECT_EQ(PortableLocaleFacts(1033, lcid).AnsiCodePage(), codePage) << lcid;
    }
    const PortableLocaleFacts polish(1045, 1045);
    EXPECT_EQ(polish.UserDefaultLcid(), 1045u);
    EXPECT_EQ(polish.CountryAbbreviation(0x400), "POL");
    EXPECT_EQ(polish.Utf8FromSystemText("\x8c\x77\x69\xea\x74\x6f"), "Święto");
}
