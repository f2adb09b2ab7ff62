#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The sixteen custom-colour slots of the colour dialog, stored in
// "CustomColors" as comma-separated lowercase hexadecimal without prefix.
struct CustomColors {
    static constexpr std::size_t kSlotCount = 16;
    static constexpr std::uint32_t kUnreadSlot = 0x00FFFFFF;  // white

    CustomColors() { slots.fill(kUnreadSlot); }

    // Slots after the last one read (all sixteen for an empty text) are white.
    static CustomColors Parse(std::string_view text);
    std::string Format() const;

    bool operator==(const CustomColors&) const = default;

    std::array<std::uint32_t, kSlotCount> slots;
};
