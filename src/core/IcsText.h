#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The text layer of iCalendar files (RFC 5545, section 3.1 and 3.3.11): content
// lines folded at 75 octets, and the escapes of TEXT values. Octets in, octets
// out: the caller converts between the ANSI code page and UTF-8.
namespace ics {

// The longest unfolded content line read; a longer one makes the file
// unreadable.
constexpr std::size_t kMaxUnfoldedLine = 64 * 1024;

// The content lines of a file: CRLF, LF or CR ends, each line that starts with
// a blank or tab joined to the line before without that blank. Empty lines are
// dropped. Nothing when a line is longer than maxLine octets unfolded.
std::optional<std::vector<std::string>> UnfoldLines(std::string_view file, std::size_t maxLine = kMaxUnfoldedLine);

// A content line split into its name, parameters and value (section 3.1). Names
// and parameter names are upper-cased; a quoted parameter value loses its quotes.
struct ContentLine {
    std::string name;
    std::vector<std::pair<std::string, std::string>> parameters;
    std::string value;

    // The value of the named parameter (upper case), or nothing.
    std::optional<std::string> Parameter(std::string_view name) const;
};
// Nothing for a line without a name or without the colon before its value.
std::optional<ContentLine> ParseContentLine(std::string_view line);

// A content line as written: CRLF ends, folded so that no line has more than 75
// octets, never inside a UTF-8 sequence.
std::string FoldLine(std::string_view line);

// A TEXT value with backslash, semicolon, comma and line ends escaped.
std::string EscapeText(std::string_view text);
// A TEXT value with its escapes undone; "\n" and "\N" become "\n", an unknown
// escape keeps its character.
std::string UnescapeText(std::string_view text);

}  // namespace ics
