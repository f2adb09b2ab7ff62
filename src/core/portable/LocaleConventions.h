#pragma once
#include <cstdint>
#include <string_view>

// What the portable services know of a user locale, as Win32 (Wine) reports it
// through GetLocaleInfoA. Texts are in the locale's ANSI code page.
struct LocaleConventions {
    std::uint32_t lcid;
    unsigned ansiCodePage;
    std::string_view shortDate;      // LOCALE_SSHORTDATE
    std::string_view timeFormat;     // LOCALE_STIMEFORMAT
    std::string_view timeSeparator;  // LOCALE_STIME
    std::string_view am;             // LOCALE_S1159
    std::string_view pm;             // LOCALE_S2359
};

// The conventions of a locale id: Japanese (1041), or the English formats with
// the locale's code page for the locales of the shipped holiday sections; any
// other locale id gives English (United States).
const LocaleConventions& ConventionsOf(std::uint32_t lcid);
