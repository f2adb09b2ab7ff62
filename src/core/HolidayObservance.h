#pragma once
#include <string>

// How a holiday that falls on a weekend is observed, as an "Observance" line of
// a rule section says for the rules below it.
enum class ObservanceMode {
    None,            // on no other day
    NextMonday,      // Saturday or Sunday: also the Monday after
    NextWorkday,     // Saturday or Sunday: also the next weekday that is no holiday yet
    FridayMonday,    // Saturday: also the Friday before; Sunday: also the Monday after
    SundayMonday,    // Sunday: also the Monday after
    SundaySaturday,  // Sunday: held on the Saturday before instead
};

struct HolidayObservance {
    ObservanceMode mode = ObservanceMode::None;
    std::string suffix;  // follows the holiday's name on its observed day
};
