#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "DateKeys.h"
#include "LocaleFacts.h"
#include "ScheduleIcs.h"
#include "ScheduleStore.h"
#include "TestPlatform.h"

namespace {

using Lines = std::vector<std::string>;

std::string Key(int year, int month, int day) { return TestPlatform().dateKeys.Format(COleDateTime(year, month, day)); }

std::string AllDayEvent(const std::string& day, const std::string& summary) {
    return "BEGIN:VEVENT\r\nUID:" + day + summary.substr(0, 1) + "\r\nDTSTART;VALUE=DATE:" + day + "\r\nSUMMARY:" +
           summary + "\r\nEND:VEVENT\r\n";
}

std::string Calendar(const std::string& events) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + events + "END:VCALENDAR\r\n";
}

ScheduleJoinCounts Import(const std::string& file, ScheduleStore& store) {
    auto result = ImportSchedules(file, store, TestPlatform());
    EXPECT_TRUE(std::holds_alternative<ScheduleImport>(result));
    return std::holds_alternative<ScheduleImport>(result) ? std::get<ScheduleImport>(result).counts
                                                          : ScheduleJoinCounts{};
}

// Texts of every kind a note holds survive the way out and back in, line for line.
TEST(ScheduleIcs, ExportedNotesImportIntoAnEmptyStoreAsTheyWere) {
    const LocaleFacts& locale = TestPlatform().locale;
    const std::string texts[] = {"歯医者 10:00", "Trip, with commas, kept", "\"Quoted\" and 'single'",
                                 "Semicolon; backslash \\ end", std::string(300, 'x') + " long line 長い行"};
    Lines lines;
    for (int index = 0; index < 1000; ++index) {
        const std::string text = locale.SystemTextFromUtf8(texts[index % 5] + " #" + std::to_string(index));
        lines.push_back("Schedule=" + TestPlatform().dateKeys.Format(COleDateTime(2024, 1, 1) + index * 3) + "," +
                        text);
    }
    ScheduleStore full;
    full.LoadLines(lines);
    const ScheduleExport exported = ExportSchedules(full, TestPlatform());
    EXPECT_EQ(exported.notes, 1000u);
    EXPECT_EQ(exported.skipped, 0u);
    for (std::size_t at = 0; (at = exported.file.find('\n', at)) != std::string::npos; ++at) {
        ASSERT_EQ(exported.file[at - 1], '\r');
    }

    ScheduleStore empty;
    const ScheduleJoinCounts counts = Import(exported.file, empty);
    EXPECT_EQ(counts.added, 1000u);
    EXPECT_EQ(counts.joined, 0u);
    EXPECT_EQ(empty.SectionLines(), full.SectionLines());
}

TEST(ScheduleIcs, ImportJoinsTextsToADaysNoteOnceAndAgainChangesNothing) {
    ScheduleStore store;
    store.LoadLines({"Schedule=" + Key(2026, 3, 1) + ",Dentist", "Old=" + Key(2026, 3, 9) + ",Kept as it is"});
    const std::string file = Calendar(AllDayEvent("20260301", "Dentist") + AllDayEvent("20260301", "Piano") +
                                      AllDayEvent("20260302", "Trip") + AllDayEvent("20260302", "Trip") +
                                      AllDayEvent("20260302", "Pack") + AllDayEvent("20260302", "Swim\\; pool B"));
    const ScheduleJoinCounts first = Import(file, store);
    EXPECT_EQ(first.added, 1u);
    EXPECT_EQ(first.joined, 3u);
    EXPECT_EQ(first.present, 2u);
    EXPECT_EQ(*store.Find(Key(2026, 3, 1)), "Dentist; Piano");
    EXPECT_EQ(*store.Find(Key(2026, 3, 2)), "Trip; Pack; Swim; pool B");
    const Lines once = store.SectionLines();

    const ScheduleJoinCounts second = Import(file, store);
    EXPECT_EQ(second.added + second.joined, 0u);
    EXPECT_EQ(second.present, 6u) << "a text with the separator in it is found too";
    EXPECT_EQ(store.SectionLines(), once);
    EXPECT_EQ(*store.Find(Key(2026, 3, 9)), "Kept as it is");
}

TEST(ScheduleIcs, AFileThatIsNotACalendarLeavesTheStoreAsItWas) {
    ScheduleStore store;
    store.LoadLines({"Schedule=" + Key(2026, 3, 1) + ",Dentist"});
    const Lines before = store.SectionLines();
    for (const std::string& file :
         {std::string("PK\x03\x04 binary", 10), Calendar(AllDayEvent("20260301", "x")).substr(0, 90)}) {
        EXPECT_TRUE(std::holds_alternative<IcsReadError>(ImportSchedules(file, store, TestPlatform())));
        EXPECT_EQ(store.SectionLines(), before);
    }
}

// A letter the code page lacks becomes its look-alike where the system has one, else '?'.
TEST(ScheduleIcs, TextsTheCodePageCannotSpellStayVisible) {
    ScheduleStore store;
    Import(Calendar(AllDayEvent("20260301", "\xC5\x81\xC3\xB3" "d\xC5\xBA \xF0\x9F\x8E\x82")), store);
    const std::string* text = store.Find(Key(2026, 3, 1));
    ASSERT_NE(text, nullptr);
    // The cake is one '?' for each half of its surrogate pair, as Win32 gives.
    if (TestPlatform().locale.AnsiCodePage() == 1252) {
        EXPECT_EQ(*text, "L\xF3" "dz ??");
    }
    EXPECT_EQ(text->find('\0'), std::string::npos);
    EXPECT_EQ(text->back(), '?');
}

}  // namespace
