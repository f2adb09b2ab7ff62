#pragma once
#include <string>
#include <string_view>

// An ANSI code page of the portable services, 932 (Japanese) or 1252 (Western),
// converted to and from UTF-16 as MultiByteToWideChar and WideCharToMultiByte
// (no best-fit characters) do: a character the code page lacks becomes '?', a
// byte sequence it does not assign becomes the code page's own default
// character (U+30FB in 932).
class CodePage {
public:
    // 932 stays 932; any other id gives 1252.
    explicit CodePage(unsigned id);

    unsigned Id() const { return id_; }
    std::u16string ToUtf16(std::string_view text) const;
    std::string FromUtf16(std::u16string_view text) const;

private:
    unsigned id_;
};
