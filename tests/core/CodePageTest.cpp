#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "portable/CodePage.h"

#ifdef _WIN32
#include <windows.h>
#endif

struct CodePageName {
    unsigned id;
    std::string_view bytes;
    std::u16string_view text;
};

// A holiday's word in each single-byte code page, each with letters the others lack.
const CodePageName kNames[] = {
    {1250, "\x8c\x77\x69\xea\x74\x6f", u"Święto"},
    {1251, "\xc4\xe5\xed", u"Ден"},
    {1252, "F\xeate \x80", u"Fête €"},
    {1253, "\xbc\xf7\xe9", u"Όχι"},
    {1257, "Valstyb\xebs", u"Valstybės"},
};

class CodePageTest : public ::testing::TestWithParam<CodePageName> {};

INSTANTIATE_TEST_SUITE_P(Names, CodePageTest, ::testing::ValuesIn(kNames),
                         [](const auto& info) { return std::to_string(info.param.id); });

TEST_P(CodePageTest, ReadsAndWritesANameOfItsLanguage) {
    const CodePage page(GetParam().id);
    EXPECT_EQ(page.Id(), GetParam().id);
    EXPECT_EQ(page.ToUtf16(GetParam().bytes), GetParam().text);
    EXPECT_EQ(page.FromUtf16(GetParam().text), GetParam().bytes);
}

TEST(CodePage, WritesAQuestionMarkForACharacterItLacks) {
    EXPECT_EQ(CodePage(1251).FromUtf16(u"Święto"), "?wi?to");
    EXPECT_EQ(CodePage(1257).FromUtf16(u"Όχι €"), "??? \x80");
}

// Win32 gives the bytes a code page leaves unassigned characters of their own,
// so that they survive a round trip.
TEST(CodePage, KeepsTheBytesItLeavesUnassigned) {
    EXPECT_EQ(CodePage(1253).ToUtf16("\xaa\x81\xff"), u"\uF8F9\u0081\uF8FB");
    EXPECT_EQ(CodePage(1253).FromUtf16(u"\uF8F9\u0081\uF8FB"), "\xaa\x81\xff");
    EXPECT_EQ(CodePage(1257).ToUtf16("\xa1\xa5"), u"\uF8FC\uF8FD");
}

#ifdef _WIN32
// The portable tables against the system's, code by code, for every code page
// of a shipped holiday section.
TEST(CodePage, MatchesWin32OnEveryCode) {
    for (const unsigned id : {1250u, 1251u, 1252u, 1253u, 1257u}) {
        const CodePage page(id);
        int differences = 0;
        for (int byte = 1; byte < 256; ++byte) {
            const char single = static_cast<char>(byte);
            wchar_t wide = 0;
            MultiByteToWideChar(id, 0, &single, 1, &wide, 1);
            if (page.ToUtf16({&single, 1}) != std::u16string(1, static_cast<char16_t>(wide))) ++differences;
        }
        for (unsigned code = 1; code < 0x10000; ++code) {
            if (code >= 0xD800 && code < 0xE000) continue;
            const wchar_t wide = static_cast<wchar_t>(code);
            char single = 0;
            WideCharToMultiByte(id, WC_NO_BEST_FIT_CHARS, &wide, 1, &single, 1, nullptr, nullptr);
            if (page.FromUtf16(std::u16string(1, static_cast<char16_t>(code))) != std::string(1, single)) {
                ++differences;
            }
        }
        EXPECT_EQ(differences, 0) << "code page " << id;
    }
}
#endif
