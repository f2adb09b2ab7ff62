#pragma once
#include <optional>
#include <string>
#include <vector>

// The command line of wispane-ics.
struct IcsToolOptions {
    enum class Command { Import, Export };
    Command command = Command::Import;
    std::string calendarFile;  // the .ics file read or written
    std::string settingsFile;
};

extern const char* const kIcsToolUsage;

// None for an unknown command or option, or a missing file.
std::optional<IcsToolOptions> ParseIcsToolOptions(const std::vector<std::string>& arguments);
