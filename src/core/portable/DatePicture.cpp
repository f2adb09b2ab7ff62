#include "DatePicture.h"

#include <charconv>

#include "LocaleConventions.h"

namespace {

// A date key is made for every day on view: the fields are appended in place,
// without a formatted print per number.
void AppendNumber(std::string& text, int value, bool twoDigits) {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    // As "%02d": one digit gets a leading zero (a minus sign already makes two).
    if (twoDigits && end - digits < 2) text += '0';
    text.append(digits, static_cast<std::size_t>(end - digits));
}

void AppendField(std::string& text, char letter, std::size_t count, const DatePictureFields& fields,
                 const LocaleConventions& locale) {
    const bool twoDigits = count >= 2;
    switch (letter) {
    case 'd': return AppendNumber(text, fields.day, twoDigits);
    case 'M': return AppendNumber(text, fields.month, twoDigits);
    case 'y':
        return count >= 3 ? AppendNumber(text, fields.year, false)
                          : AppendNumber(text, fields.year % 100, twoDigits);
    case 'h': return AppendNumber(text, fields.hour % 12 == 0 ? 12 : fields.hour % 12, twoDigits);
    case 'H': return AppendNumber(text, fields.hour, twoDigits);
    case 'm': return AppendNumber(text, fields.minute, twoDigits);
    case 's': return AppendNumber(text, fields.second, twoDigits);
    default: {
        const std::string_view designator = fields.hour < 12 ? locale.am : locale.pm;
        text += twoDigits ? designator : designator.substr(0, 1);
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
            AppendField(text, c, count, fields, locale);
            at += count;
        } else {
            text += c;
            ++at;
        }
    }
    return text;
}
