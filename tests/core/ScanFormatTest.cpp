#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "PrintFormat.h"
#include "ScanFormat.h"

namespace {

struct ScanCase {
    const char* text;
    const char* format;
    // The fields read; compared as 32-bit patterns, so -1 stands for ffffffff.
    std::vector<std::int64_t> expected;
};

std::ostream& operator<<(std::ostream& out, const ScanCase& scan) {
    return out << '"' << scan.text << "\" with \"" << scan.format << '"';
}

std::vector<std::uint32_t> Patterns(const std::vector<std::int64_t>& numbers) {
    std::vector<std::uint32_t> patterns;
    for (const std::int64_t number : numbers) patterns.push_back(static_cast<std::uint32_t>(number));
    return patterns;
}

class ScanFieldsTest : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanFieldsTest, ReadsLikeTheCRuntime) {
    const ScanCase& scan = GetParam();
    EXPECT_EQ(ScanFields(scan.text, scan.format), Patterns(scan.expected));
}

INSTANTIATE_TEST_SUITE_P(
    IntegerConversion, ScanFieldsTest,
    testing::Values(
        ScanCase{"42", "%i", {42}}, ScanCase{"-42", "%i", {-42}}, ScanCase{"+42", "%i", {42}},
        ScanCase{" \t\r\n\v\f7", "%i", {7}}, ScanCase{"0x1F", "%i", {31}}, ScanCase{"0X1f", "%i", {31}},
        ScanCase{"-0x10", "%i", {-16}}, ScanCase{"017", "%i", {15}}, ScanCase{"0", "%i", {0}},
        ScanCase{"-0", "%i", {0}},
        // "08" is the octal 0 followed by an 8 that no longer belongs to the number.
        ScanCase{"08", "%i,%i", {0}}, ScanCase{"09,1", "%i,%i", {0}},
        ScanCase{"12abc", "%i", {12}}, ScanCase{"%d", "%d", {}},
        ScanCase{"010", "%d", {10}}, ScanCase{"0x10", "%d", {0}}, ScanCase{"-7", "%li", {-7}},
        ScanCase{"2147483647", "%i", {2147483647}}, ScanCase{"-2147483648", "%i", {-2147483647 - 1}}));

INSTANTIATE_TEST_SUITE_P(
    FailedFields, ScanFieldsTest,
    testing::Values(ScanCase{"", "%i", {}}, ScanCase{"   ", "%i", {}}, ScanCase{"-", "%i", {}},
                    ScanCase{"+", "%x", {}}, ScanCase{"- 5", "%i", {}}, ScanCase{"abc", "%i", {}},
                    ScanCase{"0x", "%i", {}}, ScanCase{"0xg", "%i", {}}, ScanCase{"0x", "%x", {}},
                    ScanCase{"0x,5", "%i,%i", {}}, ScanCase{"\xA0" "5", "%i", {}}));

INSTANTIATE_TEST_SUITE_P(
    HexConversion, ScanFieldsTest,
    testing::Values(ScanCase{"ff", "%x", {0xFF}}, ScanCase{"FF", "%x", {0xFF}}, ScanCase{"0xFf", "%x", {0xFF}},
                    ScanCase{"0Xff", "%x", {0xFF}}, ScanCase{"  00bf00", "%x", {0xBF00}},
                    ScanCase{"-1", "%x", {0xFFFFFFFF}}, ScanCase{"ffffffff", "%x", {0xFFFFFFFF}},
                    ScanCase{"0", "%x", {0}}, ScanCase{"0z", "%x", {0}}, ScanCase{"fg", "%x", {0xF}},
                    ScanCase{"17", "%x", {0x17}}));

INSTANTIATE_TEST_SUITE_P(
    Overflow, ScanFieldsTest,
    // Too many digits wrap modulo 2^32 like the Windows C runtime's accumulator.
    testing::Values(ScanCase{"4294967296", "%i", {0}}, ScanCase{"4294967297", "%i", {1}},
                    ScanCase{"2147483648", "%i", {-2147483647 - 1}}, ScanCase{"-4294967295", "%i", {1}},
                    ScanCase{"0x100000001", "%i", {1}}, ScanCase{"1ffffffff", "%x", {0xFFFFFFFF}},
                    ScanCase{"040000000001", "%i", {1}},
                    ScanCase{"99999999999999999999999999999999999999999", "%i,%i", {-1}}));

INSTANTIATE_TEST_SUITE_P(
    Literals, ScanFieldsTest,
    testing::Values(ScanCase{"1:2:3", "%i:%i:%i", {1, 2, 3}}, ScanCase{"1: 2", "%i:%i", {1, 2}},
                    ScanCase{"1 :2", "%i:%i", {1}}, ScanCase{"1;2", "%i:%i", {1}},
                    ScanCase{"1:", "%i:%i", {1}}, ScanCase{"1", "%i:%i", {1}},
                    ScanCase{"1,2,3,4", "%i,%i", {1, 2}}, ScanCase{":1", ":%i", {1}},
                    ScanCase{"1,ff,3", "%i,%x,%i", {1, 0xFF, 3}}));

TEST(ScanFields, NeverReadsPastTheText) {
    const std::string backing = "12345";
    const std::string_view prefix(backing.data(), 2);
    EXPECT_EQ(ScanFields(prefix, "%i"), std::vector<std::uint32_t>{12});
    const std::string hexBacking = "0x1";
    EXPECT_TRUE(ScanFields(std::string_view(hexBacking.data(), 2), "%x").empty());
    const std::string withNul("1\0" "2", 3);
    EXPECT_EQ(ScanFields(withNul, "%i,%i"), std::vector<std::uint32_t>{1});
}

TEST(ScanFields, RejectsConversionsItDoesNotKnow) {
    EXPECT_THROW(ScanFields("1", "%s"), std::invalid_argument);
    EXPECT_THROW(ScanFields("1", "%"), std::invalid_argument);
    EXPECT_THROW(ScanFields("1 2", "%i %i"), std::invalid_argument);
}

TEST(ScanDecimalField, TakesTheLeadingNumberAndIgnoresTheRest) {
    EXPECT_EQ(ScanDecimalField("23"), 23);
    EXPECT_EQ(ScanDecimalField("  -3 days"), -3);
    EXPECT_EQ(ScanDecimalField("+0011"), 11);
    EXPECT_EQ(ScanDecimalField("0x1f"), 0);
    EXPECT_EQ(ScanDecimalField("4294967301"), 5);
    EXPECT_EQ(ScanDecimalField(""), std::nullopt);
    EXPECT_EQ(ScanDecimalField("Last"), std::nullopt);
    EXPECT_EQ(ScanDecimalField("-"), std::nullopt);
    EXPECT_EQ(ScanDecimalField(" + 1"), std::nullopt);
}

TEST(PrintFields, WritesLikeTheCRuntime) {
    const std::array<std::uint32_t, 4> values{static_cast<std::uint32_t>(-5), 0xBF00, 0xABCDEF12, 255};
    EXPECT_EQ(PrintFields("%i,%08x,%x,%li", values), "-5,0000bf00,abcdef12,255");
    const std::array<std::uint32_t, 3> extremes{0x80000000, 0xFFFFFFFF, 0};
    EXPECT_EQ(PrintFields("%d:%08x:%x", extremes), "-2147483648:ffffffff:0");
    const std::array<std::uint32_t, 1> wide{0x23456789};
    EXPECT_EQ(PrintFields("%04x", wide), "23456789");
}

TEST(PrintFields, RejectsFormatsAndCountsThatDoNotMatch) {
    const std::array<std::uint32_t, 1> one{1};
    EXPECT_THROW(PrintFields("%i,%i", one), std::invalid_argument);
    EXPECT_THROW(PrintFields("no field", one), std::invalid_argument);
    EXPECT_THROW(PrintFields("%s", one), std::invalid_argument);
    EXPECT_THROW(PrintFields("%08i", one), std::invalid_argument);
}

}  // namespace
