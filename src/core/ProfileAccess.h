#pragma once
#include <cstdint>
#include <string>
#include <vector>

class PrivateProfile;

// One key of a section, read into a buffer of 4096 characters; missing reads as "".
std::string ReadProfileString(const PrivateProfile& profile, const std::string& path,
                              const std::string& section, const std::string& key);

// A whole section as its lines "key=value", read with a buffer of 1024 characters
// that doubles while the reader reports size - 2 (its sign of truncation). Given
// the file's size, the buffer starts large enough for any of its sections: one
// read instead of one per doubling (under Wine each read of a file written in the
// last two seconds reads the file again).
std::vector<std::string> ReadProfileSection(const PrivateProfile& profile, const std::string& path,
                                            const std::string& section, std::uint64_t fileSize = 0);

// Replaces a whole section by `lines`; an empty line is skipped, as it would end
// the block of lines early. (Not named after the Win32 call: <windows.h> makes
// WriteProfileSection a macro.)
bool WriteSectionLines(PrivateProfile& profile, const std::string& path, const std::string& section,
                       const std::vector<std::string>& lines);
