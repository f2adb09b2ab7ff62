#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "PrivateProfile.h"
#include "SettingsFile.h"
#include "TestPlatform.h"

namespace {

const char kSection[] = "Wispane Calendar";

// Keeps one section's keys in memory and records every key read or written.
class RecordingProfile : public PrivateProfile {
public:
    std::size_t GetString(const char* section, const char* key, const char* defaultValue, char* buffer,
                          std::size_t size, const char* path) const override {
        calls.push_back(std::string("read ") + section + '/' + key + '@' + path);
        const auto found = values.find(key);
        const std::string value = found != values.end() ? found->second : defaultValue ? defaultValue : "";
        const std::size_t length = std::min(value.size(), size - 1);
        std::memcpy(buffer, value.data(), length);
        buffer[length] = '\0';
        return length;
    }
    std::size_t GetSection(const char*, char*, std::size_t, const char*) const override {
        ADD_FAILURE() << "the main section's keys are read one at a time";
        return 0;
    }
    bool WriteString(const char* section, const char* key, const char* value, const char* path) override {
        calls.push_back(std::string("write ") + section + '/' + key + '@' + path);
        values[key] = value;
        return true;
    }
    bool WriteSection(const char*, const char*, const char*) override {
        ADD_FAILURE() << "the main section is never replaced as a whole";
        return false;
    }
    std::optional<FileStamp> Stamp(const char*) const override { return std::nullopt; }

    std::map<std::string, std::string> values;
    mutable std::vector<std::string> calls;
};

std::vector<std::string> Calls(const char* verb, std::initializer_list<const char*> keys) {
    std::vector<std::string> calls;
    for (const char* key : keys) calls.push_back(std::string(verb) + ' ' + kSection + '/' + key + "@my.ini");
    return calls;
}

LogicalFontValue SampleFont() {
    std::optional<LogicalFontValue> font = LogicalFontValue::Parse("-13,0,0,0,700,1,0,0,128,0,0,0,49");
    font->SetFaceName("Lucida Console");
    return *font;
}

WindowPlacementValue SamplePlacement() {
    return *WindowPlacementValue::Parse("0:1:-1:-1:-1:-1:100:120:300:330");
}

TEST(SettingsFileKeys, AFontIsReadWithItsFaceAfterIt) {
    RecordingProfile profile;
    profile.values["Font"] = "-13,0,0,0,700,1,0,0,128,0,0,0,49";
    profile.values["FontFace"] = "Lucida Console";
    EXPECT_EQ(SettingsFile(profile, "my.ini", kSection).ReadFont(), SampleFont());
    EXPECT_EQ(profile.calls, Calls("read", {"Font", "FontFace"}));
}

TEST(SettingsFileKeys, FontFaceIsReadOnlyAfterAFont) {
    RecordingProfile profile;
    profile.values["FontFace"] = "Lucida Console";
    EXPECT_EQ(SettingsFile(profile, "my.ini", kSection).ReadFont(), std::nullopt);
    EXPECT_EQ(profile.calls, Calls("read", {"Font"}));
}

TEST(SettingsFileKeys, AFontIsWrittenWithItsFaceAfterIt) {
    RecordingProfile profile;
    SettingsFile(profile, "my.ini", kSection).WriteFont(SampleFont());
    EXPECT_EQ(profile.calls, Calls("write", {"Font", "FontFace"}));
}

// A stored font means one size at every scale: made larger on a scaled screen,
// saved back as the size it was.
TEST(SettingsFileKeys, AStoredFontIsTheSameSizeAtEveryScale) {
    LogicalFontValue font = SampleFont();
    font.width = 7;
    const LogicalFontValue at144 = font.AtDpi(LogicalFontValue::kStoredDpi, 144);
    EXPECT_EQ(at144.height, -20);  // -19.5 rounds away from zero, as MulDiv does
    EXPECT_EQ(at144.width, 11);
    EXPECT_EQ(at144.weight, font.weight);
    EXPECT_EQ(at144.FaceName(), font.FaceName());
    for (int dpi : {96, 120, 144, 168, 192, 288}) {
        for (int height : {-72, -13, -1, 0, 1, 9, 16}) {
            font.height = height;
            EXPECT_EQ(font.AtDpi(96, dpi).AtDpi(dpi, 96).height, height) << height << " at " << dpi;
        }
    }
    font.height = INT32_MIN;
    EXPECT_EQ(font.AtDpi(96, 192).height, INT32_MIN) << "no overflow";
}

// ---- Through the platform's profile functions, on real files ----

// Every key, read and written in the order the windows use them.
struct AllKeys {
    std::optional<LogicalFontValue> font;
    std::optional<WindowPlacementValue> placement;
    ConfigSettings config;
    int configFieldsRead = 0;
    CustomColors customColors;
};

class SettingsFileOnDisk : public testing::Test {
protected:
    AllKeys Load(const ConfigSettings& held) {
        const SettingsFile file = File();
        AllKeys keys;
        keys.font = file.ReadFont();
        keys.placement = file.ReadWindowPlacement();
        keys.config = held;
        keys.configFieldsRead = file.ReadConfig(keys.config);
        keys.customColors = file.ReadCustomColors();
        return keys;
    }
    void Save(const LogicalFontValue& font, const std::optional<WindowPlacementValue>& placement,
              const ConfigSettings& config, const CustomColors& colors) {
        SettingsFile file = File();
        file.WriteFont(font);
        if (placement) file.WriteWindowPlacement(*placement);
        file.WriteConfig(config);
        file.WriteCustomColors(colors);
    }
    SettingsFile File() { return SettingsFile(TestPlatform().profile, folder_.File("Settings.ini"), kSection); }
    void WriteIni(const std::string& lines) { folder_.Write("Settings.ini", "[Wispane Calendar]\r\n" + lines); }
    std::string ReadIni() const { return folder_.Read("Settings.ini"); }

private:
    TempDir folder_;
};

TEST_F(SettingsFileOnDisk, NoFileGivesEveryDefault) {
    ConfigSettings held;
    held.alwaysOnTop = false;
    held.todayLineHidden = true;
    const AllKeys loaded = Load(held);
    EXPECT_EQ(loaded.font, std::nullopt);
    EXPECT_EQ(loaded.placement, std::nullopt);
    EXPECT_EQ(loaded.configFieldsRead, 0);
    EXPECT_EQ(loaded.config, ConfigSettings());
    EXPECT_EQ(loaded.customColors, CustomColors());
}

TEST_F(SettingsFileOnDisk, FirstSaveWritesTheKeysInSaveOrder) {
    Save(SampleFont(), SamplePlacement(), ConfigSettings(), CustomColors());
    const std::string ini = ReadIni();
    std::vector<std::size_t> positions;
    for (const char* line :
         {"[Wispane Calendar]", "\nFont=-13,0,0,0,700,1,0,0,128,0,0,0,49", "\nFontFace=Lucida Console",
          "\nWindowPos=0:1:-1:-1:-1:-1:100:120:300:330", "\nConfig=1,0,0,00ffffff,0,1,0,0000bf00,1",
          "\nCustomColors=ffffff,ffffff,ffffff,ffffff,ffffff,ffffff,ffffff,ffffff,ffffff,ffffff,"
          "ffffff,ffffff,ffffff,ffffff,ffffff,ffffff"}) {
        positions.push_back(ini.find(line));
        EXPECT_NE(positions.back(), std::string::npos) << line << " in\n" << ini;
    }
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end())) << ini;
}

TEST_F(SettingsFileOnDisk, WhatIsSavedLoadsBackIdentically) {
    LogicalFontValue font = SampleFont();
    font.height = -2147483647 - 1;
    font.SetFaceName("\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e");  // a name in code page 932
    WindowPlacementValue placement = SamplePlacement();
    placement.normalLeft = -1900;
    ConfigSettings config;
    config.Read("0,1,1,00abcdef,0,0,1,00ff0000,0");
    CustomColors colors = CustomColors::Parse("1,20,300,4000,50000,600000,7000000,80000000");

    Save(font, placement, config, colors);
    const AllKeys loaded = Load(ConfigSettings());
    EXPECT_EQ(loaded.font, font);
    EXPECT_EQ(loaded.placement, placement);
    EXPECT_EQ(loaded.configFieldsRead, 9);
    EXPECT_EQ(loaded.config, config);
    EXPECT_EQ(loaded.customColors, colors);
}

TEST_F(SettingsFileOnDisk, IncompleteValuesFallBackPerKey) {
    WriteIni("Font=-13,0,0,0,700,1,0,0,128,0,0,0\r\nFontFace=Arial\r\n"
             "WindowPos=0:1:-1:-1:-1:-1:100:120:300\r\n"
             "Config=0,1\r\nCustomColors=FF,0xBF00,00ABCDEF\r\n");
    ConfigSettings held;
    held.closeByEsc = true;
    const AllKeys loaded = Load(held);
    EXPECT_EQ(loaded.font, std::nullopt);
    EXPECT_EQ(loaded.placement, std::nullopt);
    EXPECT_EQ(loaded.configFieldsRead, 2);
    EXPECT_FALSE(loaded.config.alwaysOnTop);
    EXPECT_TRUE(loaded.config.seeThrough);
    EXPECT_TRUE(loaded.config.closeByEsc);
    EXPECT_EQ(loaded.customColors, CustomColors::Parse("ff,bf00,abcdef"));
}

TEST_F(SettingsFileOnDisk, LongFaceNameIsCutAndMissingFaceNameIsEmpty) {
    WriteIni("Font=-13,0,0,0,400,0,0,0,0,0,0,0,0\r\nFontFace=" + std::string(40, 'A') + "\r\n");
    ASSERT_TRUE(File().ReadFont());
    EXPECT_EQ(File().ReadFont()->FaceName(), std::string(31, 'A'));

    WriteIni("Font=-13,0,0,0,400,0,0,0,0,0,0,0,0\r\n");
    ASSERT_TRUE(File().ReadFont());
    EXPECT_EQ(File().ReadFont()->FaceName(), "");
}

TEST_F(SettingsFileOnDisk, SaveWithoutPlacementKeepsTheStoredOne) {
    WriteIni("WindowPos=0:1:-1:-1:-1:-1:10:20:30:40\r\n");
    Save(SampleFont(), std::nullopt, ConfigSettings(), CustomColors());
    EXPECT_EQ(File().ReadWindowPlacement(), WindowPlacementValue::Parse("0:1:-1:-1:-1:-1:10:20:30:40"));
    EXPECT_EQ(File().ReadFont(), SampleFont());
}

}  // namespace
