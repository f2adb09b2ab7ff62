// Times one save of the main window's five keys into a settings file that holds
// 20,000 schedules: the private-profile calls on the file itself, as saves were
// made before, against the same calls through SaveSafely. The two alternate, and
// each figure is the median of its runs.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "SafeSave.h"

namespace {

constexpr int kSchedules = 20000;
constexpr int kRuns = 21;

void WriteFiveKeys(const std::string& path, int run) {
    const std::string section = "Wispane Calendar";
    const std::string position = "0:1:-1:-1:-1:-1:" + std::to_string(100 + run) + ":120:296:243";
    ::WritePrivateProfileStringA(section.c_str(), "Font", "-11,0,0,0,400,0,0,0,0,0,0,0,34", path.c_str());
    ::WritePrivateProfileStringA(section.c_str(), "FontFace", "MS Shell Dlg", path.c_str());
    ::WritePrivateProfileStringA(section.c_str(), "WindowPos", position.c_str(), path.c_str());
    ::WritePrivateProfileStringA(section.c_str(), "Config", "1,0,0,00ffffff,0,1,0,0000bf00,1", path.c_str());
    ::WritePrivateProfileStringA(section.c_str(), "CustomColors", "ffffff,ffffff,ffffff,ffffff", path.c_str());
}

void PrepareFile(const std::string& path) {
    std::string contents = "[Wispane Calendar]\r\n[Schedule]\r\n";
    for (int day = 0; day < kSchedules; ++day) {
        contents += "Schedule=" + std::to_string(1900 + day / 365) + "/" + std::to_string(1 + day % 12) + "/" +
                    std::to_string(1 + day % 28) + ",Appointment number " + std::to_string(day) + "\r\n";
    }
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    ::CloseHandle(file);
}

double Milliseconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    const std::string direct = std::string(folder) + "save-bench-direct.ini";
    const std::string safe = std::string(folder) + "save-bench-safe.ini";
    PrepareFile(direct);
    PrepareFile(safe);
    // A running calendar has read its file before it saves.
    char buffer[16];
    ::GetPrivateProfileStringA("Wispane Calendar", "Font", "", buffer, sizeof buffer, direct.c_str());

    std::vector<double> directTimes, safeTimes;
    for (int run = 0; run < kRuns; ++run) {
        LARGE_INTEGER start{}, middle{}, end{};
        ::QueryPerformanceCounter(&start);
        WriteFiveKeys(direct, run);
        ::QueryPerformanceCounter(&middle);
        SaveSafely(safe, [run](const std::string& copy) {
            WriteFiveKeys(copy, run);
            return true;
        });
        ::QueryPerformanceCounter(&end);
        directTimes.push_back(Milliseconds(start, middle));
        safeTimes.push_back(Milliseconds(middle, end));
    }
    std::printf("save of five keys, %d schedules, median of %d runs\n", kSchedules, kRuns);
    std::printf("  profile calls on the file:  %.1f ms\n", Median(directTimes));
    std::printf("  through SaveSafely:         %.1f ms\n", Median(safeTimes));
    ::DeleteFileA(direct.c_str());
    ::DeleteFileA(safe.c_str());
    return 0;
}
