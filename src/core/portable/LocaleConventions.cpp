#include "LocaleConventions.h"

#include <algorithm>
#include <iterator>

namespace {

// The tables know no formats but English (United States) and Japanese: another
// locale has the English ones, with its own ANSI code page.
constexpr LocaleConventions English(std::uint32_t lcid, unsigned ansiCodePage) {
    return {lcid, ansiCodePage, "M/d/yyyy", "h:mm:ss tt", ":", "AM", "PM"};
}

constexpr LocaleConventions kEnglishUnitedStates = English(1033, 1252);
// "午前" and "午後" in code page 932.
constexpr LocaleConventions kJapanese{1041, 932, "yyyy/M/d", "H:mm:ss", ":", "\x8C\xDF\x91\x4F", "\x8C\xDF\x8C\xE3"};

// The locales of the countries whose holidays ship, sorted by locale id.
constexpr LocaleConventions kOthers[] = {
    English(1026, 1251), English(1029, 1250), English(1030, 1252), English(1031, 1252),
    English(1032, 1253), English(1035, 1252), English(1036, 1252), English(1038, 1250),
    English(1039, 1252), English(1040, 1252), English(1043, 1252), English(1044, 1252),
    English(1045, 1250), English(1048, 1250), English(1050, 1250), English(1051, 1250),
    English(1053, 1252), English(1060, 1250), English(1061, 1257), English(1062, 1257),
    English(1063, 1257), English(2057, 1252), English(2067, 1252), English(2070, 1252),
    English(3079, 1252), English(3082, 1252), English(4105, 1252), English(5132, 1252),
    English(6153, 1252), English(7177, 1252), English(16393, 1252),
};

static_assert(std::ranges::is_sorted(kOthers, {}, &LocaleConventions::lcid));

}  // namespace

const LocaleConventions& ConventionsOf(std::uint32_t lcid) {
    if (lcid == kJapanese.lcid) return kJapanese;
    const auto found = std::ranges::lower_bound(kOthers, lcid, {}, &LocaleConventions::lcid);
    return found != std::end(kOthers) && found->lcid == lcid ? *found : kEnglishUnitedStates;
}
