#pragma once
#include <array>

// The characters of bytes 0x80..0xFF in Windows' single-byte ANSI code pages;
// the bytes below are ASCII.
using HighHalf = std::array<char16_t, 128>;

// 1250, 1251, 1252, 1253 or 1257; null for any other code page.
const HighHalf* HighHalfOf(unsigned codePage);
