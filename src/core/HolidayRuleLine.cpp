#include "HolidayRuleLine.h"

#include <array>
#include <string>

#include "HolidayDates.h"
#include "ScanFormat.h"

namespace {

constexpr std::size_t kDateFields = 5;
constexpr std::size_t kNthDayFields = 6;

// The fields of a rule, the name last; a Date rule leaves the sixth unused.
// Every line of a rule file is cut once per year read, so no allocation.
struct RuleFields {
    std::array<std::string_view, kNthDayFields> field;
    std::size_t count = 0;
    std::string_view name() const { return field[count - 1]; }
};

// Cuts `value` into `count` fields: count - 1 comma-separated pieces, then the
// rest (commas included) as the last one. Fewer pieces: the line is malformed.
std::optional<RuleFields> CutFields(std::string_view value, std::size_t count) {
    RuleFields fields;
    while (!value.empty() && fields.count < count - 1) {
        const std::size_t comma = value.find(',');
        if (comma == std::string_view::npos) {
            fields.field[fields.count++] = value;
            value = {};
        } else {
            fields.field[fields.count++] = value.substr(0, comma);
            value.remove_prefix(comma + 1);
        }
    }
    if (fields.count < count - 1) return std::nullopt;
    fields.field[fields.count++] = value;
    return fields;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(word[i])) return false;
    }
    return true;
}

std::optional<int> DayOfRule(bool nthDay, const RuleFields& fields, int year, int month) {
    if (!nthDay) return ScanDecimalField(fields.field[3]);
    const std::optional<int> weekday = ScanDecimalField(fields.field[4]);
    if (!weekday) return std::nullopt;
    if (const std::optional<int> nth = ScanDecimalField(fields.field[3])) {
        return NthWeekdayOfMonth(year, month, *nth, *weekday);
    }
    if (EqualsIgnoringCase(fields.field[3], "Last")) return LastWeekdayOfMonth(year, month, *weekday);
    return std::nullopt;
}

}  // namespace

std::optional<HolidayRecord> ParseHolidayRuleLine(std::string_view line, int year) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = line.substr(0, equals);
    const bool nthDay = key == "NthDay";
    if (!nthDay && key != "Date") return std::nullopt;

    const auto fields = CutFields(line.substr(equals + 1), nthDay ? kNthDayFields : kDateFields);
    if (!fields) return std::nullopt;
    const int fromYear = ScanDecimalField(fields->field[0]).value_or(0);
    const int toYear = ScanDecimalField(fields->field[1]).value_or(9999);
    if (year < fromYear || year > toYear) return std::nullopt;
    const std::optional<int> month = ScanDecimalField(fields->field[2]);
    if (!month || *month < 1 || *month > 12) return std::nullopt;
    const std::optional<int> day = DayOfRule(nthDay, *fields, year, *month);
    if (!day) return std::nullopt;
    return HolidayRecord{*month, *day, 1, std::string(fields->name())};
}
