#pragma once

#include "data/SessionRecord.h"

#include <cstdint>

// History records as the windows write them, for tests of what reads them.
namespace testrecords {

// 12:00 UTC on 7 March 2003: the same date in every time zone but the farthest.
inline constexpr std::uint32_t kNoon = 1047038400;
inline constexpr std::uint32_t kDay = 86400;

SessionRecord TestRecord(int correct, int answered, int level = 1, int testsPassedBefore = 0,
                         std::uint32_t time = kNoon);
// A training session of `kind` (the level field), on kNoon.
SessionRecord TrainingRecord(int correct, int seconds, int goal = 0, int kind = 3, int flag = 0);
// A review on kNoon.
SessionRecord ReviewRecord(int atStart, int completed, int left, int seconds);

} // namespace testrecords
