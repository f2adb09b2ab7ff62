#include "ProgramFiles.h"

#ifdef _WIN32
#include <windows.h>

#include <vector>

std::string FileBesideProgram(const std::string& name) {
    std::vector<char> buffer(MAX_PATH);
    DWORD length = 0;
    // The path is cut, and the buffer filled, when it does not fit.
    while ((length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()))) ==
           buffer.size()) {
        buffer.resize(buffer.size() * 2);
    }
    std::string path(buffer.data(), length);
    path.erase(path.find_last_of("\\/") + 1);
    return path + name;
}

std::string AbsolutePath(const std::string& path) {
    const DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::string full(size, '\0');
    const DWORD length = GetFullPathNameA(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

bool IsExistingFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

#else
#include <filesystem>

std::string FileBesideProgram(const std::string& name) {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return (program.parent_path() / name).string();
}

std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

bool IsExistingFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}
#endif
