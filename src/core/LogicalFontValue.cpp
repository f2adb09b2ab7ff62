#include "LogicalFontValue.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "PrintFormat.h"
#include "ScanFormat.h"

namespace {
constexpr std::string_view kFormat = "%li,%li,%li,%li,%li,%i,%i,%i,%i,%i,%i,%i,%i";
constexpr std::size_t kFieldCount = 13;

// value * numerator / denominator, rounded half away from zero, within 32 bits.
std::int32_t Scaled(std::int32_t value, int numerator, int denominator) {
    if (numerator <= 0 || denominator <= 0) return value;
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t half = denominator / 2;
    const std::int64_t rounded = product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(rounded, INT32_MIN, INT32_MAX));
}
}  // namespace

LogicalFontValue LogicalFontValue::AtDpi(int fromDpi, int toDpi) const {
    LogicalFontValue scaled = *this;
    scaled.height = Scaled(height, toDpi, fromDpi);
    scaled.width = Scaled(width, toDpi, fromDpi);
    return scaled;
}

std::optional<LogicalFontValue> LogicalFontValue::Parse(std::string_view text) {
    const std::vector<std::uint32_t> fields = ScanFields(text, kFormat);
    if (fields.size() != kFieldCount) return std::nullopt;
    const auto number = [&fields](std::size_t index) { return static_cast<std::int32_t>(fields[index]); };
    const auto byte = [&fields](std::size_t index) { return static_cast<std::uint8_t>(fields[index]); };
    LogicalFontValue font;
    font.height = number(0);
    font.width = number(1);
    font.escapement = number(2);
    font.orientation = number(3);
    font.weight = number(4);
    font.italic = byte(5);
    font.underline = byte(6);
    font.strikeOut = byte(7);
    font.charSet = byte(8);
    font.outPrecision = byte(9);
    font.clipPrecision = byte(10);
    font.quality = byte(11);
    font.pitchAndFamily = byte(12);
    return font;
}

std::string LogicalFontValue::Format() const {
    const std::array<std::uint32_t, kFieldCount> fields{
        static_cast<std::uint32_t>(height),      static_cast<std::uint32_t>(width),
        static_cast<std::uint32_t>(escapement),  static_cast<std::uint32_t>(orientation),
        static_cast<std::uint32_t>(weight),      italic,
        underline,                               strikeOut,
        charSet,                                 outPrecision,
        clipPrecision,                           quality,
        pitchAndFamily};
    return PrintFields(kFormat, fields);
}

void LogicalFontValue::SetFaceName(std::string_view name) {
    std::fill(std::begin(faceName), std::end(faceName), '\0');
    const std::size_t length = std::min(name.size(), kFaceNameSize - 1);
    std::copy_n(name.data(), length, faceName);
}

std::string LogicalFontValue::FaceName() const {
    return std::string(std::begin(faceName), std::find(std::begin(faceName), std::end(faceName), '\0'));
}
