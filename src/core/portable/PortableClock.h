#pragma once
#include "Clock.h"

// Local time from the C library.
class PortableClock : public Clock {
public:
    LocalTime Now() const override;
};
