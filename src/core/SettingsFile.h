#pragma once
#include <optional>
#include <string>

#include "ConfigSettings.h"
#include "CustomColors.h"
#include "LogicalFontValue.h"
#include "WindowPlacementValue.h"

class PrivateProfile;

// The keys of one section of the settings file: "Font", "FontFace", "WindowPos",
// "Config" and "CustomColors". Missing keys read as empty and fall back per key;
// the results of writes are not examined, as a settings file that cannot be
// written is not reported.
class SettingsFile {
public:
    SettingsFile(PrivateProfile& profile, std::string path, std::string section);

    // "Font" and, only when "Font" is not empty, "FontFace" (its first 31 bytes).
    // Nothing unless "Font" is complete.
    std::optional<LogicalFontValue> ReadFont() const;
    std::optional<WindowPlacementValue> ReadWindowPlacement() const;
    // See ConfigSettings::Read; returns the number of fields read.
    int ReadConfig(ConfigSettings& held) const;
    CustomColors ReadCustomColors() const;

    // "Font" then "FontFace".
    void WriteFont(const LogicalFontValue& font);
    void WriteWindowPlacement(const WindowPlacementValue& placement);
    void WriteConfig(const ConfigSettings& config);
    void WriteCustomColors(const CustomColors& customColors);

private:
    std::string Read(const char* key) const;
    void Write(const char* key, const std::string& value);

    PrivateProfile& profile_;
    std::string path_;
    std::string section_;
};
