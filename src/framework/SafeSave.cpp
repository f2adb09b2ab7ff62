#include "SafeSave.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "AnsiPath.h"
#include "NamedMutex.h"
#include "WideText.h"

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

// A text the system writes into a buffer, grown until the text fits; empty when
// the system fails.
template <typename Write>
std::wstring WrittenText(Write write) {
    std::wstring text(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = write(text.data(), static_cast<DWORD>(text.size()));
        if (length == 0) return {};
        if (length < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(length + 1);
    }
}

// The file a symbolic link leads to, where the new contents must go; the path
// itself for a plain or a missing file. Asked of every file: under Wine a link of
// the host's file system is no reparse point, and replacing it by name deleted the
// file it led to.
std::string LinkTarget(const std::string& path) {
    HANDLE opened = ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const FileHandle file(opened == INVALID_HANDLE_VALUE ? nullptr : opened);
    if (!file) return path;
    std::wstring target = WrittenText([&](wchar_t* buffer, DWORD size) {
        return ::GetFinalPathNameByHandleW(file.get(), buffer, size, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    });
    // "\\?\C:\..." and "\\?\UNC\server\..." as the other calls take them.
    if (target.rfind(L"\\\\?\\UNC\\", 0) == 0) {
        target = L"\\\\" + target.substr(8);
    } else if (target.rfind(L"\\\\?\\", 0) == 0) {
        target = target.substr(4);
    }
    // The given path at length: a plain file is its own target, kept under the
    // name it was given (perhaps a short one, which the ANSI calls can open).
    const std::wstring given = WideFromMultiByte(CP_ACP, path);
    const std::wstring full = WrittenText(
        [&](wchar_t* buffer, DWORD size) { return ::GetFullPathNameW(given.c_str(), size, buffer, nullptr); });
    const std::wstring whole =
        WrittenText([&](wchar_t* buffer, DWORD size) { return ::GetLongPathNameW(full.c_str(), buffer, size); });
    if (target.empty() ||
        ::CompareStringOrdinal(whole.c_str(), -1, target.c_str(), -1, TRUE) == CSTR_EQUAL) {
        return path;
    }
    return AnsiPathFor(target);
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

// The marks a user may set on the file and expects to stay.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The copy takes what makes the file the same file to its user: its marks, its
// access rules and its creation time. ReplaceFile would do this too, but not in
// one step: Wine's moves the file aside first, and a reader or a crash in between
// finds no file. A rename over the file is one step everywhere.
void TakeOverIdentity(const std::string& path, const std::string& copyPath) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kKeptAttributes)) {
        ::SetFileAttributesA(copyPath.c_str(), attributes & kKeptAttributes);
    }
    DWORD needed = 0;
    ::GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
    std::vector<BYTE> security(needed);
    if (needed && ::GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, security.data(), needed, &needed)) {
        ::SetFileSecurityA(copyPath.c_str(), DACL_SECURITY_INFORMATION, security.data());
    }
    const FileHandle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
    FILETIME created{};
    if (file && ::GetFileTime(file.get(), &created, nullptr, nullptr)) {
        const FileHandle copy = OpenFile(copyPath, FILE_WRITE_ATTRIBUTES, OPEN_EXISTING);
        if (copy) ::SetFileTime(copy.get(), &created, nullptr, nullptr);
    }
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
                TakeOverIdentity(target, copyPath);
                saved = ::MoveFileExA(copyPath.c_str(), target.c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
            }
        }
    }
    ::DeleteFileA(copyPath.c_str());
    return saved;
}
