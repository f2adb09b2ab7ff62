#include "HolidayRuleLine.h"

#include <array>
#include <string>

#include "COleDateTime.h"
#include "HolidayDates.h"
#include "ScanFormat.h"

namespace {

enum class RuleKind { Date, NthDay, Easter, OrthodoxEaster, WeekdayOnOrAfter, WeekdayOnOrBefore };

struct RuleSyntax {
    std::string_view key;
    RuleKind kind;
    std::size_t fields;  // the name last
};

constexpr RuleSyntax kRules[] = {
    {"Date", RuleKind::Date, 5},
    {"NthDay", RuleKind::NthDay, 6},
    {"Easter", RuleKind::Easter, 4},
    {"OrthodoxEaster", RuleKind::OrthodoxEaster, 4},
    {"WeekdayOnOrAfter", RuleKind::WeekdayOnOrAfter, 6},
    {"WeekdayOnOrBefore", RuleKind::WeekdayOnOrBefore, 6},
};
constexpr std::size_t kMostFields = 6;

// Days from Easter Sunday a rule may name: Clean Monday (-48) to Corpus Christi (+60).
constexpr int kEarliestEasterOffset = -48;
constexpr int kLatestEasterOffset = 60;

// The fields of a rule, the name last. Every line of a rule file is cut once per
// year read, so no allocation.
struct RuleFields {
    std::array<std::string_view, kMostFields> field;
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

std::optional<int> NumberInRange(std::string_view field, int low, int high) {
    const std::optional<int> number = ScanDecimalField(field);
    if (!number || *number < low || *number > high) return std::nullopt;
    return number;
}

// The day of the month of a Date or NthDay rule, with no range test.
std::optional<int> DayOfMonthRule(RuleKind kind, const RuleFields& fields, int year, int month) {
    if (kind == RuleKind::Date) return ScanDecimalField(fields.field[3]);
    const std::optional<int> weekday = ScanDecimalField(fields.field[4]);
    if (!weekday) return std::nullopt;
    if (const std::optional<int> nth = ScanDecimalField(fields.field[3])) {
        return NthWeekdayOfMonth(year, month, *nth, *weekday);
    }
    if (EqualsIgnoringCase(fields.field[3], "Last")) return LastWeekdayOfMonth(year, month, *weekday);
    return std::nullopt;
}

// The date of one of the newer rules; invalid when a field is out of range.
COleDateTime DateOfRule(RuleKind kind, const RuleFields& fields, int year) {
    if (kind == RuleKind::Easter || kind == RuleKind::OrthodoxEaster) {
        const std::optional<int> offset = NumberInRange(fields.field[2], kEarliestEasterOffset, kLatestEasterOffset);
        if (!offset) return COleDateTime::Invalid();
        return (kind == RuleKind::Easter ? WesternEasterSunday(year) : OrthodoxEasterSunday(year)) + *offset;
    }
    const std::optional<int> month = NumberInRange(fields.field[2], 1, 12);
    const std::optional<int> day = NumberInRange(fields.field[3], 1, 31);
    const std::optional<int> weekday = NumberInRange(fields.field[4], 0, 6);
    if (!month || !day || !weekday) return COleDateTime::Invalid();
    const COleDateTime date(year, *month, *day);
    if (!date.IsValid()) return date;
    return kind == RuleKind::WeekdayOnOrAfter ? WeekdayOnOrAfter(date, *weekday) : WeekdayOnOrBefore(date, *weekday);
}

std::optional<HolidayRecord> RecordOfRule(const RuleSyntax& rule, const RuleFields& fields, int year) {
    std::string name(fields.name());
    if (rule.kind == RuleKind::Date || rule.kind == RuleKind::NthDay) {
        const std::optional<int> month = NumberInRange(fields.field[2], 1, 12);
        if (!month) return std::nullopt;
        const std::optional<int> day = DayOfMonthRule(rule.kind, fields, year, *month);
        if (!day) return std::nullopt;
        return HolidayRecord{*month, *day, 1, std::move(name)};
    }
    // A day the rule moves into another year is no holiday of this one.
    const COleDateTime date = DateOfRule(rule.kind, fields, year);
    if (!date.IsValid() || date.GetYear() != year) return std::nullopt;
    return HolidayRecord{date.GetMonth(), date.GetDay(), 1, std::move(name)};
}

struct ObservanceWord {
    std::string_view word;
    ObservanceMode mode;
};

constexpr ObservanceWord kObservances[] = {
    {"None", ObservanceMode::None},
    {"NextMonday", ObservanceMode::NextMonday},
    {"NextWorkday", ObservanceMode::NextWorkday},
    {"FridayMonday", ObservanceMode::FridayMonday},
    {"SundayMonday", ObservanceMode::SundayMonday},
    {"SundaySaturday", ObservanceMode::SundaySaturday},
};

}  // namespace

std::optional<HolidayRecord> ParseHolidayRuleLine(std::string_view line, int year) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = line.substr(0, equals);
    for (const RuleSyntax& rule : kRules) {
        if (key != rule.key) continue;
        const auto fields = CutFields(line.substr(equals + 1), rule.fields);
        if (!fields) return std::nullopt;
        const int fromYear = ScanDecimalField(fields->field[0]).value_or(0);
        const int toYear = ScanDecimalField(fields->field[1]).value_or(9999);
        if (year < fromYear || year > toYear) return std::nullopt;
        return RecordOfRule(rule, *fields, year);
    }
    return std::nullopt;
}

std::optional<HolidayObservance> ParseObservanceLine(std::string_view line) {
    constexpr std::string_view kKey = "Observance=";
    if (!line.starts_with(kKey)) return std::nullopt;
    const auto fields = CutFields(line.substr(kKey.size()), 2);
    if (!fields) return std::nullopt;
    for (const ObservanceWord& observance : kObservances) {
        if (EqualsIgnoringCase(fields->field[0], observance.word)) {
            return HolidayObservance{observance.mode, std::string(fields->field[1])};
        }
    }
    return std::nullopt;
}
