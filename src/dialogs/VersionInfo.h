#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Reads named strings of a program file's version resource.
class VersionInfo {
public:
    // This program's own version resource; every value is empty without one.
    static VersionInfo OfProgram();

    // Reads the file's version resource and its first translation; false leaves it closed.
    bool Open(const std::string& path);
    void Close();

    // The named string of the table of `translation` (language id << 16 | code
    // page), or of the file's first translation when 0; empty when absent.
    std::string Get(const std::string& name, std::uint32_t translation = 0) const;

    std::string ProductName() const { return Get("ProductName"); }
    std::string FileVersion() const { return Get("FileVersion"); }
    std::string Copyright() const { return Get("LegalCopyright"); }
    std::string CompanyName() const { return Get("CompanyName"); }

private:
    std::vector<char> data_;
    std::uint32_t translation_ = 0;
};
