#pragma once
#include "DateKeys.h"

// Date keys as the framework date type makes them: VarBstrFromDate and
// VarDateFromStr in the user's default locale, with no flags.
class Win32DateKeys : public DateKeys {
public:
    std::string Format(const COleDateTime& date) const override;
    COleDateTime Parse(std::string_view text) const override;
};
