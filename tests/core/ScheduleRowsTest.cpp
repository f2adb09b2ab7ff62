#include <gtest/gtest.h>

#include "ScheduleRows.h"

namespace {

struct RowCase {
    const char* line;
    ScheduleRow row;
    const char* writtenBack;
};

class ScheduleRowsTest : public ::testing::TestWithParam<RowCase> {};

// Every line loads, whatever its key or commas, and comes back unchanged but for
// the key.
TEST_P(ScheduleRowsTest, ALineLoadsAndIsWrittenBack) {
    const RowCase& c = GetParam();
    EXPECT_EQ(ScheduleRowFromLine(c.line), c.row);
    EXPECT_EQ(ScheduleSectionLines({c.row}), std::vector<std::string>{c.writtenBack});
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScheduleRowsTest,
    ::testing::Values(RowCase{"Schedule=2026/5/5,Dentist", {"2026/5/5", "Dentist"}, "Schedule=2026/5/5,Dentist"},
                      RowCase{"Schedule=5/5/2026,Lunch, then tea, at 2", {"5/5/2026", "Lunch, then tea, at 2"},
                              "Schedule=5/5/2026,Lunch, then tea, at 2"},
                      RowCase{"Schedule=no comma here", {"", "no comma here"}, "Schedule=,no comma here"},
                      RowCase{"Other=2026/1/1,kept", {"2026/1/1", "kept"}, "Schedule=2026/1/1,kept"},
                      RowCase{"2026/1/2,no key", {"2026/1/2", "no key"}, "Schedule=2026/1/2,no key"},
                      RowCase{"Schedule=2026/1/3,a=b", {"2026/1/3", "a=b"}, "Schedule=2026/1/3,a=b"},
                      RowCase{"Schedule=2026/1/4,", {"2026/1/4", ""}, "Schedule=2026/1/4,"}));

// Dates descending, the notes of one date in their order: read back in file order
// and sorted stably, they give the same rows, so saving again changes nothing.
TEST(ScheduleSectionLines, TheLastDateIsWrittenFirstAndNotesOfADateKeepTheirOrder) {
    EXPECT_EQ(ScheduleSectionLines({{"1", "a"}, {"2", "b"}, {"2", "b2"}, {"2", "b3"}, {"3", "c"}}),
              (std::vector<std::string>{"Schedule=3,c", "Schedule=2,b", "Schedule=2,b2", "Schedule=2,b3",
                                        "Schedule=1,a"}));
    EXPECT_EQ(ScheduleSectionLines({{"1", "x"}, {"1", "y"}}), (std::vector<std::string>{"Schedule=1,x", "Schedule=1,y"}));
    EXPECT_TRUE(ScheduleSectionLines({}).empty());
}

}  // namespace
