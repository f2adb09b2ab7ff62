#include <gtest/gtest.h>

#include <string>

#include "IcsCalendarWriter.h"
#include "IcsText.h"

// One all-day event a note, ending on the next day (across a year end too), its
// text escaped; the same note gets the same UID in every export, another note another.
TEST(IcsCalendarWriter, NotesBecomeAllDayEventsWithStableIds) {
    const auto write = [](const std::string& text) {
        IcsCalendarWriter writer("20261210T120000Z");
        writer.AddNote(COleDateTime(2026, 12, 31), text);
        return writer.Finish();
    };
    const std::string file = write("Party; bring wine, cheese");
    const auto lines = ics::UnfoldLines(file);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 13u);
    EXPECT_EQ(lines->front(), "BEGIN:VCALENDAR");
    EXPECT_EQ((*lines)[1], "VERSION:2.0");
    EXPECT_EQ((*lines)[4], "BEGIN:VEVENT");
    EXPECT_EQ((*lines)[5].rfind("UID:20261231-", 0), 0u);
    EXPECT_EQ((*lines)[6], "DTSTAMP:20261210T120000Z");
    EXPECT_EQ((*lines)[7], "DTSTART;VALUE=DATE:20261231");
    EXPECT_EQ((*lines)[8], "DTEND;VALUE=DATE:20270101");
    EXPECT_EQ((*lines)[9], "SUMMARY:Party\\; bring wine\\, cheese");
    EXPECT_EQ(lines->back(), "END:VCALENDAR");
    EXPECT_EQ(file.find("\n"), file.find("\r\n") + 1) << "CRLF line ends";

    EXPECT_EQ(write("Party; bring wine, cheese"), file);
    EXPECT_NE(ics::UnfoldLines(write("Party"))->at(5), (*lines)[5]);
}
