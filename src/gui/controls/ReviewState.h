#pragma once

#include <cstdint>

// The steps a flash card goes through in the mistake review and the training run: two tries,
// each followed by timed feedback.
enum class ReviewState : std::int32_t {
    Idle = 0,       // no session
    FirstTry = 1,   // waiting for the answer
    TryAgain = 2,   // the first answer was wrong
    SecondTry = 3,  // waiting for the second answer
    Almost = 4,     // the second answer was wrong too
    ShowAnswer = 5, // the correct answer, after two misses or a time-out
    Correct = 6,    // answered right
};

// How long each step lasts, in milliseconds: a try ends unanswered, a feedback step gives way
// to the next, once this much time has passed.
namespace step_time {
inline constexpr std::uint32_t kTry = 15'000;
inline constexpr std::uint32_t kTryAgain = 1'500;
inline constexpr std::uint32_t kAlmost = 1'200;
inline constexpr std::uint32_t kShowAnswer = 1'750;
inline constexpr std::uint32_t kCorrect = 800;
} // namespace step_time
