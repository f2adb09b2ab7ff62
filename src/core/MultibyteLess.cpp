#include "MultibyteLess.h"

#include <cstddef>

bool MultibyteLess::IsLeadByte(unsigned char byte) const {
    switch (codePage_) {
    case 932:
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950:
        return byte >= 0x81 && byte <= 0xFE;
    default:
        return false;
    }
}

bool MultibyteLess::operator()(const std::string& left, const std::string& right) const {
    std::size_t i = 0;
    std::size_t j = 0;
    const auto nextUnit = [this](const std::string& text, std::size_t& at) {
        const auto lead = static_cast<unsigned char>(text[at++]);
        if (IsLeadByte(lead) && at < text.size()) {
            return (static_cast<unsigned>(lead) << 8) | static_cast<unsigned char>(text[at++]);
        }
        return static_cast<unsigned>(lead);
    };
    while (i < left.size() && j < right.size()) {
        const unsigned a = nextUnit(left, i);
        const unsigned b = nextUnit(right, j);
        if (a != b) return a < b;
    }
    return i == left.size() && j < right.size();
}
