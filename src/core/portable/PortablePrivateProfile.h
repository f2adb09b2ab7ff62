#pragma once
#include <string>

#include "IniTextProfile.h"

// The private-profile functions on files read and written with the C++ library.
class PortablePrivateProfile : public IniTextProfile {
public:
    std::optional<FileStamp> Stamp(const char* path) const override;

protected:
    void ReadText(const char* path, std::string& bytes) const override;
    bool SaveText(const char* path, const std::string& bytes) override;
};
