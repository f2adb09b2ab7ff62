#include "IcsToolOptions.h"

const char* const kIcsToolUsage =
    "usage: wispane-ics import FILE.ics --settings PATH\n"
    "       wispane-ics export --settings PATH FILE.ics\n";

std::optional<IcsToolOptions> ParseIcsToolOptions(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return std::nullopt;
    IcsToolOptions options;
    if (arguments[0] == "import") {
        options.command = IcsToolOptions::Command::Import;
    } else if (arguments[0] == "export") {
        options.command = IcsToolOptions::Command::Export;
    } else {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--settings") {
            if (++i == arguments.size() || arguments[i].empty() || !options.settingsFile.empty()) return std::nullopt;
            options.settingsFile = arguments[i];
        } else if (options.calendarFile.empty() && !arguments[i].empty() && !arguments[i].starts_with("--")) {
            options.calendarFile = arguments[i];
        } else {
            return std::nullopt;
        }
    }
    if (options.calendarFile.empty() || options.settingsFile.empty()) return std::nullopt;
    return options;
}
