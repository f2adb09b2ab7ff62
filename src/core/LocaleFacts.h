#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The locale facts the program needs from the platform.
class LocaleFacts {
public:
    virtual ~LocaleFacts() = default;
    virtual std::uint32_t UserDefaultLcid() const = 0;
    // LOCALE_SABBREVCTRYNAME of `lcid` read into 4 characters ("JPN", "USA");
    // empty for a locale the platform does not know.
    virtual std::string CountryAbbreviation(std::uint32_t lcid) const = 0;
    // LOCALE_SSHORTDATE, LOCALE_STIMEFORMAT and LOCALE_STIME of the user default locale.
    virtual std::string ShortDateFormat() const = 0;
    virtual std::string TimeFormat() const = 0;
    virtual std::string TimeSeparator() const = 0;
    // The system's ANSI code page (GetACP): 932 on a Japanese system.
    virtual unsigned AnsiCodePage() const = 0;
    // Conversions between UTF-8 and the system's ANSI code page (932 on a Japanese
    // system); characters the code page lacks become '?'.
    virtual std::string SystemTextFromUtf8(std::string_view utf8) const = 0;
    virtual std::string Utf8FromSystemText(std::string_view text) const = 0;
    // The same conversion to the code page, with the system's best fit for a
    // character it lacks ("ā" becomes "a") and '?' where there is none.
    virtual std::string SystemTextLikeUtf8(std::string_view utf8) const = 0;
};
