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

bool WriteAll(HANDLE file, const std::string& contents) {
    DWORD written = 0;
    return contents.empty() ||
           (::WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr) &&
            written == contents.size());
}

bool WriteWholeFile(const std::string& path, const std::string& contents) {
    FileHandle file = OpenFile(path, GENERIC_WRITE, CREATE_ALWAYS);
    return file && WriteAll(file.get(), contents);
}

// The file a symbolic link leads to, where the new contents must go; the path
// itself for a missing file, or when the target cannot be named in ANSI. Asked of
// every file: under Wine a link of the host's file system is no reparse point,
// and replacing it by name deleted the file it led to.
std::string LinkTarget(const std::string& path) {
    HANDLE opened = ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const FileHandle file(opened == INVALID_HANDLE_VALUE ? nullptr : opened);
    if (!file) return path;
    std::string target(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = ::GetFinalPathNameByHandleA(file.get(), target.data(), static_cast<DWORD>(target.size()),
                                                         FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) return path;
        if (length < target.size()) {
            target.resize(length);
            break;
        }
        target.resize(length + 1);
    }
    // "\\?\C:\..." and "\\?\UNC\server\..." as the ANSI calls take them.
    if (target.rfind("\\\\?\\UNC\\", 0) == 0) return "\\\\" + target.substr(8);
    if (target.rfind("\\\\?\\", 0) == 0) return target.substr(4);
    return target;
}

// More than one name for the file: replacing it would part the names.
bool HasOtherNames(const std::string& path) {
    const FileHandle file = OpenFile(path, 0, OPEN_EXISTING);
    BY_HANDLE_FILE_INFORMATION information{};
    return file && ::GetFileInformationByHandle(file.get(), &information) && information.nNumberOfLinks > 1;
}

// The new contents written over the old ones in the file itself, which every name
// of it then shows; the flushed copy holds them until this is done.
bool OverwriteInPlace(const std::string& path, const std::string& contents) {
    FileHandle file = OpenFile(path, GENERIC_WRITE, OPEN_EXISTING);
    return file && WriteAll(file.get(), contents) && ::SetEndOfFile(file.get()) && ::FlushFileBuffers(file.get());
}

// The copy takes the file's place: ReplaceFile keeps the file's attributes, its
// security and its other streams; a file system without it still gets a move.
// The marks a user may set on the file and expects to stay.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool PutInPlace(const std::string& path, const std::string& copyPath) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (!::ReplaceFileA(path.c_str(), copyPath.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) &&
        !::MoveFileExA(copyPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return false;
    }
    // Wine's replace, and the move, give the file the copy's attributes.
    const DWORD now = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && now != INVALID_FILE_ATTRIBUTES &&
        (now & kKeptAttributes) != (attributes & kKeptAttributes)) {
        const DWORD kept = (now & ~(kKeptAttributes | FILE_ATTRIBUTE_NORMAL)) | (attributes & kKeptAttributes);
        ::SetFileAttributesA(path.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
    }
    return true;
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
    const std::string target = LinkTarget(path);
    const std::string copyPath = SafeSaveCopyPath(target);
    bool missing = false;
    const std::optional<std::string> before = ReadWholeFile(target, missing);
    if (!before && !missing) return false;
    // The copy starts as the file is, or as no file when there is none.
    const bool started = before ? WriteWholeFile(copyPath, *before)
                                : ::DeleteFileA(copyPath.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND;
    bool saved = false;
    if (started && write(copyPath)) {
        bool copyMissing = false;
        const std::optional<std::string> after = ReadWholeFile(copyPath, copyMissing);
        if (before && after == before) {
            // Nothing changed: the file keeps its bytes and its time stamp.
            saved = true;
        } else if (after && FlushToDisk(copyPath)) {
            if (!before) {
                saved = ::MoveFileExA(copyPath.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
            } else if (HasOtherNames(target)) {
                saved = OverwriteInPlace(target, *after);
            } else {
                saved = PutInPlace(target, copyPath);
            }
        }
    }
    ::DeleteFileA(copyPath.c_str());
    return saved;
}
