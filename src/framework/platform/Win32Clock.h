#pragma once
#include "Clock.h"

// GetLocalTime, and the current time zone for conversions.
class Win32Clock : public Clock {
public:
    LocalTime Now() const override;
    long long SecondsSinceEpoch(const LocalTime& local) const override;
};
