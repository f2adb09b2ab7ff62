#include "ScheduleStore.h"

#include <algorithm>

#include "DateKeys.h"
#include "Platform.h"
#include "ProfileAccess.h"

namespace {
constexpr const char* kSection = "Schedule";
}

void ScheduleStore::Load(const Platform& platform, const std::string& settingsFilePath) {
    // An empty path would make the platform fall back to a file in the Windows folder.
    if (settingsFilePath.empty()) {
        LoadLines({});
        return;
    }
    // The stamp costs a fraction of reading and sorting a large section again.
    const std::optional<FileStamp> stamp = platform.profile.Stamp(settingsFilePath.c_str());
    if (stamp && loadedFrom_ && loadedFrom_->path == settingsFilePath && loadedFrom_->stamp == *stamp) return;
    LoadLines(ReadProfileSection(platform.profile, settingsFilePath, kSection));
    if (stamp) loadedFrom_ = Source{settingsFilePath, *stamp};
}

void ScheduleStore::LoadLines(const std::vector<std::string>& lines) {
    loadedFrom_.reset();
    keyDates_.reset();
    entries_.clear();
    for (const std::string& line : lines) {
        // The key is not examined; a line without "=" is all value.
        const std::size_t equals = line.find('=');
        const std::string value = equals == std::string::npos ? line : line.substr(equals + 1);
        const std::size_t comma = value.find(',');
        // The section is normally written in key order: the hint makes each insert cheap.
        if (comma == std::string::npos) {
            entries_.emplace_hint(entries_.end(), std::string(), value);
        } else {
            entries_.emplace_hint(entries_.end(), value.substr(0, comma), value.substr(comma + 1));
        }
    }
}

const std::string* ScheduleStore::Find(const std::string& key) const {
    const auto found = entries_.find(key);
    return found == entries_.end() ? nullptr : &found->second;
}

void ScheduleStore::Erase(const std::string& key) {
    entries_.erase(key);
    loadedFrom_.reset();
    keyDates_.reset();
}

const std::vector<std::int32_t>& ScheduleStore::KeyDates(const DateKeys& keys) const {
    if (!keyDates_) {
        std::vector<std::int32_t> dates;
        dates.reserve(entries_.size());
        for (const auto& entry : entries_) {
            const COleDateTime date = keys.Parse(entry.first);
            if (date.IsValid()) dates.push_back(date.Serial());
        }
        std::sort(dates.begin(), dates.end());
        keyDates_ = std::move(dates);
    }
    return *keyDates_;
}

std::vector<std::string> ScheduleStore::SectionLines() const {
    std::vector<std::string> lines;
    lines.reserve(entries_.size());
    for (const auto& [key, text] : entries_) {
        lines.push_back(std::string(kSection) + "=" + key + "," + text);
    }
    return lines;
}

bool ScheduleStore::WriteSection(Platform& platform, const std::string& settingsFilePath) const {
    return WriteSectionLines(platform.profile, settingsFilePath, kSection, SectionLines());
}
