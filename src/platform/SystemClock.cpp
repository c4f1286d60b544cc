#include "SystemClock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace platform {

std::uint32_t SystemClock::TickCount() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    // Wraps after 49.7 days like any 32-bit millisecond tick; callers subtract ticks.
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

std::int64_t SystemClock::SecondsSince1970() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

LocalTime SystemClock::Now() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
            parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

void SystemClock::Sleep(std::uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace platform
