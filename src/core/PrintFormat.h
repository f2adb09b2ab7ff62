#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Writing of settings values with the semantics of the C runtime's sprintf, for
// formats made of literal characters and the conversions
//   %d, %i, %li  the value as a signed 32-bit decimal number;
//   %x           the value as unsigned lowercase hexadecimal without prefix;
//   %0Nx         the same, padded with zeros to N digits.
// Each conversion takes the next value, a 32-bit pattern. Throws
// std::invalid_argument for a format outside that set or a wrong count of values.
std::string PrintFields(std::string_view format, std::span<const std::uint32_t> values);
