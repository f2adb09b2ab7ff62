#include "MemoryPrivateProfile.h"

void MemoryPrivateProfile::Put(const std::string& path, std::string_view bytes) {
    files_[path] = File{std::string(bytes), ++writes_};
}

std::optional<FileStamp> MemoryPrivateProfile::Stamp(const char* path) const {
    const auto found = files_.find(std::string_view(path));
    if (found == files_.end()) return std::nullopt;
    const std::uint64_t written = found->second.writeTime;
    return FileStamp{found->second.bytes.size(), written, written + FileStamp::kTimeResolution};
}

void MemoryPrivateProfile::ReadText(const char* path, std::string& bytes) const {
    const auto found = files_.find(std::string_view(path));
    if (found == files_.end()) {
        bytes.clear();
    } else {
        bytes = found->second.bytes;
    }
}

bool MemoryPrivateProfile::SaveText(const char* path, const std::string& bytes) {
    Put(path, bytes);
    return true;
}
