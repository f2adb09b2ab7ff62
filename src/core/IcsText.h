#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
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

// A content line as written: CRLF ends, folded so that no line has more than 75
// octets, never inside a UTF-8 sequence.
std::string FoldLine(std::string_view line);

// A TEXT value with backslash, semicolon, comma and line ends escaped.
std::string EscapeText(std::string_view text);
// A TEXT value with its escapes undone; "\n" and "\N" become "\n", an unknown
// escape keeps its character.
std::string UnescapeText(std::string_view text);

}  // namespace ics
