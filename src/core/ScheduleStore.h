#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "MultibyteLess.h"
#include "PrivateProfile.h"
#include "ScheduleRows.h"

class DateKeys;
struct Platform;

// The user's schedules, read from and written to the "Schedule" section of the
// settings file as a whole. The section's lines are kept as read, every one of
// them; the entries look up the first text of each date key, in key-text order.
class ScheduleStore {
public:
    using Entries = std::map<std::string, std::string, MultibyteLess>;

    explicit ScheduleStore(unsigned codePage = 0) : entries_(MultibyteLess(codePage)) {}

    // Replaces the store by the section's lines; the first line of a date wins. A
    // file whose stamp is that of the last load is not read again, unless the store
    // was changed since or the stamp was too young to be trusted then.
    void Load(const Platform& platform, const std::string& settingsFilePath);
    // The same from lines "key=date,text" already read.
    void LoadLines(std::vector<std::string> lines);
    const std::string* Find(const std::string& key) const;
    // Removes the first line of the date `key` whose text is `text`, and only that
    // line; false when there is none. A later line of the date then gives its text.
    bool Erase(const std::string& key, const std::string& text);
    // Gives each row's date the row's text: the first line of the date takes it, or
    // a new line is added for a date without one.
    void SetTexts(const std::vector<ScheduleRow>& rows);
    // The section as the store writes it: every line as read, stably sorted by the
    // key text of its date, so lines of one date keep their order.
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

    void IndexLines();

    std::vector<std::string> lines_;  // the section's lines, in file order
    Entries entries_;
    std::optional<Source> loadedFrom_;  // the file as the lines hold it
    mutable std::optional<std::vector<std::int32_t>> keyDates_;
};
