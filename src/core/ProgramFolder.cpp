#include "ProgramFolder.h"

std::string FileInProgramFolder(std::string_view programPath, std::string_view fileName) {
    // The folder ends at the last separator, or after the drive of "C:cal.exe".
    std::size_t folderEnd = programPath.find_last_of("\\/");
    if (folderEnd != std::string_view::npos) {
        ++folderEnd;
    } else {
        folderEnd = programPath.size() >= 2 && programPath[1] == ':' ? 2 : 0;
    }
    std::string path(programPath.substr(0, folderEnd));
    path += fileName;
    return path;
}
