#pragma once
#include <cstdint>
#include <string>

// LOCALE_SABBREVCTRYNAME of a specific locale id ("USA" for 1033, "JPN" for
// 1041); empty for a locale id the table does not hold.
std::string CountryAbbreviationOf(std::uint32_t lcid);
