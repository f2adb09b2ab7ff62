#pragma once
#include "LocaleFacts.h"

// The locale facts of Win32: GetLocaleInfoA, GetUserDefaultLCID, GetACP and the
// code page conversions.
class Win32LocaleFacts : public LocaleFacts {
public:
    std::uint32_t UserDefaultLcid() const override;
    std::string CountryAbbreviation(std::uint32_t lcid) const override;
    std::string ShortDateFormat() const override;
    std::string TimeFormat() const override;
    std::string TimeSeparator() const override;
    unsigned AnsiCodePage() const override;
    std::string SystemTextFromUtf8(std::string_view utf8) const override;
    std::string SystemTextLikeUtf8(std::string_view utf8) const override;
    std::string Utf8FromSystemText(std::string_view text) const override;
};
