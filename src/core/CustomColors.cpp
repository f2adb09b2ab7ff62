#include "CustomColors.h"

#include <algorithm>
#include <vector>

#include "ColorBits.h"
#include "PrintFormat.h"
#include "ScanFormat.h"

namespace {
constexpr std::string_view kFormat = "%x,%x,%x,%x,%x,%x,%x,%x,%x,%x,%x,%x,%x,%x,%x,%x";
}  // namespace

CustomColors CustomColors::Parse(std::string_view text) {
    const std::vector<std::uint32_t> fields = ScanFields(text, kFormat);
    CustomColors colors;
    std::transform(fields.begin(), fields.end(), colors.slots.begin(), ColorBits);
    return colors;
}

std::string CustomColors::Format() const { return PrintFields(kFormat, slots); }
