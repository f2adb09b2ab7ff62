#pragma once
#include <string>
#include <string_view>

// A file in the folder of the program file `programPath` (a Windows path): the
// drive and directory of the program, with its trailing separator, followed by
// `fileName`. "C:\Tools\cal.exe" and "Holiday.ini" give "C:\Tools\Holiday.ini".
// Narrow or wide text alike.
template <typename Char>
std::basic_string<Char> FileInProgramFolder(std::basic_string_view<Char> programPath,
                                            std::basic_string_view<Char> fileName) {
    constexpr Char separators[] = {Char('\\'), Char('/'), Char(0)};
    // The folder ends at the last separator, or after the drive of "C:cal.exe".
    std::size_t folderEnd = programPath.find_last_of(separators);
    if (folderEnd != std::basic_string_view<Char>::npos) {
        ++folderEnd;
    } else {
        folderEnd = programPath.size() >= 2 && programPath[1] == Char(':') ? 2 : 0;
    }
    std::basic_string<Char> path(programPath.substr(0, folderEnd));
    path += fileName;
    return path;
}

inline std::string FileInProgramFolder(std::string_view programPath, std::string_view fileName) {
    return FileInProgramFolder<char>(programPath, fileName);
}
