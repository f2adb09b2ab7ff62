#include "AnsiPath.h"

#include <windows.h>

#include <optional>

#include "ProgramFolder.h"
#include "WideText.h"

namespace {

// The short form of an existing path; empty when the system has none.
std::wstring ShortForm(const std::wstring& path) {
    const DWORD size = ::GetShortPathNameW(path.c_str(), nullptr, 0);
    if (size == 0) return {};
    std::wstring shortPath(size, L'\0');
    const DWORD length = ::GetShortPathNameW(path.c_str(), shortPath.data(), size);
    if (length == 0 || length >= size) return {};
    shortPath.resize(length);
    return shortPath;
}

bool FitsAnsiCalls(const std::optional<std::string>& path) { return path && path->size() < MAX_PATH; }

}  // namespace

std::string AnsiPathFor(const std::wstring& path) {
    std::optional<std::string> spelled = MultiByteFromWideExactly(CP_ACP, path);
    if (FitsAnsiCalls(spelled)) return *spelled;

    const std::size_t nameStart = path.find_last_of(L"\\/") + 1;
    const std::wstring folder = ShortForm(path.substr(0, nameStart));
    std::optional<std::string> name = MultiByteFromWideExactly(CP_ACP, path.substr(nameStart));
    if (!name) {
        const std::wstring shortPath = ShortForm(path);
        name = MultiByteFromWideExactly(CP_ACP, shortPath.substr(shortPath.find_last_of(L"\\/") + 1));
    }
    std::optional<std::string> shortFolder = MultiByteFromWideExactly(CP_ACP, folder);
    if (!folder.empty() && shortFolder && name) {
        spelled = *shortFolder + *name;
        if (FitsAnsiCalls(spelled)) return *spelled;
    }
    // '?' for every character the code page lacks: never another, existing name.
    return MultiByteFromWide(CP_ACP, WC_NO_BEST_FIT_CHARS, path, "?");
}

std::wstring ProgramFilePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string ProgramFolderFile(const std::string& name) {
    return AnsiPathFor(FileInProgramFolder<wchar_t>(ProgramFilePath(), WideFromMultiByte(CP_ACP, name)));
}
