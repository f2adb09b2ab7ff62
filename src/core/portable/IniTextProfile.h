#pragma once
#include <string>

#include "PrivateProfile.h"

// The private-profile functions on the whole text of each INI file, as the Win32
// ones behave on everything the program does with them. Where a path's text
// comes from and goes to is the derived class's business: a file on disk, or
// memory.
class IniTextProfile : public PrivateProfile {
public:
    std::size_t GetString(const char* section, const char* key, const char* defaultValue, char* buffer,
                          std::size_t size, const char* path) const override;
    std::size_t GetSection(const char* section, char* buffer, std::size_t size, const char* path) const override;
    bool WriteString(const char* section, const char* key, const char* value, const char* path) override;
    bool WriteSection(const char* section, const char* lines, const char* path) override;

protected:
    // The text at `path` into `bytes`; a missing file reads as an empty one.
    virtual void ReadText(const char* path, std::string& bytes) const = 0;
    // Replaces the text at `path`; false when it could not be stored.
    virtual bool SaveText(const char* path, const std::string& bytes) = 0;

private:
    std::string WholeText(const char* path) const;

    // A whole section is read again and again with a growing buffer; reading the
    // text into the same memory each time spares most of the cost.
    mutable std::string sectionFileBytes_;
};
