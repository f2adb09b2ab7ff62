#include "LocaleEnvironment.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <string_view>

namespace {

constexpr std::uint32_t kEnglishUnitedStates = 1033;
constexpr std::uint32_t kJapanese = 1041;

struct NamedLocale {
    std::string_view name;
    std::uint32_t lcid;
};

// The language and territory Wine gives each locale of the shipped holiday
// sections, sorted by name.
constexpr NamedLocale kNamedLocales[] = {
    {"bg_BG", 1026}, {"cs_CZ", 1029}, {"da_DK", 1030}, {"de_AT", 3079}, {"de_DE", 1031},
    {"el_GR", 1032}, {"en_CA", 4105}, {"en_GB", 2057}, {"en_IE", 6153}, {"en_IN", 16393},
    {"en_ZA", 7177}, {"es_ES", 3082}, {"et_EE", 1061}, {"fi_FI", 1035}, {"fr_FR", 1036},
    {"fr_LU", 5132}, {"hr_HR", 1050}, {"hu_HU", 1038}, {"is_IS", 1039}, {"it_IT", 1040},
    {"lt_LT", 1063}, {"lv_LV", 1062}, {"nb_NO", 1044}, {"nl_BE", 2067}, {"nl_NL", 1043},
    {"pl_PL", 1045}, {"pt_PT", 2070}, {"ro_RO", 1048}, {"sk_SK", 1051}, {"sl_SI", 1060},
    {"sv_SE", 1053},
};

static_assert(std::ranges::is_sorted(kNamedLocales, {}, &NamedLocale::name));

std::string_view FirstSetVariable(const char* category) {
    for (const char* name : {"LC_ALL", category, "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return value;
    }
    return {};
}

// "de_AT.UTF-8" is "de_AT" of the table; "ja", "ja_JP.UTF-8", "ja@..." are all
// Japanese.
std::uint32_t LcidOfLocaleName(std::string_view name) {
    const std::string_view territorial = name.substr(0, name.find_first_of(".@"));
    const auto found = std::ranges::lower_bound(kNamedLocales, territorial, {}, &NamedLocale::name);
    if (found != std::end(kNamedLocales) && found->name == territorial) return found->lcid;
    const std::string_view language = name.substr(0, name.find_first_of("_.@"));
    return language == "ja" ? kJapanese : kEnglishUnitedStates;
}

}  // namespace

std::uint32_t UserLcidFromEnvironment() { return LcidOfLocaleName(FirstSetVariable("LC_MESSAGES")); }

std::uint32_t SystemLcidFromEnvironment() { return LcidOfLocaleName(FirstSetVariable("LC_CTYPE")); }
