#include <gtest/gtest.h>

#include <string>

#include "IcsText.h"

// Folded lines as calendars write them come back whole, whatever their line
// ends.
TEST(IcsText, LinesAreUnfoldedAcrossEveryKindOfLineEnd) {
    const auto lines = ics::UnfoldLines(
        "BEGIN:VEVENT\r\nSUMMARY:Piano\r\n  "
        "lesson\n\tat four\rEND:VEVENT\r\n\r\n");
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"BEGIN:VEVENT", "SUMMARY:Piano lessonat four", "END:VEVENT"}));
    EXPECT_FALSE(ics::UnfoldLines("SUMMARY:" + std::string(100, 'x'), 50)) << "a line over the limit";
    EXPECT_FALSE(ics::UnfoldLines("SUMMARY:x\r\n" + std::string(3, ' ') + std::string(60, 'y'), 50))
        << "a line that grows over the limit by its continuations";
}

// Folding keeps every line within 75 octets and never splits a UTF-8 character;
// unfolding gives back the line.
TEST(IcsText, FoldedLinesStayWithin75OctetsAndUnfoldToTheLine) {
    std::string japanese = "SUMMARY:";
    for (int i = 0; i < 40; ++i) japanese += "\xE6\x97\xA5\xE6\x9C\xAC";  // two characters of three octets
    for (const std::string &line : {std::string(200, 'a'), japanese, std::string("DTSTART:20261210")}) {
        const std::string folded = ics::FoldLine(line);
        std::size_t start = 0;
        for (std::size_t end; (end = folded.find("\r\n", start)) != std::string::npos; start = end + 2) {
            EXPECT_LE(end - start, 75u);
            if (end + 2 < folded.size()) {
                EXPECT_NE(static_cast<unsigned char>(folded[end + 3]) & 0xC0, 0x80u);
            }
        }
        EXPECT_EQ(start, folded.size()) << "ends with CRLF";
        const auto unfolded = ics::UnfoldLines(folded);
        ASSERT_TRUE(unfolded);
        EXPECT_EQ(*unfolded, std::vector<std::string>{line});
    }
}

TEST(IcsText, TextEscapesRoundTrip) {
    const std::string note = "Dentist; bring card, \\ form\r\nsecond line";
    EXPECT_EQ(ics::EscapeText(note), "Dentist\\; bring card\\, \\\\ form\\nsecond line");
    EXPECT_EQ(ics::UnescapeText(ics::EscapeText(note)), "Dentist; bring card, \\ form\nsecond line");
    EXPECT_EQ(ics::UnescapeText("a\\Nb\\:c\\"), "a\nb:c\\") << "capital N, an unknown escape, a lone backslash";
}

// Names and parameters as real calendars write them: any case, quoted values with
// colons, value lists; a line without its colon is no content line.
TEST(IcsText, ContentLinesSplitIntoNameParametersAndValue) {
    const auto line = ics::ParseContentLine("dtStart;tzid=\"Europe/Berlin: Summer\";Value=DATE-TIME:20261210T090000");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->name, "DTSTART");
    EXPECT_EQ(line->Parameter("TZID"), "Europe/Berlin: Summer");
    EXPECT_EQ(line->Parameter("VALUE"), "DATE-TIME");
    EXPECT_FALSE(line->Parameter("RANGE"));
    EXPECT_EQ(line->value, "20261210T090000");
    EXPECT_EQ(ics::ParseContentLine("EXDATE;VALUE=DATE:20261224,20261231")->value, "20261224,20261231");
    EXPECT_EQ(ics::ParseContentLine("SUMMARY:a:b;c")->value, "a:b;c");
    for (const char* bad : {"", ":value", "SUMMARY", "DTSTART;TZID=\"open:1", "DTSTART;=x:1", "DT START:1"}) {
        EXPECT_FALSE(ics::ParseContentLine(bad)) << bad;
    }
}
