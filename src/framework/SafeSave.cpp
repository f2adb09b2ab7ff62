#include "SafeSave.h"

#include <windows.h>

#include <optional>

#include "NamedMutex.h"

namespace {

using FileHandle = UniqueHandle<KernelHandleTraits>;

FileHandle OpenFile(const std::string& path, DWORD access, DWORD disposition) {
    HANDLE file = ::CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return FileHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// The whole file; nothing when it cannot be read. A missing file reads as missing.
std::optional<std::string> ReadWholeFile(const std::string& path, bool& missing) {
    FileHandle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
    missing = !file && (::GetLastError() == ERROR_FILE_NOT_FOUND || ::GetLastError() == ERROR_PATH_NOT_FOUND);
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
    std::string contents(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!contents.empty() && (!::ReadFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &read,
                                          nullptr) ||
                              read != contents.size())) {
        return std::nullopt;
    }
    return contents;
}

bool WriteWholeFile(const std::string& path, const std::string& contents) {
    FileHandle file = OpenFile(path, GENERIC_WRITE, CREATE_ALWAYS);
    DWORD written = 0;
    return file && (contents.empty() || (::WriteFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()),
                                                     &written, nullptr) &&
                                         written == contents.size()));
}

// The copy starts as the file is, or as no file when there is none.
bool StartCopy(const std::string& path, const std::string& copyPath) {
    bool missing = false;
    const std::optional<std::string> contents = ReadWholeFile(path, missing);
    if (contents) return WriteWholeFile(copyPath, *contents);
    return missing && (::DeleteFileA(copyPath.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND);
}

bool FlushToDisk(const std::string& path) {
    FileHandle file = OpenFile(path, GENERIC_WRITE, OPEN_EXISTING);
    return file && ::FlushFileBuffers(file.get());
}

bool IsReadOnly(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace

std::string SafeSaveCopyPath(const std::string& path) {
    const std::size_t nameStart = path.find_last_of("\\/:") + 1;
    const std::size_t dot = path.rfind('.');
    const std::string stem = dot == std::string::npos || dot < nameStart ? path : path.substr(0, dot);
    return stem + ".tmp";
}

bool SaveSafely(const std::string& path, const std::function<bool(const std::string& copyPath)>& write) {
    if (path.empty() || IsReadOnly(path)) return false;
    const std::string copyPath = SafeSaveCopyPath(path);
    if (StartCopy(path, copyPath) && write(copyPath) && FlushToDisk(copyPath) &&
        ::MoveFileExA(copyPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    ::DeleteFileA(copyPath.c_str());
    return false;
}
