#pragma once
#include <string>
#include <vector>

#include "PrivateProfile.h"

// Sections of INI files kept as read, each until its file's size or last write
// time changes: a file edited outside the program is read again at the next ask.
// A stamp taken too soon after the file's last write is not trusted: the section
// is read again until its stamp has settled.
class ProfileSectionCache {
public:
    // The section's lines, as ReadProfileSection gives them.
    const std::vector<std::string>& Lines(const PrivateProfile& profile, const std::string& path,
                                          const std::string& section);

private:
    struct Entry {
        std::string path;
        std::string section;
        FileStamp stamp;
        std::vector<std::string> lines;
    };

    std::vector<Entry> entries_;
    std::vector<std::string> unstamped_;  // a file without a stamp is read at every ask
};
