#pragma once
#include <string>

// Paths for the system's ANSI ("A") calls, which the private-profile functions and
// the version reader are. Those calls cannot open a path that the system's code
// page cannot spell (a folder named in Japanese on a Western system) or that is
// MAX_PATH characters long or longer.

// A spelling of `path` that the ANSI calls open: the path itself where they can,
// else the same with its folder (and, for an existing file, its name) in the short
// 8.3 form. Where neither works, a spelling with '?' for what the code page lacks,
// which names no file, so that reads find nothing and writes fail.
std::string AnsiPathFor(const std::wstring& path);

// The program file's full path, as the system knows it.
std::wstring ProgramFilePath();

// A file in the program's folder, spelled for the ANSI calls; `name` is ANSI.
std::string ProgramFolderFile(const std::string& name);
