#pragma once
#include <string>
#include <string_view>

// A file in the folder of the program file `programPath` (a Windows path): the
// drive and directory of the program, with its trailing separator, followed by
// `fileName`. "C:\Tools\cal.exe" and "Holiday.ini" give "C:\Tools\Holiday.ini".
std::string FileInProgramFolder(std::string_view programPath, std::string_view fileName);
