#include "MultibyteLess.h"

#include <algorithm>
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
    // Up to the first differing byte both texts are the same characters.
    const auto [leftDiff, rightDiff] = std::mismatch(left.begin(), left.end(), right.begin(), right.end());
    if (rightDiff == right.end()) return false;
    if (leftDiff == left.end()) return true;
    // Compare from the start of the character that holds the difference.
    const auto prefix = static_cast<std::size_t>(leftDiff - left.begin());
    std::size_t start = 0;
    for (;;) {
        const std::size_t length =
            (IsLeadByte(static_cast<unsigned char>(left[start])) && start + 1 < left.size()) ? 2 : 1;
        if (start + length > prefix) break;
        start += length;
    }
    std::size_t i = start;
    std::size_t j = start;
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
