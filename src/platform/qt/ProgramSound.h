#pragma once

namespace platform {

// The program's sounds, numbered as in its string table; each names a file in base folder +
// "/Audio/".
enum class ProgramSound {
    kType = 1,        // "type.wav": an answer given, a digit typed
    kWrongAnswer = 2, // "wronganswer2.wav"
    kApplause = 6,    // "applauselong.wav": a perfect test
    kNavigate = 12,   // "navigate.wav": every screen button
    kRibbit = 13,     // "ribbit.wav": the review buddy
};

// Cuts off the sound that is playing and starts `sound` without waiting for it. With "-nosound"
// on the command line (read at each call) nothing plays, not even the beep a missing file gives.
void PlayProgramSound(ProgramSound sound);

} // namespace platform
