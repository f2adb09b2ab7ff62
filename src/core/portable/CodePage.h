#pragma once
#include <string>
#include <string_view>

#include "SingleByteCodePages.h"

// An ANSI code page of the portable services, 932 (Japanese), 1250 (Central
// European), 1251 (Cyrillic), 1252 (Western), 1253 (Greek) or 1257 (Baltic),
// converted to and from UTF-16 as MultiByteToWideChar and WideCharToMultiByte
// (no best-fit characters) do: a character the code page lacks becomes '?', a
// byte sequence it does not assign becomes the code page's own default
// character (U+30FB in 932; the single-byte pages assign every byte).
class CodePage {
public:
    // One of those ids stays itself; any other gives 1252.
    explicit CodePage(unsigned id);

    unsigned Id() const { return id_; }
    std::u16string ToUtf16(std::string_view text) const;
    std::string FromUtf16(std::u16string_view text) const;
    // The same, except that a Latin letter with a diacritic the code page lacks
    // becomes its bare letter, as Win32's best fit turns "ā" into "a".
    std::string FromUtf16BestFit(std::u16string_view text) const;

private:
    unsigned id_;
    const HighHalf* singleByte_;  // null for 932
};
