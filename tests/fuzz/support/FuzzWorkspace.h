#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A private folder for the files a fuzz target hands to the code under test,
// made once per process and removed when the process ends normally.
class FuzzWorkspace {
public:
    static const FuzzWorkspace& Get();
    FuzzWorkspace(const FuzzWorkspace&) = delete;
    FuzzWorkspace& operator=(const FuzzWorkspace&) = delete;

    std::string File(const std::string& name) const;
    // Replaces the file's bytes, unchanged.
    void Write(const std::string& name, std::string_view bytes) const;

private:
    FuzzWorkspace();
    ~FuzzWorkspace();
    std::string path_;
};

// The input as text, cut at line feeds; the pieces keep any other bytes.
std::vector<std::string> InputLines(const std::uint8_t* data, std::size_t size);

// Lines as the block a whole-section write takes: each ended by a NUL, one more
// NUL at the end. Empty lines are left out, as one would end the block early.
std::string SectionBlock(const std::vector<std::string>& lines);
