#pragma once
#include <cstdint>

// The locales Wine derives from the POSIX locale variables: the locale of a
// shipped holiday section's country ("de_DE" 1031, "fr_LU" 5132), Japanese (1041)
// for a ja_* locale, else English (United States, 1033). The user's locale
// (formats, GetUserDefaultLCID) follows LC_ALL, LC_MESSAGES, LANG; the system's
// (the ANSI code page) follows LC_ALL, LC_CTYPE, LANG. The first variable that
// is set and not empty counts.
std::uint32_t UserLcidFromEnvironment();
std::uint32_t SystemLcidFromEnvironment();
