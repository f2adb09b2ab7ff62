// Starts a program and watches its window on the screen: the time from the start of
// the process to the first moment the window's picture is complete, that is equal
// to the picture it keeps once it has settled, and the program's memory then.
//
//   startup-probe PROGRAM [SETTLE_MS]
//
// The picture is read from the screen every few milliseconds, so what counts is what
// a user sees, however the program paints. Prints one line of name=value pairs; the
// program is closed afterwards (WM_CLOSE, then ended if it does not go).
#include <windows.h>
#include <psapi.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "WatchedWindow.h"

namespace {

std::string FolderOf(const std::string& path) {
    const size_t end = path.find_last_of("\\/");
    return end == std::string::npos ? std::string(".") : path.substr(0, end);
}

void CloseProgram(const PROCESS_INFORMATION& process, HWND window) {
    if (window) ::PostMessageA(window, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.hProcess, 1);
        ::WaitForSingleObject(process.hProcess, 5000);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup-probe PROGRAM [SETTLE_MS]\n");
        return 2;
    }
    const std::string program = argv[1];
    const double settleMilliseconds = argc > 2 ? std::atof(argv[2]) : 1500.0;
    const double timeoutMilliseconds = 60000.0;

    // The pointer waits in the screen's corner, off the window: a tip the program
    // shows over a day is not part of starting it.
    ::SetCursorPos(0, 0);
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const Stopwatch clock;
    if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          FolderOf(program).c_str(), &startup, &process)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", program.c_str(), ::GetLastError());
        return 1;
    }

    HWND window = nullptr;
    double visibleAt = -1;
    std::vector<Sample> samples;
    while (clock.Milliseconds() < timeoutMilliseconds) {
        if (!window) {
            window = ProgramWindow(process.dwProcessId);
            if (window) visibleAt = clock.Milliseconds();
        }
        if (window) {
            const std::uint64_t hash = PictureHash(window);
            const double now = clock.Milliseconds();
            if (samples.empty() || samples.back().hash != hash) samples.push_back({now, hash});
            if (now - samples.back().milliseconds >= settleMilliseconds) break;
        }
        if (::WaitForSingleObject(process.hProcess, 2) == WAIT_OBJECT_0) break;
    }
    if (samples.empty() || clock.Milliseconds() >= timeoutMilliseconds) {
        std::fprintf(stderr, "no settled window from %s\n", program.c_str());
        CloseProgram(process, window);
        return 1;
    }

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    const bool haveMemory = ::GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    const auto kilobytes = [haveMemory](SIZE_T bytes) { return haveMemory ? static_cast<unsigned long long>(bytes / 1024) : 0ULL; };
    std::printf("program=%s windows_pid=%lu visible_ms=%.1f complete_ms=%.1f pictures=%zu working_set_kb=%llu "
                "peak_working_set_kb=%llu commit_kb=%llu\n",
                program.c_str(), process.dwProcessId, visibleAt, samples.back().milliseconds, samples.size(),
                kilobytes(memory.WorkingSetSize), kilobytes(memory.PeakWorkingSetSize), kilobytes(memory.PagefileUsage));
    std::fflush(stdout);
    CloseProgram(process, window);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return 0;
}
