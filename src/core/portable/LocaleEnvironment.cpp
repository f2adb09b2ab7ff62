#include "LocaleEnvironment.h"

#include <cstdlib>
#include <initializer_list>
#include <string_view>

namespace {

constexpr std::uint32_t kEnglishUnitedStates = 1033;
constexpr std::uint32_t kJapanese = 1041;

std::string_view FirstSetVariable(const char* category) {
    for (const char* name : {"LC_ALL", category, "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return value;
    }
    return {};
}

// "ja", "ja_JP", "ja_JP.UTF-8", "ja@...": the language part is "ja".
std::uint32_t LcidOfLocaleName(std::string_view name) {
    const std::string_view language = name.substr(0, name.find_first_of("_.@"));
    return language == "ja" ? kJapanese : kEnglishUnitedStates;
}

}  // namespace

std::uint32_t UserLcidFromEnvironment() { return LcidOfLocaleName(FirstSetVariable("LC_MESSAGES")); }

std::uint32_t SystemLcidFromEnvironment() { return LcidOfLocaleName(FirstSetVariable("LC_CTYPE")); }
