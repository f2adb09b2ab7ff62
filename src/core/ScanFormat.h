#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Reading of settings values with the semantics of the C runtime's sscanf, for
// formats made of literal characters and the conversions
//   %d, %i, %li  a signed integer after optional white space and an optional sign:
//                %d decimal; %i (and %li) hexadecimal after "0x" or "0X", octal
//                after a leading 0, decimal otherwise;
//   %x           hexadecimal after optional white space, sign and "0x"/"0X".
// A literal must match the next character exactly (no white space is skipped
// before it). Reading stops at the first conversion or literal that fails.
// Numbers too large for 32 bits wrap modulo 2^32, as the Windows C runtime's
// 32-bit accumulator does; a sign negates the wrapped value.
// White space is the C locale's: space, \t, \n, \v, \f, \r.

// The values of the leading fields that were read, as 32-bit patterns (cast to
// std::int32_t for the signed conversions); its size is sscanf's count of fields
// assigned. Throws std::invalid_argument for a format outside the set above.
std::vector<std::uint32_t> ScanFields(std::string_view text, std::string_view format);

// One "%d" field: leading white space, an optional sign and decimal digits; the
// rest of the text is ignored. Empty when the text does not begin with a number.
std::optional<int> ScanDecimalField(std::string_view text);
