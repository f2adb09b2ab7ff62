#include "SettingsSectionWrite.h"

#include "ScheduleStore.h"

#ifdef _WIN32
#include "SafeSave.h"

bool WriteSchedulesSafely(Platform& platform, const std::string& settingsFile, const ScheduleStore& store) {
    return SaveSafely(settingsFile, [&](const std::string& copy) { return store.WriteSection(platform, copy); });
}

#else
#include <filesystem>

// A copy beside the file takes the section, then replaces the file in one rename.
bool WriteSchedulesSafely(Platform& platform, const std::string& settingsFile, const ScheduleStore& store) {
    namespace fs = std::filesystem;
    std::error_code error;
    const bool exists = fs::exists(settingsFile, error);
    // Read-only as Wine reads it: nobody may write, whoever runs the tool.
    constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (exists && (fs::status(settingsFile, error).permissions() & kWrite) == fs::perms::none) return false;
    const std::string copy = settingsFile + ".tmp";
    if (exists && !fs::copy_file(settingsFile, copy, fs::copy_options::overwrite_existing, error)) return false;
    if (!store.WriteSection(platform, copy)) {
        fs::remove(copy, error);
        return false;
    }
    fs::rename(copy, settingsFile, error);
    if (error) fs::remove(copy, error);
    return !error;
}
#endif
