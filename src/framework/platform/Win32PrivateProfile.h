#pragma once
#include "PrivateProfile.h"

// The Win32 private-profile functions themselves.
class Win32PrivateProfile : public PrivateProfile {
public:
    std::size_t GetString(const char* section, const char* key, const char* defaultValue, char* buffer,
                          std::size_t size, const char* path) const override;
    std::size_t GetSection(const char* section, char* buffer, std::size_t size, const char* path) const override;
    bool WriteString(const char* section, const char* key, const char* value, const char* path) override;
    bool WriteSection(const char* section, const char* lines, const char* path) override;
    std::optional<FileStamp> Stamp(const char* path) const override;
};
