#include "ScheduleStore.h"

#include <algorithm>
#include <numeric>

#include "DateKeys.h"
#include "Platform.h"
#include "ProfileAccess.h"
#include "ScheduleRows.h"

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
    LoadLines(ReadProfileSection(platform.profile, settingsFilePath, kSection, stamp ? stamp->size : 0));
    // A write within the file system's time resolution after this read could leave
    // the same stamp: such a stamp does not stand for these lines.
    if (stamp && stamp->Settled()) loadedFrom_ = Source{settingsFilePath, *stamp};
}

void ScheduleStore::LoadLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    IndexLines();
}

void ScheduleStore::IndexLines() {
    loadedFrom_.reset();
    keyDates_.reset();
    entries_.clear();
    for (const std::string& line : lines_) {
        ScheduleRow row = ScheduleRowFromLine(line);
        // The section is normally written in key order: the hint makes each insert cheap.
        entries_.emplace_hint(entries_.end(), std::move(row.date), std::move(row.name));
    }
}

const std::string* ScheduleStore::Find(const std::string& key) const {
    const auto found = entries_.find(key);
    return found == entries_.end() ? nullptr : &found->second;
}

bool ScheduleStore::Erase(const std::string& key, const std::string& text) {
    const auto line = std::find_if(lines_.begin(), lines_.end(), [&](const std::string& candidate) {
        return ScheduleRowFromLine(candidate) == ScheduleRow{key, text};
    });
    if (line == lines_.end()) return false;
    lines_.erase(line);
    IndexLines();
    return true;
}

void ScheduleStore::SetTexts(const std::vector<ScheduleRow>& rows) {
    std::map<std::string, std::size_t, MultibyteLess> firstLines(entries_.key_comp());
    for (std::size_t index = 0; index < lines_.size(); ++index) {
        firstLines.emplace(ScheduleRowFromLine(lines_[index]).date, index);
    }
    for (const ScheduleRow& row : rows) {
        const auto [found, added] = firstLines.emplace(row.date, lines_.size());
        if (added) {
            lines_.push_back("Schedule=" + row.date + "," + row.name);
        } else {
            // The line keeps its own key name.
            std::string& line = lines_[found->second];
            const std::size_t equals = line.find('=');
            line = (equals == std::string::npos ? std::string() : line.substr(0, equals + 1)) + row.date + "," + row.name;
        }
    }
    IndexLines();
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
    std::vector<std::string> dates;
    dates.reserve(lines_.size());
    for (const std::string& line : lines_) dates.push_back(ScheduleRowFromLine(line).date);
    std::vector<std::size_t> order(lines_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const MultibyteLess less = entries_.key_comp();
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t left, std::size_t right) { return less(dates[left], dates[right]); });
    std::vector<std::string> lines;
    lines.reserve(lines_.size());
    for (const std::size_t index : order) lines.push_back(lines_[index]);
    return lines;
}

bool ScheduleStore::WriteSection(Platform& platform, const std::string& settingsFilePath) const {
    return WriteSectionLines(platform.profile, settingsFilePath, kSection, SectionLines());
}
