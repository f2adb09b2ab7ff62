#pragma once
#include <string>
#include <string_view>

#include "COleDateTime.h"

// The date key: a day as the platform writes a midnight date in the user's short
// date form, and the platform's parser that reads such a text back.
class DateKeys {
public:
    virtual ~DateKeys() = default;
    // Empty text for an invalid date.
    virtual std::string Format(const COleDateTime& date) const = 0;
    // An invalid date when the text does not read as a date.
    virtual COleDateTime Parse(std::string_view text) const = 0;
};
