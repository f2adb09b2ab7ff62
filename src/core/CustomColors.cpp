#include "CustomColors.h"

#include <algorithm>
#include <vector>

#include "PrintFormat.h"
#include "ScanFormat.h"

namespace {
constexpr std::string_view kFormat = "%x,%x,%x,%x,%x,%x,%x,%x,%x,%x,%x,%x,%x,%x,%x,%x";
}  // namespace

CustomColors CustomColors::Parse(std::string_view text) {
    const std::vector<std::uint32_t> fields = ScanFields(text, kFormat);
    CustomColors colors;
    std::copy(fields.begin(), fields.end(), colors.slots.begin());
    return colors;
}

std::string CustomColors::Format() const { return PrintFields(kFormat, slots); }
