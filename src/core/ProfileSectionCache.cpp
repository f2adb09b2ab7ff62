#include "ProfileSectionCache.h"

#include <algorithm>

#include "ProfileAccess.h"

const std::vector<std::string>& ProfileSectionCache::Lines(const PrivateProfile& profile, const std::string& path,
                                                           const std::string& section) {
    const std::optional<FileStamp> stamp = profile.Stamp(path.c_str());
    if (!stamp) {
        unstamped_ = ReadProfileSection(profile, path, section);
        return unstamped_;
    }
    auto entry = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& cached) {
        return cached.path == path && cached.section == section;
    });
    if (entry == entries_.end()) {
        entries_.push_back({path, section, *stamp, ReadProfileSection(profile, path, section)});
        return entries_.back().lines;
    }
    if (!entry->stamp.Settled() || entry->stamp != *stamp) {
        entry->stamp = *stamp;
        entry->lines = ReadProfileSection(profile, path, section);
    }
    return entry->lines;
}
