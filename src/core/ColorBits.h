#pragma once
#include <cstdint>

// A colour read from text keeps only red, green and blue (0x00BBGGRR): a high
// byte from a hand edit would make the platform read it as a palette index or
// a system colour instead.
constexpr std::uint32_t ColorBits(std::uint32_t value) { return value & 0x00FFFFFFu; }
