#include "TestPlatform.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#ifdef _WIN32
#include "Win32Platform.h"
#endif

namespace {
bool useWin32 =
#ifdef _WIN32
    true;
#else
    false;
#endif
}  // namespace

Platform& TestPlatform() {
#ifdef _WIN32
    if (useWin32) return Win32Platform();
#endif
    return PortablePlatform();
}

bool TestUsesWin32Services() { return useWin32; }

void SelectTestServices(const std::string& name) {
    if (name == "portable") {
        useWin32 = false;
    } else if (name == "win32") {
#ifndef _WIN32
        throw std::invalid_argument("win32 services exist only in the Windows build");
#endif
        useWin32 = true;
    } else {
        throw std::invalid_argument("unknown services: " + name);
    }
}

std::vector<NamedPlatform> AllTestPlatforms() {
    std::vector<NamedPlatform> all{{"portable", &PortablePlatform()}};
#ifdef _WIN32
    all.push_back({"win32", &Win32Platform()});
#endif
    return all;
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    namespace fs = std::filesystem;
    std::ostringstream name;
    name << "wispane-test-" << std::hash<std::string>{}(fs::current_path().string()) << '-'
         << counter++ << '-' << reinterpret_cast<std::uintptr_t>(this);
    const fs::path dir = fs::temp_directory_path() / name.str();
    fs::remove_all(dir);
    fs::create_directories(dir);
    path_ = dir.string();
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const {
    return (std::filesystem::path(path_) / name).string();
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
