#include "PortablePrivateProfile.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

void PortablePrivateProfile::ReadText(const char* path, std::string& bytes) const {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        bytes.clear();
        return;
    }
    bytes.resize(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)));
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
}

bool PortablePrivateProfile::SaveText(const char* path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

std::optional<FileStamp> PortablePrivateProfile::Stamp(const char* path) const {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) return std::nullopt;
    const auto written = std::filesystem::last_write_time(path, error);
    if (error) return std::nullopt;
    // Ticks of 100 ns; the sign bit flipped keeps the order of times before the
    // clock's epoch.
    const auto ticks = [](std::filesystem::file_time_type time) {
        const auto count =
            std::chrono::duration_cast<std::chrono::duration<std::int64_t, std::ratio<1, 10'000'000>>>(
                time.time_since_epoch())
                .count();
        return static_cast<std::uint64_t>(count) ^ (std::uint64_t{1} << 63);
    };
    return FileStamp{static_cast<std::uint64_t>(size), ticks(written),
                     ticks(std::filesystem::file_time_type::clock::now())};
}
