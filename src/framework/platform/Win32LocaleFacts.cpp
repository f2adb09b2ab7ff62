#include "Win32LocaleFacts.h"

#include <windows.h>

#include "WideText.h"

namespace {

// GetLocaleInfoA into `size` characters; empty when it fails or does not fit.
std::string LocaleInfo(LCID lcid, LCTYPE type, int size) {
    std::string text(static_cast<std::size_t>(size), '\0');
    const int length = GetLocaleInfoA(lcid, type, text.data(), size);
    text.resize(length > 0 ? static_cast<std::size_t>(length - 1) : 0);
    return text;
}

constexpr int kFormatSize = 64;
constexpr int kCountrySize = 4;

}  // namespace

std::uint32_t Win32LocaleFacts::UserDefaultLcid() const { return GetUserDefaultLCID(); }

std::string Win32LocaleFacts::CountryAbbreviation(std::uint32_t lcid) const {
    return LocaleInfo(lcid, LOCALE_SABBREVCTRYNAME, kCountrySize);
}

std::string Win32LocaleFacts::ShortDateFormat() const {
    return LocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, kFormatSize);
}

std::string Win32LocaleFacts::TimeFormat() const {
    return LocaleInfo(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, kFormatSize);
}

std::string Win32LocaleFacts::TimeSeparator() const {
    return LocaleInfo(LOCALE_USER_DEFAULT, LOCALE_STIME, kFormatSize);
}

unsigned Win32LocaleFacts::AnsiCodePage() const { return GetACP(); }

std::string Win32LocaleFacts::SystemTextFromUtf8(std::string_view utf8) const {
    // No best-fit look-alikes: a character the code page lacks becomes '?'.
    return MultiByteFromWide(CP_ACP, WC_NO_BEST_FIT_CHARS, WideFromMultiByte(CP_UTF8, utf8));
}

std::string Win32LocaleFacts::SystemTextLikeUtf8(std::string_view utf8) const {
    return MultiByteFromWide(CP_ACP, 0, WideFromMultiByte(CP_UTF8, utf8));
}

std::string Win32LocaleFacts::Utf8FromSystemText(std::string_view text) const {
    return MultiByteFromWide(CP_UTF8, 0, WideFromMultiByte(CP_ACP, text));
}
