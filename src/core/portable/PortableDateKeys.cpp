#include "PortableDateKeys.h"

#include "DatePicture.h"

PortableDateKeys::PortableDateKeys(std::uint32_t userLcid) : locale_(ConventionsOf(userLcid)), parser_(locale_) {}

std::string PortableDateKeys::Format(const COleDateTime& date) const {
    if (!date.IsValid()) return {};
    // Day 0 of the automation date means "no date": the formatter writes the time
    // of day instead, midnight in the locale's time format.
    if (date.Serial() == 0) return ExpandDatePicture(locale_.timeFormat, {}, locale_);
    const DatePictureFields fields{.year = date.GetYear(), .month = date.GetMonth(), .day = date.GetDay()};
    return ExpandDatePicture(locale_.shortDate, fields, locale_);
}

COleDateTime PortableDateKeys::Parse(std::string_view text) const { return parser_.Parse(text); }
