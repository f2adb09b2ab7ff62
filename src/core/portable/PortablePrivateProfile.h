#pragma once
#include <string>

#include "PrivateProfile.h"

// The private-profile functions on files read and written with the C++ library,
// behaving as the Win32 ones do on everything the program does with them.
class PortablePrivateProfile : public PrivateProfile {
public:
    std::size_t GetString(const char* section, const char* key, const char* defaultValue, char* buffer,
                          std::size_t size, const char* path) const override;
    std::size_t GetSection(const char* section, char* buffer, std::size_t size, const char* path) const override;
    bool WriteString(const char* section, const char* key, const char* value, const char* path) override;
    bool WriteSection(const char* section, const char* lines, const char* path) override;
    std::optional<FileStamp> Stamp(const char* path) const override;

private:
    // A whole section is read again and again with a growing buffer; reading the
    // file into the same memory each time spares most of the cost.
    mutable std::string sectionFileBytes_;
};
