#include "ConfigSettings.h"

#include <array>
#include <vector>

#include "ColorBits.h"
#include "PrintFormat.h"
#include "ScanFormat.h"

namespace {
// Other tools may write the colours with capitals or a 0x prefix; %x takes both.
constexpr std::string_view kReadFormat = "%i,%i,%i,%x,%i,%i,%i,%x,%i";
constexpr std::string_view kWriteFormat = "%i,%i,%i,%08x,%i,%i,%i,%08x,%i";
}  // namespace

int ConfigSettings::Read(std::string_view text) {
    const std::vector<std::uint32_t> fields = ScanFields(text, kReadFormat);
    const auto wasRead = [&fields](std::size_t number) { return number <= fields.size(); };
    const auto flag = [&fields](std::size_t number) { return fields[number - 1] != 0; };
    const ConfigSettings defaults;

    alwaysOnTop = wasRead(1) ? flag(1) : defaults.alwaysOnTop;
    if (wasRead(2)) seeThrough = flag(2);
    if (wasRead(3)) closeByEsc = flag(3);
    if (wasRead(4)) backgroundColor = ColorBits(fields[3]);
    todayLineHidden = wasRead(5) ? flag(5) : defaults.todayLineHidden;
    noTodayMark = wasRead(6) ? flag(6) : defaults.noTodayMark;
    if (wasRead(7)) seeThroughTitleBar = flag(7);
    if (wasRead(8)) scheduleColor = ColorBits(fields[7]);
    if (wasRead(9)) showTime = flag(9);
    return static_cast<int>(fields.size());
}

std::string ConfigSettings::Format() const {
    const std::array<std::uint32_t, 9> fields{
        alwaysOnTop, seeThrough,         closeByEsc,    backgroundColor, todayLineHidden,
        noTodayMark, seeThroughTitleBar, scheduleColor, showTime};
    return PrintFields(kWriteFormat, fields);
}
