#pragma once
#include <string>

// Orders texts of an ANSI code page character by character, a double-byte
// character counting as one unit by its code (as _mbscmp does); plain byte
// order for single-byte code pages.
class MultibyteLess {
public:
    explicit MultibyteLess(unsigned codePage = 0) : codePage_(codePage) {}
    bool operator()(const std::string& left, const std::string& right) const;

private:
    bool IsLeadByte(unsigned char byte) const;
    unsigned codePage_;
};
