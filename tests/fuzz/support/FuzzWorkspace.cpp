#include "FuzzWorkspace.h"

#include <algorithm>

FuzzWorkspace& FuzzWorkspace::Get() {
    static FuzzWorkspace workspace;
    return workspace;
}

FuzzWorkspace::FuzzWorkspace()
    : platform_{profile_, PortablePlatform().dateKeys, PortablePlatform().locale, PortablePlatform().clock} {}

std::vector<std::string> InputLines(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string SectionBlock(const std::vector<std::string>& lines) {
    std::string block;
    for (const std::string& line : lines) {
        // A NUL inside a line ends it there, as it would in the written block.
        const std::string_view cut(line.c_str());
        if (cut.empty()) continue;
        block.append(cut);
        block.push_back('\0');
    }
    block.push_back('\0');
    return block;
}
