#pragma once
#include <string>
#include <string_view>

// UTF-8 to UTF-16 and back as Win32 converts (code page 65001, no flags): each
// malformed sequence becomes one U+FFFD, an unpaired surrogate becomes U+FFFD.
std::u16string Utf16FromUtf8(std::string_view utf8);
std::string Utf8FromUtf16(std::u16string_view utf16);
