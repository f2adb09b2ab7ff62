#include "KnownTimeZones.h"

#include <charconv>

namespace {

constexpr int kHour = 3600;

constexpr DaylightSaving kEuropean{{"FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU", 1 * kHour, true},
                                   {"FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU", 1 * kHour, true}};
constexpr DaylightSaving kNorthAmerican{{"FREQ=YEARLY;BYMONTH=3;BYDAY=2SU", 2 * kHour, false},
                                        {"FREQ=YEARLY;BYMONTH=11;BYDAY=1SU", 2 * kHour, false}};
// The southern zones end daylight saving time at 02:00 standard time, 03:00 on the clock.
constexpr DaylightSaving kSouthEastAustralian{{"FREQ=YEARLY;BYMONTH=10;BYDAY=1SU", 2 * kHour, false},
                                              {"FREQ=YEARLY;BYMONTH=4;BYDAY=1SU", 3 * kHour, false}};
constexpr DaylightSaving kNewZealand{{"FREQ=YEARLY;BYMONTH=9;BYDAY=-1SU", 2 * kHour, false},
                                     {"FREQ=YEARLY;BYMONTH=4;BYDAY=1SU", 3 * kHour, false}};
// From the Friday before the last Sunday of March.
constexpr DaylightSaving kIsraeli{{"FREQ=YEARLY;BYMONTH=3;BYMONTHDAY=23,24,25,26,27,28,29;BYDAY=FR", 2 * kHour, false},
                                  {"FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU", 2 * kHour, false}};
// The first Sunday from the 2nd of September to the first Sunday from the 2nd of April.
constexpr DaylightSaving kChilean{{"FREQ=YEARLY;BYMONTH=9;BYMONTHDAY=2,3,4,5,6,7,8;BYDAY=SU", 4 * kHour, true},
                                  {"FREQ=YEARLY;BYMONTH=4;BYMONTHDAY=2,3,4,5,6,7,8;BYDAY=SU", 3 * kHour, true}};

struct NamedZone {
    std::string_view names;  // the Windows name first, then the IANA names, separated by commas
    int standardMinutes;
    const DaylightSaving* daylight;
};

// The Windows names and the IANA names they stand for, after the Unicode CLDR
// mapping, with a few old IANA aliases calendars still write.
constexpr NamedZone kZones[] = {
    {"UTC,GMT,Z,Etc/UTC,Etc/GMT,Etc/UCT,Etc/Universal,Etc/Zulu,Etc/Greenwich", 0, nullptr},
    {"Greenwich Standard Time,Atlantic/Reykjavik,Iceland,Africa/Abidjan,Africa/Accra", 0, nullptr},
    {"GMT Standard Time,Europe/London,Europe/Dublin,Europe/Lisbon,GB,Eire,Portugal", 0, &kEuropean},
    {"W. Europe Standard Time,Europe/Berlin,Europe/Amsterdam,Europe/Rome,Europe/Vienna,Europe/Zurich,"
     "Europe/Stockholm,Europe/Oslo,Europe/Luxembourg,Europe/Monaco,Europe/Malta,Europe/Vaduz",
     60, &kEuropean},
    {"Romance Standard Time,Europe/Paris,Europe/Brussels,Europe/Copenhagen,Europe/Madrid", 60, &kEuropean},
    {"Central Europe Standard Time,Europe/Budapest,Europe/Prague,Europe/Bratislava,Europe/Belgrade,Europe/Ljubljana",
     60, &kEuropean},
    {"Central European Standard Time,Europe/Warsaw,Europe/Zagreb,Europe/Sarajevo,Europe/Skopje,Poland", 60,
     &kEuropean},
    {"FLE Standard Time,Europe/Helsinki,Europe/Kyiv,Europe/Kiev,Europe/Riga,Europe/Tallinn,Europe/Vilnius,"
     "Europe/Sofia",
     120, &kEuropean},
    {"GTB Standard Time,Europe/Athens,Europe/Bucharest,Asia/Nicosia", 120, &kEuropean},
    {"Israel Standard Time,Asia/Jerusalem,Asia/Tel_Aviv,Israel", 120, &kIsraeli},
    {"South Africa Standard Time,Africa/Johannesburg", 120, nullptr},
    {"W. Central Africa Standard Time,Africa/Lagos", 60, nullptr},
    {"E. Africa Standard Time,Africa/Nairobi", 180, nullptr},
    {"Russian Standard Time,Europe/Moscow,W-SU", 180, nullptr},
    {"Turkey Standard Time,Europe/Istanbul,Asia/Istanbul,Turkey", 180, nullptr},
    {"Arab Standard Time,Asia/Riyadh,Asia/Qatar,Asia/Kuwait", 180, nullptr},
    {"Iran Standard Time,Asia/Tehran,Iran", 210, nullptr},
    {"Arabian Standard Time,Asia/Dubai,Asia/Muscat", 240, nullptr},
    {"Pakistan Standard Time,Asia/Karachi", 300, nullptr},
    {"India Standard Time,Asia/Kolkata,Asia/Calcutta", 330, nullptr},
    {"Sri Lanka Standard Time,Asia/Colombo", 330, nullptr},
    {"Nepal Standard Time,Asia/Kathmandu,Asia/Katmandu", 345, nullptr},
    {"Bangladesh Standard Time,Asia/Dhaka", 360, nullptr},
    {"Myanmar Standard Time,Asia/Yangon,Asia/Rangoon", 390, nullptr},
    {"SE Asia Standard Time,Asia/Bangkok,Asia/Jakarta,Asia/Ho_Chi_Minh,Asia/Saigon", 420, nullptr},
    {"China Standard Time,Asia/Shanghai,Asia/Hong_Kong,Asia/Macau,PRC,Hongkong", 480, nullptr},
    {"Taipei Standard Time,Asia/Taipei,ROC", 480, nullptr},
    {"Singapore Standard Time,Asia/Singapore,Asia/Kuala_Lumpur,Asia/Manila,Singapore", 480, nullptr},
    {"W. Australia Standard Time,Australia/Perth", 480, nullptr},
    {"Tokyo Standard Time,Asia/Tokyo,Japan", 540, nullptr},
    {"Korea Standard Time,Asia/Seoul,ROK", 540, nullptr},
    {"AUS Central Standard Time,Australia/Darwin", 570, nullptr},
    {"Cen. Australia Standard Time,Australia/Adelaide", 570, &kSouthEastAustralian},
    {"E. Australia Standard Time,Australia/Brisbane", 600, nullptr},
    {"AUS Eastern Standard Time,Australia/Sydney,Australia/Melbourne,Australia/Canberra,Australia/ACT,"
     "Australia/NSW,Australia/Victoria",
     600, &kSouthEastAustralian},
    {"Tasmania Standard Time,Australia/Hobart", 600, &kSouthEastAustralian},
    {"New Zealand Standard Time,Pacific/Auckland,NZ", 720, &kNewZealand},
    {"Newfoundland Standard Time,America/St_Johns,Canada/Newfoundland", -210, &kNorthAmerican},
    {"Atlantic Standard Time,America/Halifax,Atlantic/Bermuda,Canada/Atlantic", -240, &kNorthAmerican},
    {"Pacific SA Standard Time,America/Santiago", -240, &kChilean},
    {"Venezuela Standard Time,America/Caracas", -240, nullptr},
    {"E. South America Standard Time,America/Sao_Paulo,Brazil/East", -180, nullptr},
    {"Argentina Standard Time,America/Argentina/Buenos_Aires,America/Buenos_Aires", -180, nullptr},
    {"Eastern Standard Time,America/New_York,America/Toronto,America/Detroit,US/Eastern,Canada/Eastern,EST5EDT",
     -300, &kNorthAmerican},
    {"US Eastern Standard Time,America/Indiana/Indianapolis,America/Indianapolis", -300, &kNorthAmerican},
    {"SA Pacific Standard Time,America/Bogota,America/Lima", -300, nullptr},
    {"Central Standard Time,America/Chicago,America/Winnipeg,US/Central,Canada/Central,CST6CDT", -360,
     &kNorthAmerican},
    {"Central Standard Time (Mexico),America/Mexico_City,Mexico/General", -360, nullptr},
    {"Canada Central Standard Time,America/Regina", -360, nullptr},
    {"Central America Standard Time,America/Guatemala,America/Costa_Rica", -360, nullptr},
    {"Mountain Standard Time,America/Denver,America/Edmonton,America/Boise,US/Mountain,Canada/Mountain,MST7MDT",
     -420, &kNorthAmerican},
    {"US Mountain Standard Time,America/Phoenix,US/Arizona", -420, nullptr},
    {"Pacific Standard Time,America/Los_Angeles,America/Vancouver,US/Pacific,Canada/Pacific,PST8PDT", -480,
     &kNorthAmerican},
    {"Alaskan Standard Time,America/Anchorage,US/Alaska", -540, &kNorthAmerican},
    {"Hawaiian Standard Time,Pacific/Honolulu,US/Hawaii", -600, nullptr},
};

bool Lists(std::string_view names, std::string_view name) {
    for (std::size_t at = 0;;) {
        const std::size_t end = names.find(',', at);
        if (names.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at) == name) return true;
        if (end == std::string_view::npos) return false;
        at = end + 1;
    }
}

// "Etc/GMT+5" is five hours west of UTC (the sign is the POSIX one), and so is
// "UTC-05" as Windows names it.
std::optional<int> FixedHours(std::string_view name) {
    int westward = 0;
    if (name.starts_with("Etc/GMT")) {
        name.remove_prefix(7);
        westward = 1;
    } else if (name.starts_with("UTC") && name.size() == 6) {
        name.remove_prefix(3);
        westward = -1;
    } else {
        return std::nullopt;
    }
    if (name.size() < 2 || (name[0] != '+' && name[0] != '-') || name[1] < '0' || name[1] > '9') return std::nullopt;
    int hours = 0;
    const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), hours);
    if (error != std::errc() || end != name.data() + name.size()) return std::nullopt;
    const int east = (name[0] == '+' ? -westward : westward) * hours;
    if (east < -12 || east > 14) return std::nullopt;
    return east;
}

}  // namespace

std::optional<KnownTimeZone> FindKnownTimeZone(std::string_view name) {
    if (const auto hours = FixedHours(name)) return KnownTimeZone{*hours * kHour, nullptr};
    for (const NamedZone& zone : kZones) {
        if (Lists(zone.names, name)) return KnownTimeZone{zone.standardMinutes * 60, zone.daylight};
    }
    return std::nullopt;
}
