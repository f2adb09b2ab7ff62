#include "DateTextParser.h"

#include <algorithm>
#include <initializer_list>

#include "LocaleConventions.h"

namespace {

constexpr int kLargeNumber = 100000;  // beyond every valid field; stops overflow

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsDateSeparator(char c) { return c == '/' || c == '-' || c == ','; }

void SkipBlanks(std::string_view& text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
}

int ReadNumber(std::string_view& text) {
    int value = 0;
    while (!text.empty() && IsDigit(text.front())) {
        value = std::min(value * 10 + (text.front() - '0'), kLargeNumber);
        text.remove_prefix(1);
    }
    return value;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::ranges::equal(text.substr(0, prefix.size()), prefix, [](char a, char b) {
               const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(a) == lower(b);
           });
}

// "h:mm" or "h:mm:ss" after its first number.
bool ReadTimeAfterHour(int hour, std::string_view& text) {
    constexpr int limits[] = {23, 59, 59};
    int fields = 1;
    if (hour > limits[0]) return false;
    while (fields < 3 && text.starts_with(':')) {
        text.remove_prefix(1);
        if (text.empty() || !IsDigit(text.front())) return false;
        if (ReadNumber(text) > limits[fields++]) return false;
    }
    return fields >= 2 && !text.starts_with(':');
}

int FullYear(int year) {
    if (year >= 100) return year;
    return year < 50 ? 2000 + year : 1900 + year;
}

}  // namespace

DateTextParser::DateTextParser(const LocaleConventions& locale) : locale_(locale) {
    const std::string_view picture = locale.shortDate;
    std::array<std::pair<std::size_t, char>, 3> positions = {
        {{picture.find('y'), 'y'}, {picture.find('M'), 'M'}, {picture.find('d'), 'd'}}};
    std::ranges::sort(positions);
    const auto indexOf = [&](char letter) {
        return static_cast<int>(std::ranges::find(positions, letter, &std::pair<std::size_t, char>::second) -
                                positions.begin());
    };
    localeOrder_ = {indexOf('y'), indexOf('M'), indexOf('d')};
}

void DateTextParser::SkipDesignator(std::string_view& text) const {
    SkipBlanks(text);
    for (std::string_view designator : {locale_.am, locale_.pm, std::string_view("AM"), std::string_view("PM"),
                                        std::string_view("A"), std::string_view("P")}) {
        if (StartsWithIgnoringCase(text, designator)) {
            text.remove_prefix(designator.size());
            return;
        }
    }
}

COleDateTime DateTextParser::DateFromNumbers(const std::array<int, 3>& numbers) const {
    constexpr FieldOrder kMonthDayYear{2, 0, 1};
    constexpr FieldOrder kYearMonthDay{0, 1, 2};
    constexpr FieldOrder kYearDayMonth{0, 2, 1};
    constexpr FieldOrder kDayMonthYear{2, 1, 0};
    for (const FieldOrder& order : {localeOrder_, kMonthDayYear, kYearMonthDay, kYearDayMonth, kDayMonthYear}) {
        const COleDateTime date(FullYear(numbers[order.year]), numbers[order.month], numbers[order.day]);
        if (date.IsValid()) return date;
    }
    return COleDateTime::Invalid();
}

COleDateTime DateTextParser::Parse(std::string_view text) const {
    std::array<int, 3> numbers{};
    int count = 0;
    bool haveTime = false;
    char pendingSeparator = '\0';  // a separator after the last number
    SkipBlanks(text);
    while (!text.empty()) {
        if (IsDateSeparator(text.front())) {
            if (count == 0 || pendingSeparator != '\0') return COleDateTime::Invalid();
            pendingSeparator = text.front();
            text.remove_prefix(1);
        } else if (IsDigit(text.front())) {
            const int number = ReadNumber(text);
            if (text.starts_with(':')) {
                // A time may follow the date after blanks or a comma only.
                const bool afterSeparator = pendingSeparator != '\0' && pendingSeparator != ',';
                if (haveTime || afterSeparator || !ReadTimeAfterHour(number, text)) return COleDateTime::Invalid();
                haveTime = true;
                pendingSeparator = '\0';
                SkipDesignator(text);
            } else {
                if (count == 3) return COleDateTime::Invalid();
                numbers[static_cast<std::size_t>(count++)] = number;
                pendingSeparator = '\0';
            }
        } else {
            return COleDateTime::Invalid();
        }
        SkipBlanks(text);
    }
    if (pendingSeparator != '\0') return COleDateTime::Invalid();
    if (count == 0 && haveTime) return COleDateTime();
    return count == 3 ? DateFromNumbers(numbers) : COleDateTime::Invalid();
}
