#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "MemoryPrivateProfile.h"
#include "Platform.h"

// The files a fuzz target hands to the code under test, held in memory and named
// by plain file names, and the portable services with a private-profile that
// reads and writes them: an execution touches no file system.
class FuzzWorkspace {
public:
    static FuzzWorkspace& Get();
    FuzzWorkspace(const FuzzWorkspace&) = delete;
    FuzzWorkspace& operator=(const FuzzWorkspace&) = delete;

    Platform& platform() { return platform_; }
    // Replaces the file's bytes, unchanged.
    void Write(const std::string& name, std::string_view bytes) { profile_.Put(name, bytes); }

private:
    FuzzWorkspace();
    MemoryPrivateProfile profile_;
    Platform platform_;
};

// The input as text, cut at line feeds; the pieces keep any other bytes.
std::vector<std::string> InputLines(const std::uint8_t* data, std::size_t size);

// Lines as the block a whole-section write takes: each ended by a NUL, one more
// NUL at the end. Empty lines are left out, as one would end the block early.
std::string SectionBlock(const std::vector<std::string>& lines);
