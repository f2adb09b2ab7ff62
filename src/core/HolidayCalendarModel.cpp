#include "HolidayCalendarModel.h"

#include <algorithm>

#include "DateKeys.h"
#include "HolidayDates.h"
#include "HolidayRuleLine.h"
#include "LocaleFacts.h"
#include "Platform.h"
#include "ProfileAccess.h"

namespace {

constexpr std::uint32_t kEnglishUnitedStates = 1033;
constexpr std::uint32_t kJapanese = 1041;
// Since 2007 a Japanese substitute holiday is the next day that is no holiday.
constexpr int kFirstYearOfMovingSubstitutes = 2007;

// The built-in Japanese names, handed out in the system's code page.
constexpr const char* kVernalEquinoxName = "春分の日";
constexpr const char* kAutumnalEquinoxName = "秋分の日";
constexpr const char* kNationalHolidayName = "国民の休日";
constexpr const char* kJapaneseSubstituteName = "振替休日";

int FloorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// (year, month) of the month `offset` months after (year, month), month 1..12.
void AdvanceMonth(int& year, int& month, int offset) {
    const int index = month - 1 + offset;
    year += FloorDiv(index, 12);
    month = index - FloorDiv(index, 12) * 12 + 1;
}

}  // namespace

HolidayCalendarModel::HolidayCalendarModel(Platform& platform)
    : lcid(platform.locale.UserDefaultLcid()),
      platform_(platform),
      schedules_(platform.locale.AnsiCodePage()) {}

HolidayCalendarModel::~HolidayCalendarModel() = default;

void HolidayCalendarModel::OnBeginHolidayYear(int) {}
void HolidayCalendarModel::OnEndHolidayYear(int) {}
void HolidayCalendarModel::SetControlDayStates(int, const std::uint32_t*) {}

int HolidayCalendarModel::BuildHolidays(int year) {
    for (HolidayTable& table : holidayTables_) table.clear();
    observedHolidays_.Clear();
    if (holidayFile.empty()) return 1;

    OnBeginHolidayYear(year);
    ReadHolidayRules(year, holidayFile);
    ReadHolidayRules(year, settingsFilePath);
    OnEndHolidayYear(year);
    for (HolidayRecord& day : observedHolidays_.DaysOf(year)) {
        holidayTables_[day.month - 1].push_back(std::make_unique<HolidayRecord>(std::move(day)));
    }

    if (lcid == kEnglishUnitedStates) {
        substituteName_ = "Monday Make-up Holiday";
        if (year >= 1965 && (year - 1965) % 4 == 0) AddHoliday(1, 20, "Inauguration Day");
    } else if (lcid == kJapanese) {
        const LocaleFacts& locale = platform_.locale;
        substituteName_ = locale.SystemTextFromUtf8(kJapaneseSubstituteName);
        AddHoliday(3, VernalEquinoxDay(year), locale.SystemTextFromUtf8(kVernalEquinoxName));
        AddHoliday(9, AutumnalEquinoxDay(year), locale.SystemTextFromUtf8(kAutumnalEquinoxName));
        if (year >= 1985) AddNationalHolidays();
    }
    return 1;
}

void HolidayCalendarModel::ReadHolidayRules(int year, const std::string& path) {
    // An empty path would make the platform read a file of the Windows folder.
    if (path.empty()) return;
    const std::string section = platform_.locale.CountryAbbreviation(lcid);
    if (section.empty()) return;
    const auto& lines = ruleSections_.Lines(platform_.profile, path, section);
    // An observed day may cross a year end, so a section that says how weekends
    // are observed is read for the years on either side too.
    if (!ReadRulesOfYear(lines, year, true)) return;
    ReadRulesOfYear(lines, year - 1, false);
    ReadRulesOfYear(lines, year + 1, false);
}

bool HolidayCalendarModel::ReadRulesOfYear(const std::vector<std::string>& lines, int year, bool builtYear) {
    // Until the first "Observance" line the older Sunday rule holds.
    std::optional<HolidayObservance> observance;
    bool observes = false;
    for (const std::string& line : lines) {
        if (std::optional<HolidayObservance> next = ParseObservanceLine(line)) {
            observance = std::move(next);
            observes = true;
            continue;
        }
        std::optional<HolidayRecord> record = ParseHolidayRuleLine(line, year);
        if (!record) continue;
        const COleDateTime date(year, record->month, record->day);
        bool movedAway = false;
        if (observance) {
            record->substitutable = 0;
            if (date.IsValid()) {
                movedAway = ObservedHolidays::IsMovedAway(date, *observance);
                observedHolidays_.AddObservedHoliday(date, record->name, *observance);
            }
        }
        if (movedAway) continue;
        observedHolidays_.AddHoliday(date);
        if (builtYear) holidayTables_[record->month - 1].push_back(std::make_unique<HolidayRecord>(std::move(*record)));
    }
    return observes;
}

void HolidayCalendarModel::AddHoliday(int month, int day, std::string name) {
    holidayTables_[month - 1].push_back(std::make_unique<HolidayRecord>(HolidayRecord{month, day, 1, std::move(name)}));
}

// A day between two holidays of one month, neighbours in table order, is a
// holiday too; an added day is itself compared when the walk reaches it.
void HolidayCalendarModel::AddNationalHolidays() {
    const std::string name = platform_.locale.SystemTextFromUtf8(kNationalHolidayName);
    for (int month = 1; month <= 12; ++month) {
        HolidayTable& table = holidayTables_[month - 1];
        for (std::size_t j = 1; j < table.size(); ++j) {
            const int before = table[j - 1]->day;
            if (static_cast<long long>(table[j]->day) - before == 2) AddHoliday(month, before + 1, name);
        }
    }
}

void HolidayCalendarModel::LoadSchedules() { schedules_.Load(platform_, settingsFilePath); }

const std::string* HolidayCalendarModel::FindSchedule(const std::string& key) const { return schedules_.Find(key); }

bool HolidayCalendarModel::EraseSchedules(const std::string& key, const std::string& text) {
    return schedules_.Erase(key, text);
}

bool HolidayCalendarModel::WriteSchedulesSection(const std::string& path) const {
    return schedules_.WriteSection(platform_, path);
}

void HolidayCalendarModel::ComputeDayStates(const DayStateRequest& request) {
    const int count = std::max(request.count, 0);
    computing_ = request;
    computing_.count = count;
    dayStates_ = std::make_unique<std::uint32_t[]>(static_cast<std::size_t>(count) + 1);
    pendingLabels_.clear();
    dayLabels_.clear();
    LoadSchedules();

    for (int word = 0; word < count; ++word) {
        int year = request.startYear;
        int month = request.startMonth;
        AdvanceMonth(year, month, word);
        if (year != holidayTablesYear_) {
            BuildHolidays(year);
            holidayTablesYear_ = year;
        }
        // One substitute per Sunday, however many records name it: a second copy
        // would find the first one's substitute marked and take the next day too.
        std::vector<const HolidayRecord*> substituteQueue;
        for (const auto& record : holidayTables_[month - 1]) {
            const COleDateTime date(year, month, record->day);
            const auto sameDay = [&](const HolidayRecord* queued) { return queued->day == record->day; };
            if (record->substitutable && date.IsValid() && date.GetDayOfWeek() == COleDateTime::kSunday &&
                std::none_of(substituteQueue.begin(), substituteQueue.end(), sameDay)) {
                substituteQueue.push_back(record.get());
            }
            Mark(word, record->day);
            SetLabel(date, record->name);
        }
        for (const HolidayRecord* holiday : substituteQueue) MarkSubstitute(*holiday, year);
        MarkSchedules(year, month, word);
    }
}

bool HolidayCalendarModel::SubstitutesSkipMarkedDays(int year) const {
    return lcid == kJapanese && year >= kFirstYearOfMovingSubstitutes;
}

void HolidayCalendarModel::MarkSubstitute(const HolidayRecord& holiday, int year) {
    int candidateYear = year;
    int candidateMonth = holiday.month;
    int candidateDay = holiday.day + 1;
    const bool skipMarked = SubstitutesSkipMarkedDays(year);
    int word = 0;
    for (;;) {
        if (!COleDateTime(candidateYear, candidateMonth, candidateDay).IsValid()) {
            // Past the month's end: day 2 of the next month (its day 1 is left alone).
            AdvanceMonth(candidateYear, candidateMonth, 1);
            candidateDay = 2;
        }
        word = (candidateYear - computing_.startYear) * 12 + candidateMonth - computing_.startMonth;
        const COleDateTime candidate(candidateYear, candidateMonth, candidateDay);
        if (IsMarked(word, candidateDay) && (skipMarked || candidate.GetDayOfWeek() == COleDateTime::kSunday)) {
            ++candidateDay;
            continue;
        }
        break;
    }
    Mark(word, candidateDay);
    SetLabel(COleDateTime(candidateYear, candidateMonth, candidateDay), substituteName_);
}

void HolidayCalendarModel::MarkSchedules(int year, int month, int word) {
    // Without schedules nothing is marked: the month's date keys need not be made.
    if (schedules_.entries().empty()) return;
    const DateKeys& keys = platform_.dateKeys;
    // A key that matches a day of the month reads back as that day, as the painting
    // reads it: without such a key the month's own keys need not be made.
    const COleDateTime firstDay(year, month, 1);
    if (!firstDay.IsValid()) return;
    const std::vector<std::int32_t>& dates = schedules_.KeyDates(keys);
    const auto inMonth = std::lower_bound(dates.begin(), dates.end(), firstDay.Serial());
    if (inMonth == dates.end() || *inMonth >= firstDay.Serial() + COleDateTime::DaysInMonth(year, month)) return;
    KeyPendingLabels();
    for (int day = 1; day <= COleDateTime::DaysInMonth(year, month); ++day) {
        const COleDateTime date(year, month, day);
        if (!date.IsValid()) break;
        const std::string key = keys.Format(date);
        const std::string* text = schedules_.Find(key);
        if (!text) continue;
        Mark(word, day);
        std::string label = *text;
        if (!label.empty()) {
            if (const auto holiday = dayLabels_.find(key); holiday != dayLabels_.end()) {
                label += ", " + holiday->second;
            }
        }
        dayLabels_[key] = std::move(label);
    }
}

// Bits of the answer: word 0..count, the last being the spare word that takes a
// substitute spilling past the requested months; days 1..31 only.
bool HolidayCalendarModel::IsMarked(int word, int day) const {
    if (word < 0 || word > computing_.count || day < 1 || day > 31) return false;
    return (dayStates_[word] >> (day - 1)) & 1u;
}

void HolidayCalendarModel::Mark(int word, int day) {
    if (word < 0 || word > computing_.count || day < 1 || day > 31) return;
    dayStates_[word] |= 1u << (day - 1);
}

void HolidayCalendarModel::SetLabel(const COleDateTime& date, std::string label) {
    if (!date.IsValid()) return;  // such a record labels no real day
    pendingLabels_.emplace_back(date, std::move(label));
}

// In the order the labels were set: a later label of the same key replaces an earlier one.
void HolidayCalendarModel::KeyPendingLabels() const {
    for (auto& [date, label] : pendingLabels_) dayLabels_[platform_.dateKeys.Format(date)] = std::move(label);
    pendingLabels_.clear();
}

const HolidayCalendarModel::DayLabels& HolidayCalendarModel::dayLabels() const {
    KeyPendingLabels();
    return dayLabels_;
}

bool HolidayCalendarModel::OnGetDayState(DayStateRequest& request, long* result) {
    ComputeDayStates(request);
    request.answer = dayStates_.get();
    lastRequest_ = request;
    *result = 0;
    return false;
}

void HolidayCalendarModel::RefreshDayStates() {
    if (!HasAnsweredRequest()) return;
    ComputeDayStates(lastRequest_);
    lastRequest_.answer = dayStates_.get();
    SetControlDayStates(lastRequest_.count, dayStates_.get());
}

const std::string* HolidayCalendarModel::FindDayLabel(const std::string& key) const {
    KeyPendingLabels();
    const auto found = dayLabels_.find(key);
    return found == dayLabels_.end() ? nullptr : &found->second;
}
