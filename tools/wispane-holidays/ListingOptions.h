#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The command line of wispane-holidays.
struct ListingOptions {
    std::uint32_t lcid = 0;
    int fromYear = 0;
    int toYear = 0;
    std::string holidayFile;   // empty: the Holiday.ini beside the program
    std::string settingsFile;  // empty: no settings file
};

extern const char* const kListingUsage;

// None for an unknown option, a missing option or value, or a bad number.
std::optional<ListingOptions> ParseListingOptions(const std::vector<std::string>& arguments);
