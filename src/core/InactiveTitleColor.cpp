#include "InactiveTitleColor.h"

std::uint32_t InactiveTitleColor(std::uint32_t backgroundColor) {
    std::uint32_t dimmed = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t channel = (backgroundColor >> shift) & 0xFF;
        dimmed |= (channel * 3 / 5) << shift;
    }
    return dimmed;
}
