#include "BenchFiles.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "COleDateTime.h"
#include "DateKeys.h"
#include "Platform.h"

BenchFolder::BenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "wispane-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
    path_ = pattern;
}

BenchFolder::~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string BenchFolder::File(const std::string& name) const {
    return (std::filesystem::path(path_) / name).string();
}

std::vector<std::string> ScheduleLines(int count) {
    const COleDateTime first(1900, 1, 1);
    const int span = COleDateTime(2200, 1, 1) - first;
    std::vector<std::string> lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        const COleDateTime day = first + static_cast<int>(static_cast<long long>(span) * i / count);
        lines.push_back("Schedule=" + PortablePlatform().dateKeys.Format(day) + ",Note " + std::to_string(i));
    }
    return lines;
}
