#pragma once
#include <optional>
#include <string_view>

// One line of an INI file as the Win32 private-profile functions read it (Wine's
// behaviour is the reference): blanks around the line are dropped; "[name]"
// opens a section (text after the last ']' is ignored); any other line is
// "key=value", split at the first '=' with the blanks around both dropped, or a
// key alone.
struct IniLine {
    bool opensSection = false;
    std::string_view name;
    std::optional<std::string_view> value;
};

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The lines of a file in order, blank lines left out. LF, CR LF and a lone CR
// all end a line; a UTF-8 byte order mark at the start is not part of it.
class IniLines {
public:
    explicit IniLines(std::string_view bytes);
    bool StartsWithByteOrderMark() const { return startsWithByteOrderMark_; }
    std::optional<IniLine> Next();

private:
    std::string_view rest_;
    bool startsWithByteOrderMark_ = false;
};

// The profile functions' blanks: ASCII white space and ^Z, the old DOS end-of-file mark.
std::string_view TrimIniBlanks(std::string_view text);
std::string_view TrimLeadingIniBlanks(std::string_view text);

// Section and key names compare without regard to ASCII case.
bool SameIniName(std::string_view left, std::string_view right);
