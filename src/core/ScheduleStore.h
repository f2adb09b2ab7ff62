#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "MultibyteLess.h"
#include "PrivateProfile.h"

class DateKeys;
struct Platform;

// The user's schedules: date key -> text, in key-text order, read from and
// written to the "Schedule" section of the settings file as a whole.
class ScheduleStore {
public:
    using Entries = std::map<std::string, std::string, MultibyteLess>;

    explicit ScheduleStore(unsigned codePage = 0) : entries_(MultibyteLess(codePage)) {}

    // Replaces the store by the section's lines; the first line of a date wins. A
    // file whose size and last write time are those of the last load is not read
    // again, unless the store was changed since.
    void Load(const Platform& platform, const std::string& settingsFilePath);
    // The same from lines "Schedule=date,text" already read.
    void LoadLines(const std::vector<std::string>& lines);
    const std::string* Find(const std::string& key) const;
    void Erase(const std::string& key);
    // The section as the store writes it: "Schedule=key,text" in key order.
    std::vector<std::string> SectionLines() const;
    bool WriteSection(Platform& platform, const std::string& settingsFilePath) const;

    const Entries& entries() const { return entries_; }
    // The day serials of the keys that read as dates, ascending: read once for the
    // entries as they are, always with the same keys.
    const std::vector<std::int32_t>& KeyDates(const DateKeys& keys) const;

private:
    struct Source {
        std::string path;
        FileStamp stamp;
    };

    Entries entries_;
    std::optional<Source> loadedFrom_;  // the file as the entries hold it
    mutable std::optional<std::vector<std::int32_t>> keyDates_;
};
