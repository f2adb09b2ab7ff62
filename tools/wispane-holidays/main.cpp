// wispane-holidays: prints the days the calendar marks, with their labels.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "HolidayListing.h"
#include "ListingOptions.h"
#include "Platform.h"
#include "ProgramFiles.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "Win32Platform.h"
#else
#include "portable/PortableServices.h"
#endif

int main(int argc, char* argv[]) {
    const std::optional<ListingOptions> options = ParseListingOptions({argv + 1, argv + argc});
    if (!options) {
        std::fputs(kListingUsage, stderr);
        return 2;
    }
#ifdef _WIN32
    // Lines end in LF, as on every other platform.
    _setmode(_fileno(stdout), _O_BINARY);
    Platform& platform = Win32Platform();
#else
    // What a system of that locale shows: the rule file's names are read in the
    // locale's code page, whatever this environment's.
    PortableServices services(options->lcid, options->lcid);
    Platform& platform = services.Get();
#endif

    const std::string holidayFile =
        options->holidayFile.empty() ? FileBesideProgram("Holiday.ini") : AbsolutePath(options->holidayFile);
    const std::string settingsFile = options->settingsFile.empty() ? "" : AbsolutePath(options->settingsFile);
    for (const std::string& file : {holidayFile, settingsFile}) {
        if (!file.empty() && !IsExistingFile(file)) {
            std::fprintf(stderr, "wispane-holidays: no such file: %s\n", file.c_str());
            return 1;
        }
    }

    HolidayListing listing(platform, options->lcid, holidayFile, settingsFile);
    if (!listing.Write(std::cout, options->fromYear, options->toYear)) {
        std::fputs("wispane-holidays: cannot write the listing\n", stderr);
        return 1;
    }
    return 0;
}
