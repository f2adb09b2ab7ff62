#include "WindowPlacementValue.h"

#include <array>

#include "PrintFormat.h"
#include "ScanFormat.h"

namespace {
constexpr std::string_view kFormat = "%i:%i:%i:%i:%i:%i:%i:%i:%i:%i";
constexpr std::size_t kFieldCount = 10;
}  // namespace

std::optional<WindowPlacementValue> WindowPlacementValue::Parse(std::string_view text) {
    const std::vector<std::uint32_t> fields = ScanFields(text, kFormat);
    if (fields.size() != kFieldCount) return std::nullopt;
    const auto field = [&fields](std::size_t index) { return static_cast<std::int32_t>(fields[index]); };
    WindowPlacementValue placement;
    placement.flags = field(0);
    placement.showCommand = field(1);
    placement.minPositionX = field(2);
    placement.minPositionY = field(3);
    placement.maxPositionX = field(4);
    placement.maxPositionY = field(5);
    placement.normalLeft = field(6);
    placement.normalTop = field(7);
    placement.normalRight = field(8);
    placement.normalBottom = field(9);
    return placement;
}

std::string WindowPlacementValue::Format() const {
    const std::array<std::uint32_t, kFieldCount> fields{
        static_cast<std::uint32_t>(flags),        static_cast<std::uint32_t>(showCommand),
        static_cast<std::uint32_t>(minPositionX), static_cast<std::uint32_t>(minPositionY),
        static_cast<std::uint32_t>(maxPositionX), static_cast<std::uint32_t>(maxPositionY),
        static_cast<std::uint32_t>(normalLeft),   static_cast<std::uint32_t>(normalTop),
        static_cast<std::uint32_t>(normalRight),  static_cast<std::uint32_t>(normalBottom)};
    return PrintFields(kFormat, fields);
}
