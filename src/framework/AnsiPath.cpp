#include "AnsiPath.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "ProgramFolder.h"

namespace {

// The ANSI text of `wide`, or nothing when the code page lacks one of its characters.
std::optional<std::string> SpellExactly(const std::wstring& wide) {
    if (wide.empty()) return std::string();
    BOOL lossy = FALSE;
    const int size = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, &lossy);
    if (size <= 0 || lossy) return std::nullopt;
    std::string text(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                          nullptr, &lossy);
    return text;
}

// '?' for every character the code page lacks: never another, existing name.
std::string SpellWithQuestionMarks(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, "?", nullptr);
    std::string text(static_cast<std::size_t>(std::max(size, 0)), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                          "?", nullptr);
    return text;
}

std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    const int size = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(size, 0)), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

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
    std::optional<std::string> spelled = SpellExactly(path);
    if (FitsAnsiCalls(spelled)) return *spelled;

    const std::size_t nameStart = path.find_last_of(L"\\/") + 1;
    const std::wstring folder = ShortForm(path.substr(0, nameStart));
    std::optional<std::string> name = SpellExactly(path.substr(nameStart));
    if (!name) {
        const std::wstring shortPath = ShortForm(path);
        name = SpellExactly(shortPath.substr(shortPath.find_last_of(L"\\/") + 1));
    }
    std::optional<std::string> shortFolder = SpellExactly(folder);
    if (!folder.empty() && shortFolder && name) {
        spelled = *shortFolder + *name;
        if (FitsAnsiCalls(spelled)) return *spelled;
    }
    return SpellWithQuestionMarks(path);
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
    return AnsiPathFor(FileInProgramFolder<wchar_t>(ProgramFilePath(), Widen(name)));
}
