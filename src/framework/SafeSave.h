#pragma once
#include <functional>
#include <string>

// Rewrites a file so that a crash, a kill or a power cut at any moment leaves
// either the old file or the new one, whole. `write` gets the path of a copy beside
// the file (the file's contents, or no file when there is none yet) and changes it
// with the usual calls, the private-profile ones among them; the copy is then
// flushed to the disk and put in the file's place in one step, keeping the file's
// attributes and security. A symbolic link keeps its place: the file it leads to
// is the one replaced. A file with more names than one (a hard link) is written
// over in place, so that every name shows the new contents. A copy that came out
// equal to the file is dropped: the file keeps its bytes and its time stamp. A
// read-only file is left alone, as the system's own writes would leave it.
//
// False when the file was not replaced (it is then as it was): `write` failed,
// the copy could not be made, or the file could not be replaced. True when the
// file holds what `write` made, unchanged files included.
bool SaveSafely(const std::string& path, const std::function<bool(const std::string& copyPath)>& write);

// The copy SaveSafely writes: the file's path with its extension replaced by ".tmp",
// so that a path the ANSI calls can open gives one they can open too.
std::string SafeSaveCopyPath(const std::string& path);
