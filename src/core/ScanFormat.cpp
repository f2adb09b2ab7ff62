#include "ScanFormat.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

enum class Radix { Decimal, Automatic, Hexadecimal };

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int DigitValue(char c, unsigned base) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value >= 0 && static_cast<unsigned>(value) < base ? value : -1;
}

// Walks the text with sscanf's rules; `pos` never passes the end.
class TextCursor {
public:
    explicit TextCursor(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek(std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }
    void Advance(std::size_t count = 1) { pos_ = std::min(pos_ + count, text_.size()); }

    bool MatchLiteral(char c) {
        if (AtEnd() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }

    // One integer conversion. Like the Windows C runtime, a "0x" prefix with no
    // hexadecimal digit after it is a failed field, while a lone "0" read as %i
    // is the octal number 0.
    std::optional<std::uint32_t> ReadInteger(Radix radix) {
        while (!AtEnd() && IsCSpace(Peek())) Advance();
        bool negative = false;
        if (!AtEnd() && (Peek() == '-' || Peek() == '+')) {
            negative = Peek() == '-';
            Advance();
        }
        unsigned base = 10;
        if (radix == Radix::Hexadecimal) base = 16;
        if (radix != Radix::Decimal && !AtEnd() && Peek() == '0') {
            if (Peek(1) == 'x' || Peek(1) == 'X') {
                Advance(2);
                base = 16;
            } else if (radix == Radix::Automatic) {
                base = 8;
            }
        }
        std::uint32_t value = 0;
        bool anyDigit = false;
        for (int digit; !AtEnd() && (digit = DigitValue(Peek(), base)) >= 0; Advance()) {
            value = value * base + static_cast<std::uint32_t>(digit);
            anyDigit = true;
        }
        if (!anyDigit) return std::nullopt;
        return negative ? 0u - value : value;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Parses the conversion after a '%' at format[index]; moves index past it.
Radix ParseConversion(std::string_view format, std::size_t& index) {
    ++index;
    if (index < format.size() && format[index] == 'l') ++index;
    const char kind = index < format.size() ? format[index] : '\0';
    ++index;
    switch (kind) {
    case 'd':
        return Radix::Decimal;
    case 'i':
        return Radix::Automatic;
    case 'x':
        return Radix::Hexadecimal;
    default:
        throw std::invalid_argument("unsupported scan format: " + std::string(format));
    }
}

}  // namespace

std::vector<std::uint32_t> ScanFields(std::string_view text, std::string_view format) {
    std::vector<std::uint32_t> fields;
    TextCursor cursor(text);
    for (std::size_t index = 0; index < format.size();) {
        if (format[index] == '%') {
            const std::optional<std::uint32_t> value =
                cursor.ReadInteger(ParseConversion(format, index));
            if (!value) break;
            fields.push_back(*value);
        } else {
            if (IsCSpace(format[index]))
                throw std::invalid_argument("unsupported scan format: " + std::string(format));
            if (!cursor.MatchLiteral(format[index++])) break;
        }
    }
    return fields;
}

std::optional<int> ScanDecimalField(std::string_view text) {
    const std::optional<std::uint32_t> value = TextCursor(text).ReadInteger(Radix::Decimal);
    if (!value) return std::nullopt;
    return static_cast<int>(static_cast<std::int32_t>(*value));
}
