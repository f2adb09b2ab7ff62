#include "DatePicture.h"

#include <cstdio>

#include "LocaleConventions.h"

namespace {

std::string Number(int value, bool twoDigits) {
    char text[16];
    std::snprintf(text, sizeof text, twoDigits ? "%02d" : "%d", value);
    return text;
}

std::string Field(char letter, std::size_t count, const DatePictureFields& fields, const LocaleConventions& locale) {
    const bool twoDigits = count >= 2;
    switch (letter) {
    case 'd': return Number(fields.day, twoDigits);
    case 'M': return Number(fields.month, twoDigits);
    case 'y': return count >= 3 ? Number(fields.year, false) : Number(fields.year % 100, twoDigits);
    case 'h': return Number(fields.hour % 12 == 0 ? 12 : fields.hour % 12, twoDigits);
    case 'H': return Number(fields.hour, twoDigits);
    case 'm': return Number(fields.minute, twoDigits);
    case 's': return Number(fields.second, twoDigits);
    default: {
        const std::string_view designator = fields.hour < 12 ? locale.am : locale.pm;
        return std::string(twoDigits ? designator : designator.substr(0, 1));
    }
    }
}

}  // namespace

std::string ExpandDatePicture(std::string_view picture, const DatePictureFields& fields,
                              const LocaleConventions& locale) {
    constexpr std::string_view kLetters = "dMyhHmst";
    std::string text;
    std::size_t at = 0;
    while (at < picture.size()) {
        const char c = picture[at];
        if (kLetters.find(c) != std::string_view::npos) {
            const std::size_t run = picture.find_first_not_of(c, at);
            const std::size_t count = (run == std::string_view::npos ? picture.size() : run) - at;
            text += Field(c, count, fields, locale);
            at += count;
        } else {
            text += c;
            ++at;
        }
    }
    return text;
}
