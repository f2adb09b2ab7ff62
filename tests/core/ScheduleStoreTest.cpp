#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "CalendarModelFixture.h"
#include "MultibyteLess.h"
#include "Platform.h"
#include "ProfileAccess.h"
#include "ProfileSectionCache.h"
#include "ScheduleStore.h"

namespace {

using Lines = std::vector<std::string>;

TEST(ScheduleStore, ReadsDateKeyAndTextFromEachLine) {
    ScheduleStore store;
    store.LoadLines({"Schedule=5/3/2026,Trip, with commas, kept", "Schedule=5/4/2026,", "Anything=5/5/2026,key not examined",
                     "no equals sign", "Schedule=no comma at all"});
    ASSERT_NE(store.Find("5/3/2026"), nullptr);
    EXPECT_EQ(*store.Find("5/3/2026"), "Trip, with commas, kept");
    EXPECT_EQ(*store.Find("5/4/2026"), "");
    EXPECT_EQ(*store.Find("5/5/2026"), "key not examined");
    ASSERT_NE(store.Find(""), nullptr);  // lines without a comma: an entry that matches no day
    EXPECT_EQ(*store.Find(""), "no equals sign");
    EXPECT_EQ(store.Find("5/6/2026"), nullptr);
}

TEST(ScheduleStore, FirstLineOfADateWins) {
    ScheduleStore store;
    store.LoadLines({"Schedule=1/2/2026,first", "Schedule=1/2/2026,second"});
    EXPECT_EQ(*store.Find("1/2/2026"), "first");
    EXPECT_EQ(store.entries().size(), 1u);
}

TEST(ScheduleStore, LoadReplacesTheEntries) {
    ScheduleStore store;
    store.LoadLines({"Schedule=a,1"});
    store.LoadLines({"Schedule=b,2"});
    EXPECT_EQ(store.Find("a"), nullptr);
    EXPECT_NE(store.Find("b"), nullptr);
}

// Delete takes the one line it names: duplicates, lines without a comma and other
// keys stay as they were, lines of one date in their order.
TEST(ScheduleStore, EraseTakesOneLineAndWritesEveryOtherSortedStably) {
    ScheduleStore store;
    store.LoadLines({"Schedule=9/1/2003,nine", "Schedule=10/1/2003,ten", "Schedule=9/1/2003,dup",
                     "Schedule=9/1/2003,nine", "Other=2003-09-02,foreign form", "no comma"});
    EXPECT_TRUE(store.Erase("9/1/2003", "nine"));
    EXPECT_FALSE(store.Erase("10/1/2003", "not its text"));
    EXPECT_FALSE(store.Erase("not there", ""));
    EXPECT_EQ(*store.Find("9/1/2003"), "dup") << "the next note of the day shows";
    EXPECT_EQ(store.SectionLines(), (Lines{"no comma", "Schedule=10/1/2003,ten", "Other=2003-09-02,foreign form",
                                           "Schedule=9/1/2003,dup", "Schedule=9/1/2003,nine"}));
    EXPECT_TRUE(store.Erase("", "no comma"));
    EXPECT_EQ(store.SectionLines().size(), 4u);
}

TEST(MultibyteLess, OrdersDoubleByteCharactersAsUnits) {
    const std::string kana = "\xB1";            // half-width katakana: one byte
    const std::string kanji = "\x88\xA0";       // a double-byte character
    EXPECT_TRUE(MultibyteLess(932)(kana, kanji));   // 0xB1 < 0x88A0
    EXPECT_TRUE(MultibyteLess(1252)(kanji, kana));  // byte order
    EXPECT_TRUE(MultibyteLess(932)("10/1/2003", "9/1/2003"));
    // The difference lies in a trail byte, or after a shared prefix.
    EXPECT_TRUE(MultibyteLess(932)("\x88\xA0", "\x88\xA1"));
    EXPECT_FALSE(MultibyteLess(932)("a\x88\x40", "a\xB1"));
    EXPECT_TRUE(MultibyteLess(932)("a\xB1", "a\x88\x40"));
    EXPECT_TRUE(MultibyteLess(1252)("a\x88\x40", "a\xB1"));
    EXPECT_TRUE(MultibyteLess(932)("a", "ab"));
    EXPECT_FALSE(MultibyteLess(932)("ab", "ab"));
}

using ScheduleSectionTest = CalendarModelTest;

TEST_F(ScheduleSectionTest, DeleteRewritesOnlyTheScheduleSection) {
    const std::string first = Key(2026, 1, 9);
    const std::string second = Key(2026, 1, 10);
    WriteSettings("[Wispane Calendar]\r\nConfig=1,0,0,00ffffff,0,1,0,0000bf00,1\r\n[Schedule]\r\nSchedule=" + second +
                  ",B\r\nSchedule=" + first + ",A\r\nSchedule=" + first + ",A again\r\nSchedule=13.13.13,kept\r\n");
    model.LoadSchedules();
    ASSERT_NE(model.FindSchedule(second), nullptr);
    EXPECT_TRUE(model.EraseSchedules(second, "B"));
    model.WriteSchedulesSection(model.settingsFilePath);

    Lines expected{"Schedule=" + first + ",A", "Schedule=" + first + ",A again", "Schedule=13.13.13,kept"};
    if (MultibyteLess()("13.13.13", first)) std::rotate(expected.begin(), expected.begin() + 2, expected.end());
    EXPECT_EQ(ReadProfileSection(TestPlatform().profile, model.settingsFilePath, "Schedule"), expected);
    EXPECT_EQ(ReadProfileString(TestPlatform().profile, model.settingsFilePath, "Wispane Calendar", "Config"),
              "1,0,0,00ffffff,0,1,0,0000bf00,1");
}

TEST_F(ScheduleSectionTest, MissingFileGivesAnEmptyStore) {
    model.LoadSchedules();
    EXPECT_TRUE(model.schedules().entries().empty());
}

TEST_F(ScheduleSectionTest, LargeSectionIsReadWhole) {
    std::string ini = "[Schedule]\r\n";
    for (int i = 0; i < 5000; ++i) ini += "Schedule=key" + std::to_string(i) + ",some text for the entry\r\n";
    WriteSettings(ini);
    model.LoadSchedules();
    EXPECT_EQ(model.schedules().entries().size(), 5000u);
    EXPECT_NE(model.FindSchedule("key4999"), nullptr);
}

// The store keeps what it read while the file stays as it was: an edit made outside
// the program, even one that keeps the size, is seen at the next load, and so is
// the file again after the store was changed.
TEST_F(ScheduleSectionTest, EditsOfTheFileAndOfTheStoreAreSeenAtTheNextLoad) {
    const std::string key = Key(2026, 1, 9);
    WriteSettings("[Schedule]\r\nSchedule=" + key + ",A\r\n");
    model.LoadSchedules();
    ASSERT_NE(model.FindSchedule(key), nullptr);

    const auto written = std::filesystem::last_write_time(model.settingsFilePath);
    WriteSettings("[Schedule]\r\nSchedule=" + key + ",B\r\n");
    std::filesystem::last_write_time(model.settingsFilePath, written + std::chrono::seconds(2));
    model.LoadSchedules();
    ASSERT_NE(model.FindSchedule(key), nullptr);
    EXPECT_EQ(*model.FindSchedule(key), "B");

    model.EraseSchedules(key, "B");
    model.LoadSchedules();
    EXPECT_NE(model.FindSchedule(key), nullptr) << "the file still holds it";
}


// The file's real calls with stamps the test sets: the stamps a coarse file system
// and a clock that runs on would give.
class StampedProfile : public PrivateProfile {
public:
    std::size_t GetString(const char* section, const char* key, const char* defaultValue, char* buffer,
                          std::size_t size, const char* path) const override {
        return files.GetString(section, key, defaultValue, buffer, size, path);
    }
    std::size_t GetSection(const char* section, char* buffer, std::size_t size, const char* path) const override {
        return files.GetSection(section, buffer, size, path);
    }
    bool WriteString(const char* section, const char* key, const char* value, const char* path) override {
        return files.WriteString(section, key, value, path);
    }
    bool WriteSection(const char* section, const char* lines, const char* path) override {
        return files.WriteSection(section, lines, path);
    }
    std::optional<FileStamp> Stamp(const char*) const override { return stamp; }

    PrivateProfile& files = TestPlatform().profile;
    FileStamp stamp;
};

// Two writes of one size within the file system's time resolution leave one stamp:
// a stamp taken that soon after the last write is not trusted, by the schedules
// nor by the section cache; a settled one still spares the reading.
TEST_F(ScheduleSectionTest, AStampYoungerThanTheTimeResolutionIsNotTrusted) {
    StampedProfile profile;
    Platform& real = TestPlatform();
    const Platform platform{profile, real.dateKeys, real.locale, real.clock};
    const std::string key = Key(2026, 1, 9);
    const std::uint64_t written = 500 * FileStamp::kTimeResolution;
    ScheduleStore store;
    ProfileSectionCache cache;
    const auto look = [&](std::uint64_t sinceWrite, const char* text) {
        WriteSettings("[Schedule]\r\nSchedule=" + key + "," + text + "\r\n");
        profile.stamp = FileStamp{42, written, written + sinceWrite};
        store.Load(platform, model.settingsFilePath);
        return std::make_pair(*store.Find(key), cache.Lines(profile, model.settingsFilePath, "Schedule").at(0));
    };
    const std::uint64_t young = FileStamp::kTimeResolution / 2;
    EXPECT_EQ(look(young, "A").first, "A");
    EXPECT_EQ(look(young, "B"), std::make_pair(std::string("B"), "Schedule=" + key + ",B"));
    EXPECT_EQ(look(FileStamp::kTimeResolution, "C"), std::make_pair(std::string("C"), "Schedule=" + key + ",C"));
    EXPECT_EQ(look(FileStamp::kTimeResolution, "D").first, "C") << "a settled stamp stands for the lines read";
}

}  // namespace
