// Rule lines: the input is the body of the Japanese, the US and the British
// section of a rule file, read either raw from Holiday.ini or, after a whole-section write, from
// the settings file. The holidays of a year around a rule change are built and
// the day states of a request from its November across the year end computed.
// The input's last byte picks the file, the locale and the year: one pick per
// execution tries the mutator's inputs with every pick at a fraction of the cost
// of all of them at once.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "FuzzWorkspace.h"
#include "HolidayCalendarModel.h"
#include "Platform.h"
#include "PrivateProfile.h"

namespace {

constexpr const char* kHolidayFile = "Holiday.ini";
constexpr const char* kSettingsFile = "Wispane Calendar.ini";
// Japan and the United States have built-in holidays; Britain has none.
constexpr std::uint32_t kLocales[] = {1041, 1033, 2057};
constexpr int kYears[] = {1984, 1985, 2006, 2007, 2019, 2021, 2025, 2026};

struct Pick {
    bool fromSettingsFile;
    std::uint32_t lcid;
    int year;
};

Pick PickOf(const std::uint8_t* data, std::size_t size) {
    const unsigned byte = size > 0 ? data[size - 1] : 0;
    return {(byte & 1) != 0, kLocales[byte / 2 % std::size(kLocales)],
            kYears[byte / 2 / std::size(kLocales) % std::size(kYears)]};
}

// The body as every country section of the picked file; the other file is empty.
void WriteRuleFiles(FuzzWorkspace& workspace, const Pick& pick, const std::uint8_t* data, std::size_t size) {
    workspace.Write(kSettingsFile, "");
    if (!pick.fromSettingsFile) {
        const std::string body(reinterpret_cast<const char*>(data), size);
        workspace.Write(kHolidayFile, "[JPN]\n" + body + "\n[USA]\n" + body + "\n[GBR]\n" + body + "\n");
        return;
    }
    workspace.Write(kHolidayFile, "");
    PrivateProfile& profile = workspace.platform().profile;
    const std::string block = SectionBlock(InputLines(data, size));
    profile.WriteSection("JPN", block.c_str(), kSettingsFile);
    profile.WriteSection("USA", block.c_str(), kSettingsFile);
    profile.WriteSection("GBR", block.c_str(), kSettingsFile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzWorkspace& workspace = FuzzWorkspace::Get();
    const Pick pick = PickOf(data, size);
    WriteRuleFiles(workspace, pick, data, size);

    HolidayCalendarModel model(workspace.platform());
    model.lcid = pick.lcid;
    model.holidayFile = kHolidayFile;
    model.settingsFilePath = kSettingsFile;
    DayStateRequest request;
    request.startYear = pick.year;
    request.startMonth = 11;
    request.count = 3;
    long result = 0;
    model.OnGetDayState(request, &result);
    return 0;
}
