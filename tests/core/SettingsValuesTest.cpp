#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "ConfigSettings.h"
#include "CustomColors.h"
#include "LogicalFontValue.h"
#include "WindowPlacementValue.h"

namespace {

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

// ---- "WindowPos" ----

TEST(WindowPlacementValue, ReadsAndWritesTenNumbersInPlacementOrder) {
    const WindowPlacementValue placement{.flags = 2, .showCommand = 3, .minPositionX = -1,
                                         .minPositionY = -2, .maxPositionX = -8, .maxPositionY = -30,
                                         .normalLeft = 120, .normalTop = 80, .normalRight = 500,
                                         .normalBottom = 400};
    EXPECT_EQ(WindowPlacementValue::Parse("2:3:-1:-2:-8:-30:120:80:0x1f4:0620"), placement);
    EXPECT_EQ(placement.Format(), "2:3:-1:-2:-8:-30:120:80:500:400");
}

TEST(WindowPlacementValue, IgnoresAnythingShortOfTenNumbers) {
    for (const char* text : {"", "0:1:-1:-1:-1:-1:120:80:500", "0:1:-1:-1:-1:-1:120:80:500:",
                             "0:1:-1:-1:-1:-1:120:80:500:x", "0,1,-1,-1,-1,-1,120,80,500,400",
                             "0:1:-1:-1:-1:-1:120:80:500 :400"}) {
        EXPECT_EQ(WindowPlacementValue::Parse(text), std::nullopt) << text;
    }
    EXPECT_TRUE(WindowPlacementValue::Parse("0:1:-1:-1:-1:-1:120:80:500:400:999"));
}

TEST(WindowPlacementValue, RoundTripsExtremes) {
    const WindowPlacementValue placement{.minPositionX = kMin32, .maxPositionY = kMax32};
    EXPECT_EQ(placement.Format(), "0:0:-2147483648:0:0:2147483647:0:0:0:0");
    EXPECT_EQ(WindowPlacementValue::Parse(placement.Format()), placement);
}

// ---- "Font" and "FontFace" ----

TEST(LogicalFontValue, IgnoresAnIncompleteValue) {
    EXPECT_EQ(LogicalFontValue::Parse(""), std::nullopt);
    EXPECT_EQ(LogicalFontValue::Parse("-12,0,0,0,400,0,0,0,128,0,0,0"), std::nullopt);
    EXPECT_EQ(LogicalFontValue::Parse("-12,0,0,0,400,0,0,0,128,0,0,0,"), std::nullopt);
    EXPECT_EQ(LogicalFontValue::Parse("-12;0,0,0,400,0,0,0,128,0,0,0,49"), std::nullopt);
}

TEST(LogicalFontValue, ByteFieldsKeepTheLowEightBits) {
    const std::optional<LogicalFontValue> font =
        LogicalFontValue::Parse("1,2,3,4,5,300,-1,256,0x180,0777,-256,255,4294967297");
    ASSERT_TRUE(font);
    EXPECT_EQ(font->italic, 44);
    EXPECT_EQ(font->underline, 255);
    EXPECT_EQ(font->strikeOut, 0);
    EXPECT_EQ(font->charSet, 128);
    EXPECT_EQ(font->outPrecision, 255);  // 0777 is 511
    EXPECT_EQ(font->clipPrecision, 0);
    EXPECT_EQ(font->quality, 255);
    EXPECT_EQ(font->pitchAndFamily, 1);
}

TEST(LogicalFontValue, ReadsAndWritesThirteenNumbersInOrder) {
    const LogicalFontValue font{.height = kMin32, .width = kMax32, .escapement = -900,
                                .orientation = 900, .weight = 700, .italic = 255, .underline = 1,
                                .strikeOut = 0, .charSet = 128, .outPrecision = 7,
                                .clipPrecision = 64, .quality = 5, .pitchAndFamily = 0x31};
    EXPECT_EQ(font.Format(), "-2147483648,2147483647,-900,900,700,255,1,0,128,7,64,5,49");
    EXPECT_EQ(LogicalFontValue::Parse(font.Format()), font);
    EXPECT_EQ(LogicalFontValue::Parse("-0x80000000, 0x7fFFffff,-01604,01604,0x2bc,0xff,1,0,0200,7,0x40,5,061"),
              font);
}

TEST(LogicalFontValue, FaceNameKeepsAtMostThirtyOneBytes) {
    LogicalFontValue font;
    font.SetFaceName(std::string(40, 'F'));
    EXPECT_EQ(font.FaceName(), std::string(31, 'F'));
    EXPECT_EQ(font.faceName[31], '\0');

    font.SetFaceName("Lucida Console");
    EXPECT_EQ(font.FaceName(), "Lucida Console");
    EXPECT_EQ(font.faceName[14], '\0');
    EXPECT_EQ(font.faceName[20], '\0');  // nothing of the longer name is left

    font.SetFaceName(std::string(31, 'x'));
    EXPECT_EQ(font.FaceName(), std::string(31, 'x'));
    font.SetFaceName("");
    EXPECT_EQ(font.FaceName(), "");
}

// ---- "Config" ----

const ConfigSettings kNonDefaultConfig{
    .alwaysOnTop = false, .seeThrough = true, .closeByEsc = true, .backgroundColor = 0x00123456,
    .todayLineHidden = true, .noTodayMark = false, .seeThroughTitleBar = true,
    .scheduleColor = 0x00FF0000, .showTime = false};

TEST(ConfigSettings, FirstSaveWritesTheDefaults) {
    EXPECT_EQ(ConfigSettings().Format(), "1,0,0,00ffffff,0,1,0,0000bf00,1");
}

TEST(ConfigSettings, NothingReadGivesDefaultsForTopmostAndTodayAndKeepsTheRest) {
    for (const char* text : {"", "x", " ", ",1,1", "0x"}) {
        ConfigSettings config = kNonDefaultConfig;
        EXPECT_EQ(config.Read(text), 0) << text;
        ConfigSettings expected = kNonDefaultConfig;
        expected.alwaysOnTop = true;
        expected.todayLineHidden = false;
        expected.noTodayMark = true;
        EXPECT_EQ(config, expected) << text;
    }
}

TEST(ConfigSettings, AZeroOnlyTurnsTopmostOff) {
    ConfigSettings config;
    EXPECT_EQ(config.Read("0"), 1);
    ConfigSettings expected;
    expected.alwaysOnTop = false;
    EXPECT_EQ(config, expected);
}

TEST(ConfigSettings, ReadsEveryField) {
    ConfigSettings config;
    EXPECT_EQ(config.Read("1,1,1,ff,0,0,1,ff0000,0"), 9);
    // Background red, schedule days blue, today mode Show Date Only, today mark shown.
    EXPECT_EQ(config, (ConfigSettings{.alwaysOnTop = true, .seeThrough = true, .closeByEsc = true,
                                      .backgroundColor = 0x000000FF, .todayLineHidden = false,
                                      .noTodayMark = false, .seeThroughTitleBar = true,
                                      .scheduleColor = 0x00FF0000, .showTime = false}));
}

TEST(ConfigSettings, StopsAtTheFirstBadField) {
    struct Case {
        const char* text;
        int fieldsRead;
    };
    for (const Case& c : {Case{"0,1", 2}, Case{"0,1,1,zz,1,0,1,ff,0", 3}, Case{"0,1,1,ff;1,0,1,ff,0", 4},
                          Case{"0,1,1,ff,1,0,1,ff", 8}, Case{"0,1,1,ff,1,0,1,ff,", 8}}) {
        ConfigSettings config = kNonDefaultConfig;
        config.alwaysOnTop = true;
        EXPECT_EQ(config.Read(c.text), c.fieldsRead) << c.text;
        EXPECT_FALSE(config.alwaysOnTop) << c.text;
        EXPECT_TRUE(config.seeThrough) << c.text;
        // Fields 5 and 6 fall back to their defaults, not to the held values.
        if (c.fieldsRead < 5) {
            EXPECT_FALSE(config.todayLineHidden) << c.text;
            EXPECT_TRUE(config.noTodayMark) << c.text;
        } else {
            EXPECT_TRUE(config.todayLineHidden) << c.text;
            EXPECT_FALSE(config.noTodayMark) << c.text;
        }
        // Fields 7 to 9 keep the held values unless they were read.
        EXPECT_EQ(config.scheduleColor, c.fieldsRead >= 8 ? 0xFFu : 0x00FF0000u) << c.text;
        EXPECT_FALSE(config.showTime) << c.text;
    }
}

TEST(ConfigSettings, ReadsIntegersAndColoursInEveryNotation) {
    ConfigSettings config = kNonDefaultConfig;
    EXPECT_EQ(config.Read("00,0x1,-1,0X00FF00FF,010,0,0x0,0XABCDEF,2"), 9);
    EXPECT_EQ(config, (ConfigSettings{.alwaysOnTop = false, .seeThrough = true, .closeByEsc = true,
                                      .backgroundColor = 0x00FF00FF, .todayLineHidden = true,
                                      .noTodayMark = false, .seeThroughTitleBar = false,
                                      .scheduleColor = 0x00ABCDEF, .showTime = true}));

    EXPECT_EQ(config.Read("1,0,0,00FFFFFF,0,1,0,0000BF00,1"), 9);
    EXPECT_EQ(config, ConfigSettings());
}

TEST(ConfigSettings, OverlongNumbersWrapInsteadOfFailing) {
    ConfigSettings config;
    EXPECT_EQ(config.Read("4294967296,99999999999999999999,1,123456789abc,0,1,0,0,1"), 9);
    EXPECT_FALSE(config.alwaysOnTop);  // 2^32 wraps to 0
    EXPECT_TRUE(config.seeThrough);
    EXPECT_EQ(config.backgroundColor, 0x00789ABCu);
}

// A hand edit such as ffffffff must still give a colour, not a palette index.
TEST(ConfigSettings, ColoursKeepOnlyTheirTwentyFourBits) {
    ConfigSettings config;
    EXPECT_EQ(config.Read("1,0,0,ffffffff,0,1,0,01000000,1"), 9);
    EXPECT_EQ(config.backgroundColor, 0x00FFFFFFu);
    EXPECT_EQ(config.scheduleColor, 0u);
    EXPECT_EQ(CustomColors::Parse("ffffffff,ff00bf00").slots[0], 0x00FFFFFFu);
    EXPECT_EQ(CustomColors::Parse("ffffffff,ff00bf00").slots[1], 0x0000BF00u);
}

TEST(ConfigSettings, RoundTripsEveryOption) {
    for (int bits = 0; bits < (1 << 7); ++bits) {
        ConfigSettings written;
        written.alwaysOnTop = bits & 1;
        written.seeThrough = bits & 2;
        written.closeByEsc = bits & 4;
        written.todayLineHidden = bits & 8;
        written.noTodayMark = bits & 16;
        written.seeThroughTitleBar = bits & 32;
        written.showTime = bits & 64;
        written.backgroundColor = 0x00010203u * static_cast<std::uint32_t>(bits);
        written.scheduleColor = bits % 2 ? 0u : 0x00FFFFFFu;
        ConfigSettings read = kNonDefaultConfig;
        ASSERT_EQ(read.Read(written.Format()), 9) << written.Format();
        EXPECT_EQ(read, written) << written.Format();
    }
}

// ---- "CustomColors" ----

TEST(CustomColors, UnreadSlotsAreWhite) {
    EXPECT_EQ(CustomColors::Parse(""), CustomColors());
    for (const std::uint32_t slot : CustomColors().slots) EXPECT_EQ(slot, 0x00FFFFFFu);

    const CustomColors three = CustomColors::Parse("ff,bf00,0");
    EXPECT_EQ(three.slots[0], 0xFFu);
    EXPECT_EQ(three.slots[1], 0xBF00u);
    EXPECT_EQ(three.slots[2], 0u);
    for (std::size_t slot = 3; slot < CustomColors::kSlotCount; ++slot)
        EXPECT_EQ(three.slots[slot], 0x00FFFFFFu) << slot;

    const CustomColors broken = CustomColors::Parse("12,zz,34");
    EXPECT_EQ(broken.slots[0], 0x12u);
    EXPECT_EQ(broken.slots[1], 0x00FFFFFFu);
    EXPECT_EQ(broken.slots[2], 0x00FFFFFFu);
}

TEST(CustomColors, ReadsCapitalsAndPrefixes) {
    const CustomColors colors = CustomColors::Parse("0x00ABCDEF,ABCDEF,0Xff, 12");
    EXPECT_EQ(colors.slots[0], 0x00ABCDEFu);
    EXPECT_EQ(colors.slots[1], 0x00ABCDEFu);
    EXPECT_EQ(colors.slots[2], 0xFFu);
    EXPECT_EQ(colors.slots[3], 0x12u);
    EXPECT_EQ(colors.slots[4], 0x00FFFFFFu);
}

TEST(CustomColors, WritesLowercaseWithoutPaddingAndReadsItBack) {
    CustomColors colors;
    colors.slots[0] = 0;
    colors.slots[1] = 0x00ABCDEF;
    colors.slots[2] = 0x0000BF00;
    colors.slots[15] = 0x00102030;
    const std::string text = colors.Format();
    EXPECT_EQ(text, "0,abcdef,bf00,ffffff,ffffff,ffffff,ffffff,ffffff,ffffff,ffffff,ffffff,ffffff,"
                    "ffffff,ffffff,ffffff,102030");
    EXPECT_EQ(CustomColors::Parse(text), colors);
    EXPECT_EQ(CustomColors::Parse(text + ",1,2"), colors);
}

}  // namespace
