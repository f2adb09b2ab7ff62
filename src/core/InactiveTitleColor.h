#pragma once
#include <cstdint>

// The calendar's title background while its window is inactive: the background
// colour (0x00BBGGRR) with red, green and blue each scaled by 0.6 and truncated,
// so white gives RGB(153, 153, 153).
std::uint32_t InactiveTitleColor(std::uint32_t backgroundColor);
