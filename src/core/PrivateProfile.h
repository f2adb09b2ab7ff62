#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

// What tells whether a file changed: its size and its last write time, in ticks of
// 100 ns, and when the stamp was taken, on the same clock.
struct FileStamp {
    // The coarsest time stamps in use (FAT's): two writes of one size within them
    // may leave one stamp.
    static constexpr std::uint64_t kTimeResolution = 2 * 10'000'000ULL;

    std::uint64_t size = 0;
    std::uint64_t writeTime = 0;
    std::uint64_t takenAt = 0;

    bool operator==(const FileStamp& other) const { return size == other.size && writeTime == other.writeTime; }
    // Whether any later write must change the stamp: the file was last written at
    // least one time resolution before the stamp was taken.
    bool Settled() const { return takenAt >= writeTime && takenAt - writeTime >= kTimeResolution; }
};

// Access to INI files with the contract of the Win32 private-profile functions.
// All text is in the system's ANSI code page and passed through as bytes.
class PrivateProfile {
public:
    virtual ~PrivateProfile() = default;

    // GetPrivateProfileStringA with a non-null section and key: copies the value
    // (or `defaultValue` when the file, section or key is missing) into `buffer`,
    // cut to size - 1 characters, and returns the number of characters copied.
    virtual std::size_t GetString(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, std::size_t size, const char* path) const = 0;

    // GetPrivateProfileSectionA: the section's lines "key=value", each ended by a
    // NUL, with one more NUL at the end. Returns the characters copied without the
    // final NUL; a section that does not fit is cut and reported as size - 2.
    virtual std::size_t GetSection(const char* section, char* buffer, std::size_t size,
                                   const char* path) const = 0;

    // WritePrivateProfileStringA with non-null section, key and value: creates the
    // file, the section or the key when missing, else replaces the value in place.
    virtual bool WriteString(const char* section, const char* key, const char* value,
                             const char* path) = 0;

    // WritePrivateProfileSectionA: replaces the whole section by `lines`, a block of
    // NUL-ended lines closed by one more NUL.
    virtual bool WriteSection(const char* section, const char* lines, const char* path) = 0;

    // The stamp of the file the calls above read; none when it cannot be read.
    virtual std::optional<FileStamp> Stamp(const char* path) const = 0;
};
