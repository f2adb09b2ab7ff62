#pragma once

// Local wall-clock time as GetLocalTime reports it.
struct LocalTime {
    int year = 0;
    int month = 0;      // 1..12
    int day = 0;        // 1..31
    int dayOfWeek = 0;  // 0 = Sunday ... 6 = Saturday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() const = 0;
    // Seconds since 1970-01-01 00:00 UTC of a local wall-clock time in the platform's time zone
    // (whole seconds; milliseconds and the weekday are ignored); -1 if it cannot be converted.
    virtual long long SecondsSinceEpoch(const LocalTime& local) const = 0;
    // The local wall-clock time of a moment given in seconds since 1970-01-01 00:00 UTC;
    // year 0 if it cannot be converted.
    virtual LocalTime LocalTimeAt(long long secondsSinceEpoch) const = 0;
};
