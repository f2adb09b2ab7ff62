#include "PortablePrivateProfile.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "IniFile.h"
#include "IniLines.h"

namespace {

// Reads a whole file into `bytes`; a missing file reads as an empty one.
void ReadFileBytes(const char* path, std::string& bytes) {
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

std::string ReadFileBytes(const char* path) {
    std::string bytes;
    ReadFileBytes(path, bytes);
    return bytes;
}

bool SaveIniFile(const IniFile& file, const char* path) {
    const std::string bytes = file.Bytes();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

// Calls `visit` with each line of the first section named `name` (the lines
// before any section form the first one, named ""), until it returns false.
template <typename Visit>
void VisitFirstSection(std::string_view bytes, std::string_view name, Visit visit) {
    IniLines lines(bytes);
    bool inside = name.empty();
    while (const std::optional<IniLine> line = lines.Next()) {
        if (line->opensSection) {
            if (inside) return;
            inside = SameIniName(line->name, name);
        } else if (inside && !visit(*line)) {
            return;
        }
    }
}

// Like the Win32 call, trailing spaces of the default are dropped.
std::string_view DefaultText(const char* defaultValue) {
    std::string_view text = defaultValue != nullptr ? defaultValue : "";
    while (text.ends_with(' ')) text.remove_suffix(1);
    return text;
}

// GetPrivateProfileString drops a pair of matching quotes around a value.
std::string_view WithoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Fills a section buffer with NUL-ended lines; a block that does not fit is
// cut to size - 2 characters and closed by two NULs.
class SectionBlockWriter {
public:
    SectionBlockWriter(char* buffer, std::size_t size) : buffer_(buffer), room_(size - 2) {}

    bool Append(std::string_view text) {
        const std::size_t length = std::min(text.size(), room_ - length_);
        std::copy_n(text.data(), length, buffer_ + length_);
        length_ += length;
        cut_ = length < text.size();
        return !cut_;
    }

    std::size_t Finish() {
        buffer_[length_] = '\0';
        if (cut_ || length_ == 0) buffer_[length_ + 1] = '\0';
        return length_;
    }

private:
    char* buffer_;
    std::size_t room_;
    std::size_t length_ = 0;
    bool cut_ = false;
};

}  // namespace

std::size_t PortablePrivateProfile::GetString(const char* section, const char* key, const char* defaultValue,
                                              char* buffer, std::size_t size, const char* path) const {
    if (size == 0) return 0;
    const std::string bytes = ReadFileBytes(path);
    const std::string_view wantedKey = TrimIniBlanks(key);
    std::optional<std::string_view> value;
    VisitFirstSection(bytes, TrimIniBlanks(section), [&](const IniLine& line) {
        if (!SameIniName(line.name, wantedKey)) return true;
        value = line.value;  // a key without '=' has no value
        return false;
    });
    const std::string_view text = value ? WithoutQuotes(*value) : DefaultText(defaultValue);
    const std::size_t length = std::min(text.size(), size - 1);
    std::copy_n(text.data(), length, buffer);
    buffer[length] = '\0';
    return length;
}

std::size_t PortablePrivateProfile::GetSection(const char* section, char* buffer, std::size_t size,
                                               const char* path) const {
    if (size == 0) return 0;
    if (size == 1) {
        buffer[0] = '\0';
        return 0;
    }
    ReadFileBytes(path, sectionFileBytes_);
    SectionBlockWriter block(buffer, size);
    // Only as much of the section as fits is looked at.
    VisitFirstSection(sectionFileBytes_, section, [&](const IniLine& line) {
        if (line.name.starts_with(';')) return true;  // a comment
        bool fits = block.Append(line.name);
        if (fits && line.value) fits = block.Append("=") && block.Append(*line.value);
        return fits && block.Append(std::string_view("", 1));
    });
    return block.Finish();
}

bool PortablePrivateProfile::WriteString(const char* section, const char* key, const char* value,
                                         const char* path) {
    IniFile file(ReadFileBytes(path));
    return !file.SetValue(section, key, value) || SaveIniFile(file, path);
}

bool PortablePrivateProfile::WriteSection(const char* section, const char* lines, const char* path) {
    IniFile file(ReadFileBytes(path));
    return !file.ReplaceSection(section, lines) || SaveIniFile(file, path);
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
