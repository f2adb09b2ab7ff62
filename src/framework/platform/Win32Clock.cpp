#include "Win32Clock.h"

#include <windows.h>

LocalTime Win32Clock::Now() const {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {.year = now.wYear,
            .month = now.wMonth,
            .day = now.wDay,
            .dayOfWeek = now.wDayOfWeek,
            .hour = now.wHour,
            .minute = now.wMinute,
            .second = now.wSecond,
            .milliseconds = now.wMilliseconds};
}
