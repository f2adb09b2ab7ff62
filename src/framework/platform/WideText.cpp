#include "WideText.h"

#include <climits>

std::wstring WideFromMultiByte(UINT codePage, std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (needed <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
    return wide;
}

namespace {

// `lossy`, when given, says whether a character the code page lacks was met.
std::string Narrow(UINT codePage, DWORD flags, std::wstring_view text, const char* defaultChar, BOOL* lossy) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int length = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, defaultChar, lossy);
    if (needed <= 0) return {};
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), length, bytes.data(), needed, defaultChar, nullptr);
    return bytes;
}

}  // namespace

std::string MultiByteFromWide(UINT codePage, DWORD flags, std::wstring_view text, const char* defaultChar) {
    return Narrow(codePage, flags, text, defaultChar, nullptr);
}

std::optional<std::string> MultiByteFromWideExactly(UINT codePage, std::wstring_view text) {
    if (text.empty()) return std::string();
    BOOL lossy = FALSE;
    std::string bytes = Narrow(codePage, WC_NO_BEST_FIT_CHARS, text, nullptr, &lossy);
    if (bytes.empty() || lossy) return std::nullopt;
    return bytes;
}
