#include "IniTextProfile.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "IniFile.h"
#include "IniLines.h"

namespace {

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

std::string IniTextProfile::WholeText(const char* path) const {
    std::string bytes;
    ReadText(path, bytes);
    return bytes;
}

std::size_t IniTextProfile::GetString(const char* section, const char* key, const char* defaultValue, char* buffer,
                                      std::size_t size, const char* path) const {
    if (size == 0) return 0;
    const std::string bytes = WholeText(path);
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

std::size_t IniTextProfile::GetSection(const char* section, char* buffer, std::size_t size, const char* path) const {
    if (size == 0) return 0;
    if (size == 1) {
        buffer[0] = '\0';
        return 0;
    }
    ReadText(path, sectionFileBytes_);
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

bool IniTextProfile::WriteString(const char* section, const char* key, const char* value, const char* path) {
    IniFile file(WholeText(path));
    return !file.SetValue(section, key, value) || SaveText(path, file.Bytes());
}

bool IniTextProfile::WriteSection(const char* section, const char* lines, const char* path) {
    IniFile file(WholeText(path));
    return !file.ReplaceSection(section, lines) || SaveText(path, file.Bytes());
}
