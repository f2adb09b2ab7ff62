#include "PrintFormat.h"

#include <charconv>
#include <stdexcept>

namespace {

[[noreturn]] void RejectFormat(std::string_view format) {
    throw std::invalid_argument("unsupported print format: " + std::string(format));
}

void AppendSigned(std::string& out, std::uint32_t value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, static_cast<std::int32_t>(value));
    out.append(digits, result.ptr);
}

void AppendHex(std::string& out, std::uint32_t value, std::size_t width) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value, 16);
    const std::size_t length = static_cast<std::size_t>(result.ptr - digits);
    if (length < width) out.append(width - length, '0');
    out.append(digits, result.ptr);
}

}  // namespace

std::string PrintFields(std::string_view format, std::span<const std::uint32_t> values) {
    std::string out;
    auto next = values.begin();
    for (std::size_t index = 0; index < format.size();) {
        if (format[index] != '%') {
            out += format[index++];
            continue;
        }
        ++index;
        std::size_t width = 0;
        if (index < format.size() && format[index] == '0') {
            ++index;
            for (; index < format.size() && format[index] >= '0' && format[index] <= '9'; ++index)
                width = width * 10 + static_cast<std::size_t>(format[index] - '0');
        }
        if (index < format.size() && format[index] == 'l') ++index;
        const char kind = index < format.size() ? format[index++] : '\0';
        if (next == values.end()) RejectFormat(format);
        if ((kind == 'd' || kind == 'i') && width == 0) AppendSigned(out, *next++);
        else if (kind == 'x') AppendHex(out, *next++, width);
        else RejectFormat(format);
    }
    if (next != values.end()) RejectFormat(format);
    return out;
}
