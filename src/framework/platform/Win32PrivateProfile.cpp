#include "Win32PrivateProfile.h"

#include <windows.h>

#include <algorithm>

namespace {

// Buffers beyond what a DWORD counts are offered only in part.
DWORD BufferSize(std::size_t size) { return static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD)); }

}  // namespace

std::size_t Win32PrivateProfile::GetString(const char* section, const char* key, const char* defaultValue,
                                           char* buffer, std::size_t size, const char* path) const {
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, BufferSize(size), path);
}

std::size_t Win32PrivateProfile::GetSection(const char* section, char* buffer, std::size_t size,
                                            const char* path) const {
    // Wine writes before the buffer when it is given none.
    if (size == 0) return 0;
    return GetPrivateProfileSectionA(section, buffer, BufferSize(size), path);
}

bool Win32PrivateProfile::WriteString(const char* section, const char* key, const char* value, const char* path) {
    return WritePrivateProfileStringA(section, key, value, path) != FALSE;
}

bool Win32PrivateProfile::WriteSection(const char* section, const char* lines, const char* path) {
    return WritePrivateProfileSectionA(section, lines, path) != FALSE;
}

std::optional<FileStamp> Win32PrivateProfile::Stamp(const char* path) const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return std::nullopt;
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return static_cast<std::uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
    };
    return FileStamp{static_cast<std::uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow,
                     ticks(data.ftLastWriteTime), ticks(now)};
}
