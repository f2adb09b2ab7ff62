#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "portable/IniTextProfile.h"

// The private-profile functions on files held in memory, for the fuzz targets:
// the same reading and writing of INI text as on disk, without a file system.
class MemoryPrivateProfile : public IniTextProfile {
public:
    // Replaces the file's bytes, unchanged, as a program outside would.
    void Put(const std::string& path, std::string_view bytes);

    // Its size, and for the time of the last write a count of all writes: every
    // write changes the stamp, so the stamp is always settled and to be trusted.
    std::optional<FileStamp> Stamp(const char* path) const override;

protected:
    void ReadText(const char* path, std::string& bytes) const override;
    bool SaveText(const char* path, const std::string& bytes) override;

private:
    struct File {
        std::string bytes;
        std::uint64_t writeTime = 0;
    };

    // Transparent comparison: the calls look files up by a C string.
    std::map<std::string, File, std::less<>> files_;
    std::uint64_t writes_ = 0;
};
