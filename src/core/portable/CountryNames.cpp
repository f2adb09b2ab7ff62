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
    {1025, "SAU"}, {1028, "TWN"}, {1029, "CZE"}, {1030, "DNK"}, {1031, "DEU"}, {1032, "GRC"},
    {1033, "USA"}, {1034, "ESP"}, {1035, "FIN"}, {1036, "FRA"}, {1037, "ISR"}, {1038, "HUN"},
    {1040, "ITA"}, {1041, "JPN"}, {1042, "KOR"}, {1043, "NLD"}, {1044, "NOR"}, {1045, "POL"},
    {1046, "BRA"}, {1049, "RUS"}, {1053, "SWE"}, {1054, "THA"}, {1055, "TUR"}, {1057, "IDN"},
    {1066, "VNM"}, {1081, "IND"}, {1086, "MYS"}, {2052, "CHN"}, {2055, "CHE"}, {2057, "GBR"},
    {2058, "MEX"}, {2067, "BEL"}, {2070, "PRT"}, {3076, "HKG"}, {3079, "AUT"}, {3081, "AUS"},
    {3082, "ESP"}, {3084, "CAN"}, {4100, "SGP"}, {4105, "CAN"}, {5129, "NZL"}, {6153, "IRL"},
    {7177, "ZAF"},
};

static_assert(std::ranges::is_sorted(kCountries, {}, &CountryName::lcid));

}  // namespace

std::string CountryAbbreviationOf(std::uint32_t lcid) {
    const auto found = std::ranges::lower_bound(kCountries, lcid, {}, &CountryName::lcid);
    return found != std::end(kCountries) && found->lcid == lcid ? found->abbreviation : "";
}
