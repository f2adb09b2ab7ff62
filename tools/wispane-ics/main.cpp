// wispane-ics: imports an iCalendar file into a settings file's notes, or exports
// them, as the calendar's own commands do.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <variant>

#include "IcsToolOptions.h"
#include "ImportReport.h"
#include "LocaleFacts.h"
#include "Platform.h"
#include "ProgramFiles.h"
#include "ScheduleIcs.h"
#include "ScheduleStore.h"
#include "SettingsSectionWrite.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "Win32Platform.h"
#endif

namespace {

// Calendars of many years stay far below this; a larger file is not one to read whole.
constexpr std::size_t kMaxCalendarFile = 64 * 1024 * 1024;

int Fail(const std::string& file, const std::string& why) {
    std::fprintf(stderr, "wispane-ics: %s: %s\n", file.c_str(), why.c_str());
    return 1;
}

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char buffer[64 * 1024];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxCalendarFile) return std::nullopt;
    }
    return in.bad() ? std::nullopt : std::optional(bytes);
}

int Import(Platform& platform, const std::string& calendarFile, const std::string& settingsFile) {
    const std::optional<std::string> bytes = ReadFile(calendarFile);
    if (!bytes) return Fail(calendarFile, "cannot be read (missing, unreadable or over 64 MB)");
    ScheduleStore store(platform.locale.AnsiCodePage());
    store.Load(platform, settingsFile);
    auto result = ImportSchedules(*bytes, store, platform);
    if (const IcsReadError* error = std::get_if<IcsReadError>(&result)) {
        return Fail(calendarFile, ReadErrorReport(*error) + "; nothing was changed");
    }
    const auto& import = std::get<ScheduleImport>(result);
    const bool changed = import.counts.added + import.counts.joined != 0;
    if (changed) {
        const std::vector<std::string> written = store.SectionLines();
        ScheduleStore check(platform.locale.AnsiCodePage());
        // The file decides: a write reported as done may still not be there.
        if (!WriteSchedulesSafely(platform, settingsFile, store) ||
            (check.Load(platform, settingsFile), check.SectionLines() != written)) {
            return Fail(settingsFile, "cannot be written (read-only or in use); nothing was changed");
        }
    }
    std::fputs(ImportReport(import).c_str(), stdout);
    return 0;
}

int Export(Platform& platform, const std::string& settingsFile, const std::string& calendarFile) {
    if (!IsExistingFile(settingsFile)) return Fail(settingsFile, "no such file");
    ScheduleStore store(platform.locale.AnsiCodePage());
    store.Load(platform, settingsFile);
    const ScheduleExport exported = ExportSchedules(store, platform);
    std::ofstream out(calendarFile, std::ios::binary | std::ios::trunc);
    out << exported.file;
    out.close();
    if (!out) return Fail(calendarFile, "cannot be written");
    std::printf("notes exported: %zu\n", exported.notes);
    if (exported.skipped != 0) std::printf("lines skipped (no date): %zu\n", exported.skipped);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::optional<IcsToolOptions> options = ParseIcsToolOptions({argv + 1, argv + argc});
    if (!options) {
        std::fputs(kIcsToolUsage, stderr);
        return 2;
    }
#ifdef _WIN32
    // Lines end in LF, as on every other platform.
    _setmode(_fileno(stdout), _O_BINARY);
    Platform& platform = Win32Platform();
#else
    // The user's date form and the code page of the environment's locale.
    Platform& platform = PortablePlatform();
#endif
    // The profile functions would look for a bare file name in the Windows folder.
    const std::string settingsFile = AbsolutePath(options->settingsFile);
    if (options->command == IcsToolOptions::Command::Import) {
        return Import(platform, options->calendarFile, settingsFile);
    }
    return Export(platform, settingsFile, options->calendarFile);
}
