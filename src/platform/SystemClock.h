#pragma once

#include "Clock.h"

namespace platform {

class SystemClock final : public IClock {
public:
    std::uint32_t TickCount() override;
    std::int64_t SecondsSince1970() override;
    LocalTime Now() override;
    void Sleep(std::uint32_t milliseconds) override;
};

} // namespace platform
