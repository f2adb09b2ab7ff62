#pragma once
#include <windows.h>

#include <string>
#include <string_view>

// Text of a code page to UTF-16 and back through MultiByteToWideChar and
// WideCharToMultiByte; empty on failure.
std::wstring WideFromMultiByte(UINT codePage, std::string_view text);
std::string MultiByteFromWide(UINT codePage, DWORD flags, std::wstring_view text);
