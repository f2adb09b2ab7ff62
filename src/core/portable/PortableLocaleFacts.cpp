#include "PortableLocaleFacts.h"

#include "CountryNames.h"
#include "Utf8.h"

namespace {
constexpr std::uint32_t kLocaleNeutral = 0x000;
constexpr std::uint32_t kLocaleUserDefault = 0x400;
constexpr std::uint32_t kLocaleSystemDefault = 0x800;
}  // namespace

PortableLocaleFacts::PortableLocaleFacts(std::uint32_t userLcid, std::uint32_t systemLcid)
    : user_(ConventionsOf(userLcid)),
      systemLcid_(ConventionsOf(systemLcid).lcid),
      codePage_(ConventionsOf(systemLcid).ansiCodePage) {}

std::string PortableLocaleFacts::CountryAbbreviation(std::uint32_t lcid) const {
    if (lcid == kLocaleNeutral || lcid == kLocaleUserDefault) lcid = user_.lcid;
    if (lcid == kLocaleSystemDefault) lcid = systemLcid_;
    return CountryAbbreviationOf(lcid);
}

std::string PortableLocaleFacts::SystemTextFromUtf8(std::string_view utf8) const {
    return codePage_.FromUtf16(Utf16FromUtf8(utf8));
}

std::string PortableLocaleFacts::SystemTextLikeUtf8(std::string_view utf8) const {
    return codePage_.FromUtf16BestFit(Utf16FromUtf8(utf8));
}

std::string PortableLocaleFacts::Utf8FromSystemText(std::string_view text) const {
    return Utf8FromUtf16(codePage_.ToUtf16(text));
}
