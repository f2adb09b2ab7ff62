#pragma once
#include <windows.h>

#include "Clock.h"

// The time as the system calls take it.
SYSTEMTIME SystemTimeOf(const LocalTime& time);

// GetLocalTime, and the current time zone for conversions.
class Win32Clock : public Clock {
public:
    LocalTime Now() const override;
    long long SecondsSinceEpoch(const LocalTime& local) const override;
    LocalTime LocalTimeAt(long long secondsSinceEpoch) const override;
};
