#include "IniLines.h"

#include <algorithm>

namespace {

bool IsBlank(char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1A'; }

std::string_view TrimEnd(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string_view TrimLeadingIniBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view TrimIniBlanks(std::string_view text) { return TrimEnd(TrimLeadingIniBlanks(text)); }

bool SameIniName(std::string_view left, std::string_view right) {
    return std::ranges::equal(left, right, [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

IniLines::IniLines(std::string_view bytes) : rest_(bytes) {
    if (rest_.starts_with(kUtf8ByteOrderMark)) {
        startsWithByteOrderMark_ = true;
        rest_.remove_prefix(kUtf8ByteOrderMark.size());
    }
}

std::optional<IniLine> IniLines::Next() {
    while (!rest_.empty()) {
        // CR ends a line as LF does; the empty line between CR and LF is dropped
        // as blank. Searching for LF first keeps the scan fast.
        const std::size_t newline = std::min(rest_.find('\n'), rest_.size());
        const std::size_t end = std::min(rest_.substr(0, newline).find('\r'), newline);
        const std::string_view line = TrimIniBlanks(rest_.substr(0, end));
        rest_.remove_prefix(std::min(end + 1, rest_.size()));
        if (line.empty()) continue;
        const std::size_t close = line.rfind(']');
        if (line.front() == '[' && close != std::string_view::npos) {
            return IniLine{true, TrimIniBlanks(line.substr(1, close - 1)), std::nullopt};
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return IniLine{false, line, std::nullopt};
        return IniLine{false, TrimEnd(line.substr(0, equals)), TrimLeadingIniBlanks(line.substr(equals + 1))};
    }
    return std::nullopt;
}
