#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "Platform.h"

// The services the suite runs against, chosen by --services= (portable or win32).
Platform& TestPlatform();
bool TestUsesWin32Services();
void SelectTestServices(const std::string& name);

// Every set of services this build has, for suites that compare them.
struct NamedPlatform {
    std::string name;
    Platform* platform;
};
std::vector<NamedPlatform> AllTestPlatforms();

// A fresh empty folder for one test's files, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // Full path of a file in the folder, in the platform's own form.
    std::string File(const std::string& name) const;
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

private:
    std::string path_;
};

// Names the services in test names and failure messages.
inline void PrintTo(const NamedPlatform& platform, std::ostream* out) { *out << platform.name; }
