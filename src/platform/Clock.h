#pragma once

#include <cstdint>

namespace platform {

struct LocalTime {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Time as the program sees it: a millisecond tick for durations, seconds since 1970 for records,
// the local time for log stamps, and a blocking sleep. Tests substitute a clock that advances
// instantly so timed screens run in milliseconds.
class IClock {
public:
    virtual ~IClock() = default;
    virtual std::uint32_t TickCount() = 0;
    virtual std::int64_t SecondsSince1970() = 0;
    virtual LocalTime Now() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

} // namespace platform
