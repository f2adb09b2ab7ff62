#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// Text of a code page to UTF-16 and back through MultiByteToWideChar and
// WideCharToMultiByte; empty on failure. A character the code page lacks becomes
// `defaultChar` (the code page's own when null).
std::wstring WideFromMultiByte(UINT codePage, std::string_view text);
std::string MultiByteFromWide(UINT codePage, DWORD flags, std::wstring_view text, const char* defaultChar = nullptr);
// The text in the code page without best-fit or default characters; none when the
// code page lacks one of its characters.
std::optional<std::string> MultiByteFromWideExactly(UINT codePage, std::wstring_view text);
