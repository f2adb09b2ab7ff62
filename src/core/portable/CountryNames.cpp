#include "CountryNames.h"

#include <algorithm>
#include <iterator>

namespace {

struct CountryName {
    std::uint32_t lcid;
    const char* abbreviation;
};

// Sorted by locale id.
constexpr CountryName kCountries[] = {
    {1025, "SAU"}, {1026, "BGR"}, {1027, "ESP"}, {1028, "TWN"}, {1029, "CZE"}, {1030, "DNK"},
    {1031, "DEU"}, {1032, "GRC"}, {1033, "USA"}, {1034, "ESP"}, {1035, "FIN"}, {1036, "FRA"},
    {1037, "ISR"}, {1038, "HUN"}, {1039, "ISL"}, {1040, "ITA"}, {1041, "JPN"}, {1042, "KOR"},
    {1043, "NLD"}, {1044, "NOR"}, {1045, "POL"}, {1046, "BRA"}, {1048, "ROU"}, {1049, "RUS"},
    {1050, "HRV"}, {1051, "SVK"}, {1053, "SWE"}, {1054, "THA"}, {1055, "TUR"}, {1057, "IDN"},
    {1060, "SVN"}, {1061, "EST"}, {1062, "LVA"}, {1063, "LTU"}, {1066, "VNM"}, {1069, "ESP"},
    {1078, "ZAF"}, {1081, "IND"}, {1086, "MYS"}, {1134, "LUX"}, {2052, "CHN"}, {2055, "CHE"},
    {2057, "GBR"}, {2058, "MEX"}, {2060, "BEL"}, {2067, "BEL"}, {2068, "NOR"}, {2070, "PRT"},
    {2077, "FIN"}, {2108, "IRL"}, {3076, "HKG"}, {3079, "AUT"}, {3081, "AUS"}, {3082, "ESP"},
    {3084, "CAN"}, {4100, "SGP"}, {4103, "LUX"}, {4105, "CAN"}, {4108, "CHE"}, {5127, "LIE"},
    {5129, "NZL"}, {5132, "LUX"}, {6153, "IRL"}, {7177, "ZAF"}, {9226, "COL"}, {16393, "IND"},
};

static_assert(std::ranges::is_sorted(kCountries, {}, &CountryName::lcid));

}  // namespace

std::string CountryAbbreviationOf(std::uint32_t lcid) {
    const auto found = std::ranges::lower_bound(kCountries, lcid, {}, &CountryName::lcid);
    return found != std::end(kCountries) && found->lcid == lcid ? found->abbreviation : "";
}
