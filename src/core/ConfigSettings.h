#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The main window's options stored in "Config" as nine fields; the initial
// values are the defaults of a first run. Colours are 0x00BBGGRR.
struct ConfigSettings {
    bool alwaysOnTop = true;          // 1
    bool seeThrough = false;          // 2
    bool closeByEsc = false;          // 3
    std::uint32_t backgroundColor = 0x00FFFFFF;  // 4
    bool todayLineHidden = false;     // 5
    bool noTodayMark = true;          // 6
    bool seeThroughTitleBar = false;  // 7
    std::uint32_t scheduleColor = 0x0000BF00;  // 8
    bool showTime = true;             // 9

    // Reads a "Config" value over the options held now. Reading stops at the first
    // field that does not parse; from there on fields 1, 5 and 6 take their
    // defaults and the others keep their values, so `alwaysOnTop` is false only
    // when field 1 was read as 0. Returns the number of fields read (0 to 9).
    int Read(std::string_view text);
    // The "Config" value: flags as 1 or 0, colours as eight lowercase hex digits.
    std::string Format() const;

    bool operator==(const ConfigSettings&) const = default;
};
