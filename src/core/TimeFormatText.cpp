#include "TimeFormatText.h"

std::string TimeFormatWithoutSeconds(const std::string& timeFormat, const std::string& separator) {
    for (const std::string seconds : {"ss", "s"}) {
        const std::string part = separator + seconds;
        const std::size_t at = timeFormat.find(part);
        if (at != std::string::npos) return std::string(timeFormat).erase(at, part.size());
    }
    return timeFormat;
}
