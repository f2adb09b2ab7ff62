#include "IcsText.h"

#include <cctype>

namespace ics {

namespace {

constexpr std::size_t kMaxFoldedOctets = 75;

bool IsUtf8Continuation(char octet) { return (static_cast<unsigned char>(octet) & 0xC0) == 0x80; }

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

// The end of a name: letters, digits and '-' only (section 3.1).
std::size_t NameEnd(std::string_view line, std::size_t at) {
    while (at < line.size() && (std::isalnum(static_cast<unsigned char>(line[at])) || line[at] == '-')) ++at;
    return at;
}

}  // namespace

std::optional<std::vector<std::string>> UnfoldLines(std::string_view file, std::size_t maxLine) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < file.size()) {
        std::size_t end = file.find_first_of("\r\n", at);
        if (end == std::string_view::npos) end = file.size();
        const std::string_view physical = file.substr(at, end - at);
        at = end;
        if (at < file.size() && file[at] == '\r') ++at;
        if (at < file.size() && file[at] == '\n') ++at;

        const bool continuation = !physical.empty() && (physical[0] == ' ' || physical[0] == '\t');
        if (continuation && !lines.empty()) {
            lines.back().append(physical.substr(1));
        } else if (!physical.empty()) {
            lines.emplace_back(physical);
        }
        if (!lines.empty() && lines.back().size() > maxLine) return std::nullopt;
    }
    return lines;
}

std::optional<std::string> ContentLine::Parameter(std::string_view wanted) const {
    for (const auto& [key, value] : parameters) {
        if (key == wanted) return value;
    }
    return std::nullopt;
}

std::optional<ContentLine> ParseContentLine(std::string_view line) {
    ContentLine parsed;
    std::size_t at = NameEnd(line, 0);
    if (at == 0) return std::nullopt;
    parsed.name = UpperAscii(line.substr(0, at));
    while (at < line.size() && line[at] == ';') {
        const std::size_t keyEnd = NameEnd(line, at + 1);
        if (keyEnd == at + 1 || keyEnd >= line.size() || line[keyEnd] != '=') return std::nullopt;
        std::string key = UpperAscii(line.substr(at + 1, keyEnd - at - 1));
        std::string value;
        at = keyEnd + 1;
        // A value list (a,b) stays one text; quotes guard ':' ';' ','.
        while (at < line.size() && line[at] != ';' && line[at] != ':') {
            if (line[at] == '"') {
                const std::size_t close = line.find('"', at + 1);
                if (close == std::string_view::npos) return std::nullopt;
                value.append(line.substr(at + 1, close - at - 1));
                at = close + 1;
            } else {
                value += line[at++];
            }
        }
        parsed.parameters.emplace_back(std::move(key), std::move(value));
    }
    if (at >= line.size() || line[at] != ':') return std::nullopt;
    parsed.value = std::string(line.substr(at + 1));
    return parsed;
}

std::string FoldLine(std::string_view line) {
    std::string folded;
    std::size_t room = kMaxFoldedOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        // A line of nothing but continuation octets is cut where it must be.
        while (cut > 1 && IsUtf8Continuation(line[cut])) --cut;
        folded.append(line.substr(0, cut)).append("\r\n ");
        line.remove_prefix(cut);
        room = kMaxFoldedOctets - 1;  // the blank that starts the next line counts
    }
    return folded.append(line).append("\r\n");
}

std::string EscapeText(std::string_view text) {
    std::string escaped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
            case '\\':
            case ';':
            case ',':
                escaped += '\\';
                escaped += c;
                break;
            case '\r':
                if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
                escaped += "\\n";
                break;
            case '\n':
                escaped += "\\n";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string UnescapeText(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char next = text[++i];
        plain += (next == 'n' || next == 'N') ? '\n' : next;
    }
    return plain;
}

}  // namespace ics
