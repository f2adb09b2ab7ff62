#include "IcsValues.h"

#include <cstdint>
#include <limits>

namespace ics {
namespace {

constexpr std::int32_t kSerialOf1970 = 25569;

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::vector<std::string_view> SplitValue(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find(separator, at);
        parts.push_back(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        if (end == std::string_view::npos) return parts;
        at = end + 1;
    }
}

std::optional<int> Digits(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<DateTimeValue> ParseDateTime(std::string_view text) {
    text = Trimmed(text);
    if (text.size() < 8) return std::nullopt;
    const auto year = Digits(text.substr(0, 4));
    const auto month = Digits(text.substr(4, 2));
    const auto day = Digits(text.substr(6, 2));
    if (!year || !month || !day) return std::nullopt;
    DateTimeValue value{COleDateTime(*year, *month, *day), std::nullopt};
    if (!value.day.IsValid()) return std::nullopt;
    if (text.size() == 8) return value;
    value.utc = text.size() == 16 && (text[15] == 'Z' || text[15] == 'z');
    if ((text.size() != 15 && !value.utc) || (text[8] != 'T' && text[8] != 't')) return std::nullopt;
    const auto hour = Digits(text.substr(9, 2));
    const auto minute = Digits(text.substr(11, 2));
    const auto second = Digits(text.substr(13, 2));
    // 60: a leap second.
    if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 60) return std::nullopt;
    value.seconds = *hour * 3600 + *minute * 60 + *second;
    return value;
}

long long WallSeconds(const COleDateTime& day, int seconds) {
    return (static_cast<long long>(day.Serial()) - kSerialOf1970) * kSecondsPerDay + seconds;
}

long long DayNumber(long long wallSeconds) {
    return wallSeconds / kSecondsPerDay - (wallSeconds % kSecondsPerDay < 0 ? 1 : 0);
}

COleDateTime DayOfWallSeconds(long long wallSeconds) {
    const long long serial = DayNumber(wallSeconds) + kSerialOf1970;
    if (serial < std::numeric_limits<std::int32_t>::min() || serial > std::numeric_limits<std::int32_t>::max()) {
        return COleDateTime::Invalid();
    }
    return COleDateTime::FromSerial(static_cast<std::int32_t>(serial));
}

}  // namespace ics
