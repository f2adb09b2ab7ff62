#pragma once
#include "Clock.h"

// GetLocalTime.
class Win32Clock : public Clock {
public:
    LocalTime Now() const override;
};
