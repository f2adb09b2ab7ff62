#pragma once
#include "Clock.h"

// Local time from the C library.
class PortableClock : public Clock {
public:
    LocalTime Now() const override;
    long long SecondsSinceEpoch(const LocalTime& local) const override;
    LocalTime LocalTimeAt(long long secondsSinceEpoch) const override;
};
