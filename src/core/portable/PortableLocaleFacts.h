#pragma once
#include "CodePage.h"
#include "LocaleConventions.h"
#include "LocaleFacts.h"

// The locale facts from the portable tables: a user locale and a system locale
// (which fixes the ANSI code page).
class PortableLocaleFacts : public LocaleFacts {
public:
    PortableLocaleFacts(std::uint32_t userLcid, std::uint32_t systemLcid);

    std::uint32_t UserDefaultLcid() const override { return user_.lcid; }
    std::string CountryAbbreviation(std::uint32_t lcid) const override;
    std::string ShortDateFormat() const override { return std::string(user_.shortDate); }
    std::string TimeFormat() const override { return std::string(user_.timeFormat); }
    std::string TimeSeparator() const override { return std::string(user_.timeSeparator); }
    unsigned AnsiCodePage() const override { return codePage_.Id(); }
    std::string SystemTextFromUtf8(std::string_view utf8) const override;
    std::string SystemTextLikeUtf8(std::string_view utf8) const override;
    std::string Utf8FromSystemText(std::string_view text) const override;

private:
    const LocaleConventions& user_;
    std::uint32_t systemLcid_;
    CodePage codePage_;
};
