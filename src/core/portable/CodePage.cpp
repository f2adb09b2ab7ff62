#include "CodePage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>

#include "Cp932Table.h"

namespace {

// The bare letters of U+00C0 ... U+017F; a blank where there is none.
constexpr std::u16string_view kLatinBaseLetters =
    u"AAAAAA CEEEEIIII NOOOOO OUUUUY  aaaaaa ceeeeiiii nooooo ouuuuy y"
    u"AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi  JjKk LlLlLlLlLlNnNnNn   OoOoOo  RrRrRrSsSsSsSsTtTtTt"
    u"UuUuUuUuUuUuWwYyYZzZzZz ";
static_assert(kLatinBaseLetters.size() == 0x180 - 0xC0);

char16_t LatinBaseLetter(char16_t character) {
    if (character < 0xC0 || character >= 0x180) return 0;
    const char16_t base = kLatinBaseLetters[character - 0xC0];
    return base == u' ' ? 0 : base;
}

constexpr char16_t kCp932Default = u'\u30FB';

bool IsCp932Lead(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// Single bytes of 932 above ASCII: half-width katakana, and four bytes Win32
// maps onto the private-use area.
char16_t Cp932SingleByteCharacter(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xA1 && byte <= 0xDF) return static_cast<char16_t>(0xFF61 + (byte - 0xA1));
    if (byte == 0x80) return 0x0080;
    if (byte == 0xA0) return 0xF8F0;
    return static_cast<char16_t>(0xF8F1 + (byte - 0xFD));  // 0xFD..0xFF
}

using ReverseTable = std::unordered_map<char16_t, std::uint16_t>;

ReverseTable BuildCp932Reverse() {
    ReverseTable table;
    for (unsigned byte = 0; byte <= 0xFF; ++byte) {
        if (!IsCp932Lead(static_cast<unsigned char>(byte))) {
            table.emplace(Cp932SingleByteCharacter(static_cast<unsigned char>(byte)), static_cast<std::uint16_t>(byte));
        }
    }
    // A character with several codes gets the lowest, except that the IBM rows
    // FA..FC win over their NEC copies in ED..EE, as in Win32.
    std::array<unsigned, 60> leads{};
    std::size_t count = 0;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (IsCp932Lead(static_cast<unsigned char>(lead)) && lead != 0xED && lead != 0xEE) leads[count++] = lead;
    }
    leads[count++] = 0xED;
    leads[count++] = 0xEE;
    for (unsigned lead : leads) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const char16_t character =
                Cp932DoubleByteCharacter(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            if (character != 0) table.emplace(character, static_cast<std::uint16_t>(lead << 8 | trail));
        }
    }
    return table;
}

const ReverseTable& Cp932Reverse() {
    static const ReverseTable table = BuildCp932Reverse();
    return table;
}

std::u16string Cp932ToUtf16(std::string_view text) {
    std::u16string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (!IsCp932Lead(byte)) {
            out += Cp932SingleByteCharacter(byte);
            continue;
        }
        // A lead byte takes any following byte but NUL; a pair the table lacks is
        // the default character, as is a lead byte at the end.
        if (at + 1 < text.size() && text[at + 1] != '\0') {
            const char16_t character = Cp932DoubleByteCharacter(byte, static_cast<unsigned char>(text[++at]));
            out += character != 0 ? character : kCp932Default;
        } else {
            out += kCp932Default;
        }
    }
    return out;
}

std::string Cp932FromUtf16(std::u16string_view text) {
    const ReverseTable& reverse = Cp932Reverse();
    std::string out;
    for (char16_t character : text) {
        const auto found = reverse.find(character);
        if (found == reverse.end()) {
            out += '?';
        } else if (found->second > 0xFF) {
            out += static_cast<char>(found->second >> 8);
            out += static_cast<char>(found->second & 0xFF);
        } else {
            out += static_cast<char>(found->second);
        }
    }
    return out;
}

std::u16string SingleByteToUtf16(const HighHalf& high, std::string_view text) {
    std::u16string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte < 0x80 ? static_cast<char16_t>(byte) : high[byte - 0x80];
    }
    return out;
}

std::string SingleByteFromUtf16(const HighHalf& high, std::u16string_view text) {
    std::string out;
    for (char16_t character : text) {
        if (character < 0x80) {
            out += static_cast<char>(character);
            continue;
        }
        const auto found = std::ranges::find(high, character);
        out += found != high.end() ? static_cast<char>(0x80 + (found - high.begin())) : '?';
    }
    return out;
}

}  // namespace

CodePage::CodePage(unsigned id)
    : id_(id == 932 || HighHalfOf(id) != nullptr ? id : 1252), singleByte_(HighHalfOf(id_)) {}

std::u16string CodePage::ToUtf16(std::string_view text) const {
    return singleByte_ != nullptr ? SingleByteToUtf16(*singleByte_, text) : Cp932ToUtf16(text);
}

std::string CodePage::FromUtf16(std::u16string_view text) const {
    return singleByte_ != nullptr ? SingleByteFromUtf16(*singleByte_, text) : Cp932FromUtf16(text);
}

std::string CodePage::FromUtf16BestFit(std::u16string_view text) const {
    std::u16string fitted(text);
    for (char16_t& character : fitted) {
        const char16_t base = LatinBaseLetter(character);
        if (base != 0 && FromUtf16(std::u16string_view(&character, 1)) == "?") character = base;
    }
    return FromUtf16(fitted);
}
