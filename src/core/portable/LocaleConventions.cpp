#include "LocaleConventions.h"

namespace {

constexpr LocaleConventions kEnglishUnitedStates{1033, 1252, "M/d/yyyy", "h:mm:ss tt", ":", "AM", "PM"};
// "午前" and "午後" in code page 932.
constexpr LocaleConventions kJapanese{1041, 932, "yyyy/M/d", "H:mm:ss", ":", "\x8C\xDF\x91\x4F", "\x8C\xDF\x8C\xE3"};

}  // namespace

const LocaleConventions& ConventionsOf(std::uint32_t lcid) {
    return lcid == kJapanese.lcid ? kJapanese : kEnglishUnitedStates;
}
