#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A window's placement as the platform reports it, stored in "WindowPos" as ten
// signed numbers "flags:show:minX:minY:maxX:maxY:left:top:right:bottom"
// (workspace coordinates in pixels).
struct WindowPlacementValue {
    std::int32_t flags = 0;
    std::int32_t showCommand = 0;
    std::int32_t minPositionX = 0;
    std::int32_t minPositionY = 0;
    std::int32_t maxPositionX = 0;
    std::int32_t maxPositionY = 0;
    std::int32_t normalLeft = 0;
    std::int32_t normalTop = 0;
    std::int32_t normalRight = 0;
    std::int32_t normalBottom = 0;

    // The placement, or nothing unless all ten numbers were read.
    static std::optional<WindowPlacementValue> Parse(std::string_view text);
    std::string Format() const;

    bool operator==(const WindowPlacementValue&) const = default;
};
