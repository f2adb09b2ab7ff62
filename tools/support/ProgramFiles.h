#pragma once
#include <string>

// Paths in the form the platform's profile functions take (the ANSI code page
// on Windows).

// A file in the folder of the running program.
std::string FileBesideProgram(const std::string& name);
// `path` made absolute against the current folder: the Windows profile functions
// would look for a bare file name in the Windows folder.
std::string AbsolutePath(const std::string& path);
bool IsExistingFile(const std::string& path);
