#include "ListingOptions.h"

#include <charconv>
#include <limits>

namespace {

// The years the calendar's date type holds, with the month before and after.
constexpr int kFirstYear = 101;
constexpr int kLastYear = 9998;

// The whole text as a number in decimal, or in hexadecimal after "0x".
template <typename Number>
std::optional<Number> ParseNumber(const std::string& text) {
    int base = 10;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        first += 2;
    }
    Number value{};
    const auto [end, error] = std::from_chars(first, last, value, base);
    if (first == last || error != std::errc() || end != last) return std::nullopt;
    return value;
}

std::optional<int> ParseYear(const std::string& text) {
    const std::optional<int> year = ParseNumber<int>(text);
    if (!year || *year < kFirstYear || *year > kLastYear) return std::nullopt;
    return year;
}

}  // namespace

const char* const kListingUsage =
    "usage: wispane-holidays --lcid LCID --from YEAR --to YEAR [--holiday-ini PATH] [--settings PATH]\n";

std::optional<ListingOptions> ParseListingOptions(const std::vector<std::string>& arguments) {
    ListingOptions options;
    std::optional<std::uint32_t> lcid;
    std::optional<int> fromYear;
    std::optional<int> toYear;
    for (std::size_t i = 0; i < arguments.size(); i += 2) {
        if (i + 1 == arguments.size()) return std::nullopt;
        const std::string& option = arguments[i];
        const std::string& value = arguments[i + 1];
        if (option == "--lcid") {
            if (!(lcid = ParseNumber<std::uint32_t>(value))) return std::nullopt;
        } else if (option == "--from") {
            if (!(fromYear = ParseYear(value))) return std::nullopt;
        } else if (option == "--to") {
            if (!(toYear = ParseYear(value))) return std::nullopt;
        } else if (option == "--holiday-ini" && !value.empty()) {
            options.holidayFile = value;
        } else if (option == "--settings" && !value.empty()) {
            options.settingsFile = value;
        } else {
            return std::nullopt;
        }
    }
    if (!lcid || !fromYear || !toYear || *fromYear > *toYear) return std::nullopt;
    options.lcid = *lcid;
    options.fromYear = *fromYear;
    options.toYear = *toYear;
    return options;
}
