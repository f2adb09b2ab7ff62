#include "ProfileAccess.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "PrivateProfile.h"

namespace {
constexpr std::size_t kValueBufferSize = 4096;
constexpr std::size_t kFirstSectionBufferSize = 1024;
// A larger file is read in doublings from there.
constexpr std::uint64_t kLargestFirstBuffer = 64 * 1024 * 1024;
}  // namespace

std::string ReadProfileString(const PrivateProfile& profile, const std::string& path,
                              const std::string& section, const std::string& key) {
    std::string buffer(kValueBufferSize, '\0');
    const std::size_t length =
        profile.GetString(section.c_str(), key.c_str(), "", buffer.data(), buffer.size(), path.c_str());
    buffer.resize(length);
    return buffer;
}

std::vector<std::string> ReadProfileSection(const PrivateProfile& profile, const std::string& path,
                                            const std::string& section, std::uint64_t fileSize) {
    std::string buffer;
    std::size_t length = 0;
    // The section's text is never longer than the file; two more for its ends.
    const std::size_t first =
        std::max<std::uint64_t>(kFirstSectionBufferSize, std::min(fileSize, kLargestFirstBuffer) + 2);
    for (std::size_t size = first;; size *= 2) {
        buffer.resize(size);
        length = profile.GetSection(section.c_str(), buffer.data(), size, path.c_str());
        // size - 2 is the reader's only sign that the section was cut.
        if (length != size - 2) break;
    }
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::count(buffer.begin(), buffer.begin() + length, '\0')));
    for (std::size_t at = 0; at < length && buffer[at] != '\0';) {
        const std::size_t lineLength = std::strlen(buffer.data() + at);
        lines.emplace_back(buffer.data() + at, lineLength);
        at += lineLength + 1;
    }
    return lines;
}

bool WriteSectionLines(PrivateProfile& profile, const std::string& path, const std::string& section,
                       const std::vector<std::string>& lines) {
    std::string block;
    for (const std::string& line : lines) {
        // A line ends at a NUL inside it; an empty one would end the block early
        // and drop every line after it, so it is skipped.
        const std::string_view text(line.c_str());
        if (text.empty()) continue;
        block.append(text);
        block.push_back('\0');
    }
    block.push_back('\0');
    return profile.WriteSection(section.c_str(), block.c_str(), path.c_str());
}
