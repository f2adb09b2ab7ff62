#pragma once
#include "DateKeys.h"
#include "DateTextParser.h"
#include "LocaleConventions.h"

// Date keys in the user's short date form of the portable locale tables, giving
// the same text as the Win32 formatter (VarBstrFromDate) and reading it back.
class PortableDateKeys : public DateKeys {
public:
    explicit PortableDateKeys(std::uint32_t userLcid);
    std::string Format(const COleDateTime& date) const override;
    COleDateTime Parse(std::string_view text) const override;

private:
    const LocaleConventions& locale_;
    DateTextParser parser_;
};
