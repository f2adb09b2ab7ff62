#include "FuzzWorkspace.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

const FuzzWorkspace& FuzzWorkspace::Get() {
    static const FuzzWorkspace workspace;
    return workspace;
}

FuzzWorkspace::FuzzWorkspace() {
    std::string pattern = (std::filesystem::temp_directory_path() / "wispane-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
    path_ = pattern;
}

FuzzWorkspace::~FuzzWorkspace() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string FuzzWorkspace::File(const std::string& name) const {
    return (std::filesystem::path(path_) / name).string();
}

void FuzzWorkspace::Write(const std::string& name, std::string_view bytes) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

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
