#include "SettingsFile.h"

#include <utility>

#include "PrivateProfile.h"
#include "ProfileAccess.h"

SettingsFile::SettingsFile(PrivateProfile& profile, std::string path, std::string section)
    : profile_(profile), path_(std::move(path)), section_(std::move(section)) {}

std::optional<LogicalFontValue> SettingsFile::ReadFont() const {
    const std::string text = Read("Font");
    if (text.empty()) return std::nullopt;
    const std::string faceName = Read("FontFace");
    std::optional<LogicalFontValue> font = LogicalFontValue::Parse(text);
    if (font) font->SetFaceName(faceName);
    return font;
}

std::optional<WindowPlacementValue> SettingsFile::ReadWindowPlacement() const {
    return WindowPlacementValue::Parse(Read("WindowPos"));
}

int SettingsFile::ReadConfig(ConfigSettings& held) const { return held.Read(Read("Config")); }

CustomColors SettingsFile::ReadCustomColors() const {
    return CustomColors::Parse(Read("CustomColors"));
}

void SettingsFile::WriteFont(const LogicalFontValue& font) {
    Write("Font", font.Format());
    Write("FontFace", font.FaceName());
}

void SettingsFile::WriteWindowPlacement(const WindowPlacementValue& placement) {
    Write("WindowPos", placement.Format());
}

void SettingsFile::WriteConfig(const ConfigSettings& config) { Write("Config", config.Format()); }

void SettingsFile::WriteCustomColors(const CustomColors& customColors) {
    Write("CustomColors", customColors.Format());
}

std::string SettingsFile::Read(const char* key) const {
    return ReadProfileString(profile_, path_, section_, key);
}

void SettingsFile::Write(const char* key, const std::string& value) {
    profile_.WriteString(section_.c_str(), key, value.c_str(), path_.c_str());
}
