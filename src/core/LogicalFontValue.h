#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A logical-font description as stored in "Font" (thirteen numbers) and
// "FontFace"; its fields match the platform's LOGFONTA one for one, so the
// Win32 side copies them across. A stored height and width are pixels at
// kStoredDpi, as a program unaware of the screen's scale stored them.
struct LogicalFontValue {
    // Bytes of the face name with its terminating zero.
    static constexpr std::size_t kFaceNameSize = 32;
    static constexpr int kStoredDpi = 96;

    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    char faceName[kFaceNameSize] = {};

    // The numbers of a "Font" value, with an empty face name; nothing unless all
    // thirteen were read. Each byte field keeps the low 8 bits of its number.
    static std::optional<LogicalFontValue> Parse(std::string_view text);
    // The "Font" value: the five 32-bit numbers, then the bytes as 0 to 255.
    std::string Format() const;

    // Stores at most kFaceNameSize - 1 bytes of `name`, zero-filling the rest.
    // The same size at `toDpi` pixels an inch: height and width scaled from
    // `fromDpi`, rounded half away from zero as MulDiv rounds. A height scaled up
    // and back down again is the height it was.
    LogicalFontValue AtDpi(int fromDpi, int toDpi) const;

    void SetFaceName(std::string_view name);
    std::string FaceName() const;

    bool operator==(const LogicalFontValue&) const = default;
};
