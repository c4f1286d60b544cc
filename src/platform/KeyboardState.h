#pragma once

namespace platform {

struct KeyPoll {
    bool down = false; // held at the moment of the poll
    bool pressedSinceLastPoll = false;
};

// Asynchronous key state for the digit keys '0'..'9'.
class IKeyboardState {
public:
    virtual ~IKeyboardState() = default;
    virtual KeyPoll PollDigit(int digit) = 0;
};

} // namespace platform
